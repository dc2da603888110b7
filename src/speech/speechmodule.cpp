#include "speechmodule.h"

#include "core/moduleentry.h"
#include "core/speechoutput.h"

namespace vocario::SpeechModule {

std::unique_ptr<SpeechOutput> load(const QString& folder, QString* motivo) {
    const auto create = moduleEntry<EntryPoint>(folder, kFileName, kEntryPoint);
    if (!create) {
        *motivo = QStringLiteral("Manca la parte del programma che legge ad alta voce (%1).")
                      .arg(QLatin1String(kFileName));
        return nullptr;
    }
    return std::unique_ptr<SpeechOutput>(create(motivo));
}

} // namespace vocario::SpeechModule
