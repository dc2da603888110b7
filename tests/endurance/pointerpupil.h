#pragma once

#include "probeclient.h"

#include <QColor>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <functional>

// Stops the calling test function when a step has recorded a failure.
#define STEP(call)                                                                                 \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

namespace vocario::endurance {

class XSession;

/// An answer as the probe lists it: a drag of `source` onto `target`, or a
/// click on `source` when `target` is empty.
struct PointerMove {
    QString source;
    QString target;
};

/// The moves of a probe list ("right" or "wrong" of a window).
QList<PointerMove> movesOf(const QJsonValue& value);
/// Where a pupil clicks a control the probe lists: its middle, or for an
/// option button its round mark.
QPoint clickPoint(const QJsonObject& control);
/// A 0xBBGGRR colour as the screen shows it.
QRgb rgbOf(qint64 bgr);

/// A pupil at the real mouse of an X server, who looks at the program
/// through its probe before and after each action: clicks on controls and
/// menu items, answers to message boxes, drags of words that Qt's own drag
/// loop carries, and the colour the screen shows.
class PointerPupil {
  public:
    PointerPupil(XSession& x, ProbeClient& program) : x_(x), program_(program) {}

    ProgramView look();
    /// The last view seen.
    const ProgramView& last() const { return last_; }
    /// Looks again and again until `done`; on time-out records a failure
    /// naming `what` and returns an invalid view.
    ProgramView waitUntil(const std::function<bool(const ProgramView&)>& done, const QString& what);

    void clickControl(const QString& name);
    void clickAction(const QString& name);
    /// Waits for a message box with `button`, presses it, waits for it to go.
    void answerBox(const QString& button);
    void dragWord(const QString& source, const QString& target);
    /// Drags `source` over the control `over`, which takes no words.
    void dragOntoNothing(const QString& source, const QString& over);
    void perform(const PointerMove& move);
    /// Waits until the screen shows `bgr` at the window's background sample.
    void checkScreenColour(const ProgramView& view, qint64 bgr, const QString& when);

  private:
    XSession& x_;
    ProbeClient& program_;
    ProgramView last_;
};

} // namespace vocario::endurance
