#include "soundmodule.h"

#include "core/moduleentry.h"
#include "core/soundoutput.h"

namespace vocario::SoundModule {
namespace {

class SilentOutput : public SoundOutput {
  public:
    void play(const QString&) override {}
};

} // namespace

std::unique_ptr<SoundOutput> load(const QString& folder, const QStringList& wavPaths) {
    if (auto create = moduleEntry<EntryPoint>(folder, kFileName, kEntryPoint))
        if (SoundOutput* output = create(wavPaths))
            return std::unique_ptr<SoundOutput>(output);
    return std::make_unique<SilentOutput>();
}

} // namespace vocario::SoundModule
