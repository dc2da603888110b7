#include "soundmodule.h"

#include "soundoutput.h"

#include <QLibrary>

namespace vocario::SoundModule {
namespace {

class SilentOutput : public SoundOutput {
  public:
    void play(const QString&) override {}
};

} // namespace

std::unique_ptr<SoundOutput> load(const QString& folder, const QStringList& wavPaths) {
    // The library stays loaded for the rest of the run: its objects do.
    QLibrary module(folder + u'/' + QLatin1String(kFileName));
    if (auto create = reinterpret_cast<EntryPoint>(module.resolve(kEntryPoint)))
        if (SoundOutput* output = create(wavPaths))
            return std::unique_ptr<SoundOutput>(output);
    return std::make_unique<SilentOutput>();
}

} // namespace vocario::SoundModule
