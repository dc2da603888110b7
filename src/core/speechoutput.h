#pragma once

#include <QString>

namespace vocario {

/// Reads a text aloud in Italian without waiting for it; a new text cuts
/// off the one being read.
class SpeechOutput {
  public:
    /// Whether the output can read Italian; finding out may take a while.
    enum class Readiness { Finding, Ready, Unavailable };

    virtual ~SpeechOutput() = default;
    virtual void say(const QString& text) = 0;
    virtual Readiness readiness() const { return Readiness::Ready; }
    /// One line in Italian for the pupil: why it cannot read, when it cannot.
    virtual QString unavailableReason() const { return {}; }
};

} // namespace vocario
