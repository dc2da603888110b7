#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QString>

namespace vocario::endurance {

/// What the probe saw at one moment (see ProbeServer): the program's window
/// on show, a message box or menu opened over it, the counts, a drag.
class ProgramView {
  public:
    ProgramView() = default;
    explicit ProgramView(QJsonObject raw) : raw_(std::move(raw)) {}

    bool isValid() const { return !raw_.isEmpty(); }
    const QJsonObject& raw() const { return raw_; }

    /// The program's own window (not a message box, not a popup menu).
    QJsonObject window() const;
    QString windowName() const { return window().value("name").toString(); }
    /// The message box on show, or an empty object.
    QJsonObject messageBox() const;
    /// The popup menu on show, or an empty object.
    QJsonObject popup() const;

    /// A control of the program's window by design name (empty if none).
    QJsonObject control(const QString& name) const;
    /// A control of the message box ("Si", "No", "OK").
    QJsonObject boxButton(const QString& name) const;
    /// A menu-bar action of the window, or an action of the open popup.
    QJsonObject action(const QString& name) const;
    /// Whether a menu action (open or not) is ticked.
    bool ticked(const QString& name) const;

    int esatti() const { return state("NumeroEsatti"); }
    int errati() const { return state("NumeroErrati"); }
    int state(const char* name) const;
    bool dragActive() const;
    QString dragOver() const;
    int drops() const;
    /// The control with the keyboard focus, and the word picked (if any).
    QString focus() const;
    QString picked() const;

    static QRect rectOf(const QJsonObject& item);
    static QPoint centreOf(const QJsonObject& item) { return rectOf(item).center(); }

  private:
    QJsonObject windowWhere(bool (*wanted)(const QString& className)) const;
    QJsonObject raw_;
};

/// Starts the probed program and asks it what it shows.
class ProbeClient {
  public:
    ~ProbeClient();

    bool start(const QString& program, const QProcessEnvironment& environment, QString* error,
               const QStringList& arguments = {});
    /// Asks the program for a description; invalid when it does not answer.
    ProgramView look();
    /// Waits for the program to end; its exit code, or -1 while it runs on.
    int waitForEnd(int msecs);
    void kill();
    bool running() const { return process_.state() != QProcess::NotRunning; }
    /// What the program wrote on its error output so far.
    QByteArray log();

  private:
    QProcess process_;
    QByteArray replies_;
    QByteArray log_;
};

} // namespace vocario::endurance
