#include "speechmodule.h"

#include "speechoutput.h"

#include <QLibrary>

namespace vocario::SpeechModule {

std::unique_ptr<SpeechOutput> load(const QString& folder, QString* motivo) {
    // The library stays loaded for the rest of the run: its objects do.
    QLibrary module(folder + u'/' + QLatin1String(kFileName));
    auto create = reinterpret_cast<EntryPoint>(module.resolve(kEntryPoint));
    if (!create) {
        *motivo = QStringLiteral("Manca la parte del programma che legge ad alta voce (%1).")
                      .arg(QLatin1String(kFileName));
        return nullptr;
    }
    return std::unique_ptr<SpeechOutput>(create(motivo));
}

} // namespace vocario::SpeechModule
