#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

namespace vocario::endurance {

/// A private X server (Xvfb) and a real pointer on it: every move, press and
/// release goes through the X server with xdotool, as a pupil's mouse would.
class XSession {
  public:
    XSession() = default;
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    /// Starts Xvfb on the display named by VOCARIO_PLAYTHROUGH_DISPLAY (99
    /// when unset), on :98 when that one is taken, else on any free one.
    /// False, with the reason in `error`, when no server would start.
    bool start(QString* error);
    /// Starts Xvfb on a display it picks itself, beside any others running.
    bool startAnywhere(QString* error) { return startOn(QString(), error); }
    void stop();

    QString display() const { return display_; }
    /// The environment for a program that should open its windows here.
    QProcessEnvironment environment() const;

    void moveTo(QPoint to);
    void press();
    void release();
    /// Moves there, then presses and releases the left button.
    void click(QPoint at);
    /// Two clicks there, `gapMs` apart: a double click when within the interval.
    void doubleClick(QPoint at, int gapMs);
    /// Presses and releases a key, named as xdotool names it ("Tab", "space").
    void key(const QString& name);

    /// The whole screen as the X server shows it; saved too when `saveAs` is given.
    QImage screenshot(const QString& saveAs = {}) const;

  private:
    bool startOn(const QString& display, QString* error);
    void xdotool(const QStringList& arguments);

    QProcess server_;
    QString display_;
    QPoint pointer_{-1, -1};
};

} // namespace vocario::endurance
