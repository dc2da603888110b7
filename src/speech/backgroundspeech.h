#pragma once

#include "core/speechoutput.h"

#include <chrono>
#include <functional>
#include <memory>

namespace vocario {

/// A speech output whose engine lives on a thread of its own: it is created
/// there (loading the speech module and starting speech-dispatcher takes
/// seconds) and every text is read there, so that the windows never wait for
/// it, not even when the engine hangs. A text asked for while the engine is
/// busy or still starting takes the place of the one waiting: only the
/// latest is read.
class BackgroundSpeech : public SpeechOutput {
  public:
    /// Makes the engine, on the background thread; nothing, with the reason
    /// in `motivo`, when it cannot read Italian.
    using Factory = std::function<std::unique_ptr<SpeechOutput>(QString* motivo)>;

    /// `patience`: how long the engine may take to start before the output
    /// counts as unavailable.
    explicit BackgroundSpeech(Factory factory,
                              std::chrono::milliseconds patience = std::chrono::seconds(20));
    /// Leaves an engine that does not answer to end with the program.
    ~BackgroundSpeech() override;
    BackgroundSpeech(const BackgroundSpeech&) = delete;
    BackgroundSpeech& operator=(const BackgroundSpeech&) = delete;

    void say(const QString& text) override;
    Readiness readiness() const override;
    QString unavailableReason() const override;

  private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace vocario
