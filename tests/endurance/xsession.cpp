#include "xsession.h"

#include <QFile>
#include <QtDebug>

namespace vocario::endurance {
namespace {

constexpr int kServerStartMs = 15000;
constexpr int kToolMs = 10000;

bool lockTaken(const QString& display) {
    return QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(display.mid(1)));
}

} // namespace

XSession::~XSession() {
    stop();
}

bool XSession::start(QString* error) {
    QStringList candidates;
    const QString wanted =
        qEnvironmentVariable("VOCARIO_PLAYTHROUGH_DISPLAY", QStringLiteral("99"));
    candidates << u':' + wanted << QStringLiteral(":98");
    for (const QString& display : std::as_const(candidates))
        if (!lockTaken(display) && startOn(display, error))
            return true;
    return startOn(QString(), error); // Xvfb picks a free display itself
}

bool XSession::startOn(const QString& display, QString* error) {
    QStringList arguments;
    if (!display.isEmpty())
        arguments << display;
    // Xvfb writes the display number on standard output once it takes clients.
    arguments << QStringLiteral("-displayfd") << QStringLiteral("1") << QStringLiteral("-screen")
              << QStringLiteral("0") << QStringLiteral("1280x1024x24")
              << QStringLiteral("-nolisten") << QStringLiteral("tcp");
    server_.setProgram(QStringLiteral("Xvfb"));
    server_.setArguments(arguments);
    server_.start();
    if (!server_.waitForStarted(kServerStartMs)) {
        *error = QStringLiteral("Xvfb did not start: ") + server_.errorString();
        return false;
    }
    QByteArray number;
    while (!number.contains('\n') && server_.waitForReadyRead(kServerStartMs))
        number += server_.readAllStandardOutput();
    if (!number.contains('\n')) {
        *error = QStringLiteral("Xvfb %1 gave no display: %2")
                     .arg(display, QString::fromLocal8Bit(server_.readAllStandardError()));
        server_.kill();
        server_.waitForFinished();
        return false;
    }
    display_ = u':' + QString::fromLatin1(number.trimmed());
    return true;
}

void XSession::stop() {
    if (server_.state() == QProcess::NotRunning)
        return;
    server_.terminate();
    if (!server_.waitForFinished(5000)) {
        server_.kill();
        server_.waitForFinished();
    }
}

QProcessEnvironment XSession::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

void XSession::xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(kToolMs)) {
        qWarning() << "xdotool" << arguments << "did not finish";
        tool.kill();
        tool.waitForFinished();
    }
}

void XSession::moveTo(QPoint to) {
    if (to == pointer_)
        return;
    // --sync returns once the pointer is there; it would wait for ever for a
    // move to where the pointer already is, hence the check above.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(to.x()),
             QString::number(to.y())});
    pointer_ = to;
}

void XSession::press() {
    xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
}

void XSession::release() {
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
}

void XSession::click(QPoint at) {
    moveTo(at);
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

void XSession::doubleClick(QPoint at, int gapMs) {
    moveTo(at);
    xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
             QStringLiteral("--delay"), QString::number(gapMs), QStringLiteral("1")});
}

void XSession::key(const QString& name) {
    xdotool({QStringLiteral("key"), name});
}

QImage XSession::screenshot(const QString& saveAs) const {
    QProcess import;
    import.setProcessEnvironment(environment());
    import.start(QStringLiteral("import"),
                 {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    if (!import.waitForFinished(kToolMs)) {
        import.kill();
        import.waitForFinished();
        return {};
    }
    const QByteArray png = import.readAllStandardOutput();
    if (!saveAs.isEmpty()) {
        QFile file(saveAs);
        if (file.open(QIODevice::WriteOnly))
            file.write(png);
    }
    return QImage::fromData(png, "PNG");
}

} // namespace vocario::endurance
