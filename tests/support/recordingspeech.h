#pragma once

#include "core/speechoutput.h"

#include <QElapsedTimer>
#include <QList>
#include <QStringList>

namespace vocario {
struct AppState;
}

namespace vocario::testing {

/// Records what the program asks the voice to read, and when, instead of
/// reading it.
class RecordingSpeechOutput : public SpeechOutput {
  public:
    struct Said {
        QString text;
        qint64 atMs; ///< since the recorder was installed
    };

    RecordingSpeechOutput() { clock_.start(); }
    void say(const QString& text) override { said.append({text, clock_.elapsed()}); }
    Readiness readiness() const override { return readiness_; }
    QString unavailableReason() const override { return reason_; }
    /// Makes the voice unavailable, with the reason the dialog shows.
    void makeUnavailable(const QString& reason) {
        readiness_ = Readiness::Unavailable;
        reason_ = reason;
    }

    /// The texts asked for, in order.
    QStringList texts() const;

    QList<Said> said;

  private:
    QElapsedTimer clock_;
    Readiness readiness_ = Readiness::Ready;
    QString reason_;
};

/// Installs a recorder as the voice of `stato` and returns it.
RecordingSpeechOutput* installRecordingSpeech(AppState& stato);

} // namespace vocario::testing
