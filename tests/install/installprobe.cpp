// A Qt generic plugin that the installation test loads into the installed
// program (QT_PLUGIN_PATH, QT_QPA_GENERIC_PLUGINS=vocarioinstallprobe), so
// that the program under test is the installed one, unchanged. Like a pupil
// it presses "Avvio" and then the menu's first exercise; it reports the words
// the exercise shows and where the sound module was loaded from, and ends
// the program. Any message box on the way (a word list that cannot be read)
// is reported and fails the run.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGenericPlugin>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int kPollMs = 50;
constexpr qint64 kDeadlineMs = 30000;

QWidget* visibleWidget(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        if (top->objectName() == name)
            return top;
        if (auto* child = top->findChild<QWidget*>(name); child && child->isVisible())
            return child;
    }
    return nullptr;
}

/// The file the sound module was loaded from, if it is loaded.
QString soundModuleFile() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.contains("vocario_suoni"))
            return QString::fromLocal8Bit(line.mid(line.indexOf('/')));
    return {};
}

void report(const QString& line) {
    std::fprintf(stdout, "%s\n", qPrintable(line));
    std::fflush(stdout);
}

class InstalledRunDriver : public QObject {
  public:
    InstalledRunDriver() {
        clock_.start();
        connect(&poll_, &QTimer::timeout, this, &InstalledRunDriver::step);
        poll_.start(kPollMs);
    }

  private:
    void finish(int code) {
        poll_.stop();
        QCoreApplication::exit(code);
    }

    void step() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) {
                report(QStringLiteral("BOX ") + box->text());
                return finish(3);
            }
        if (clock_.elapsed() > kDeadlineMs) {
            report(QStringLiteral("TIMEOUT waiting for %1").arg(waitingFor_));
            return finish(4);
        }
        if (waitingFor_ == u"BottoneAvvio" || waitingFor_ == u"Command2") {
            if (auto* button = qobject_cast<QAbstractButton*>(visibleWidget(waitingFor_))) {
                report(QStringLiteral("PRESS ") + waitingFor_);
                waitingFor_ = waitingFor_ == u"BottoneAvvio" ? QStringLiteral("Command2")
                                                             : QStringLiteral("Form1");
                // Queued: a box the press opens runs its own event loop, in
                // which this poll must go on.
                QTimer::singleShot(0, button, &QAbstractButton::click);
            }
            return;
        }
        QWidget* exercise = visibleWidget(waitingFor_);
        const QString module = soundModuleFile();
        if (!exercise || module.isEmpty())
            return;
        report(QStringLiteral("WINDOW ") + exercise->objectName());
        for (const QLabel* label : exercise->findChildren<QLabel*>())
            if (label->objectName().startsWith(QStringLiteral("Label3")) &&
                !label->text().isEmpty())
                report(QStringLiteral("WORD ") + label->text());
        report(QStringLiteral("MODULE ") + module);
        finish(0);
    }

    QTimer poll_;
    QElapsedTimer clock_;
    QString waitingFor_ = QStringLiteral("BottoneAvvio");
};

} // namespace

class InstallProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "installprobe.json")
  public:
    QObject* create(const QString&, const QString&) override { return new InstalledRunDriver; }
};

#include "installprobe.moc"
