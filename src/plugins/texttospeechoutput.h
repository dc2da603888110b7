#pragma once

#include "core/speechoutput.h"

#include <memory>

class QTextToSpeech;

namespace vocario {

/// The voice of the speech module: Qt TextToSpeech through
/// speech-dispatcher, in the Italian voice the user chose in the desktop's
/// speech settings or else the first Italian one (espeak-ng's).
class TextToSpeechOutput : public SpeechOutput {
  public:
    /// The output, or nothing with the reason in `motivo`.
    static std::unique_ptr<TextToSpeechOutput> create(QString* motivo);
    ~TextToSpeechOutput() override;

    void say(const QString& text) override;

  private:
    explicit TextToSpeechOutput(std::unique_ptr<QTextToSpeech> engine);

    std::unique_ptr<QTextToSpeech> engine_;
};

} // namespace vocario
