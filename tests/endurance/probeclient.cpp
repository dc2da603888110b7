#include "probeclient.h"

#include <QDeadlineTimer>
#include <QJsonDocument>

namespace vocario::endurance {
namespace {

constexpr int kAnswerMs = 10000;

bool isBox(const QString& className) {
    return className == u"QMessageBox";
}
bool isPopup(const QString& className) {
    return className == u"QMenu";
}
bool isProgramWindow(const QString& className) {
    return !isBox(className) && !isPopup(className) && className != u"QMenuBar";
}

QJsonObject named(const QJsonArray& items, const QString& name) {
    for (const QJsonValue& item : items)
        if (item.toObject().value("name").toString() == name)
            return item.toObject();
    return {};
}

} // namespace

QJsonObject ProgramView::windowWhere(bool (*wanted)(const QString&)) const {
    for (const QJsonValue& window : raw_.value("windows").toArray())
        if (wanted(window.toObject().value("class").toString()))
            return window.toObject();
    return {};
}

QJsonObject ProgramView::window() const {
    return windowWhere(isProgramWindow);
}

QJsonObject ProgramView::messageBox() const {
    return windowWhere(isBox);
}

QJsonObject ProgramView::popup() const {
    return windowWhere(isPopup);
}

QJsonObject ProgramView::control(const QString& name) const {
    return named(window().value("controls").toArray(), name);
}

QJsonObject ProgramView::boxButton(const QString& name) const {
    return named(messageBox().value("controls").toArray(), name);
}

QJsonObject ProgramView::action(const QString& name) const {
    const QJsonObject inBar = named(window().value("actions").toArray(), name);
    return inBar.isEmpty() ? named(popup().value("actions").toArray(), name) : inBar;
}

bool ProgramView::ticked(const QString& name) const {
    return named(window().value("actionStates").toArray(), name).value("checked").toBool();
}

int ProgramView::state(const char* name) const {
    return raw_.value("state").toObject().value(QLatin1String(name)).toInt(-1);
}

bool ProgramView::dragActive() const {
    return raw_.value("drag").toObject().value("active").toBool();
}

QString ProgramView::dragOver() const {
    return raw_.value("drag").toObject().value("over").toString();
}

QString ProgramView::focus() const {
    return raw_.value("keyboard").toObject().value("focus").toString();
}

QString ProgramView::picked() const {
    return raw_.value("keyboard").toObject().value("picked").toString();
}

int ProgramView::drops() const {
    return raw_.value("drag").toObject().value("drops").toInt();
}

QRect ProgramView::rectOf(const QJsonObject& item) {
    const QJsonArray r = item.value("rect").toArray();
    return r.size() == 4 ? QRect(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt()) : QRect();
}

ProbeClient::~ProbeClient() {
    kill();
}

bool ProbeClient::start(const QString& program, const QProcessEnvironment& environment,
                        QString* error, const QStringList& arguments) {
    process_.setProcessEnvironment(environment);
    replies_.clear();
    log_.clear();
    process_.start(program, arguments);
    if (!process_.waitForStarted(kAnswerMs)) {
        *error = program + QStringLiteral(": ") + process_.errorString();
        return false;
    }
    return true;
}

ProgramView ProbeClient::look() {
    if (!running())
        return {};
    process_.write("dump\n");
    const QDeadlineTimer deadline(kAnswerMs);
    while (!deadline.hasExpired()) {
        const qsizetype end = replies_.indexOf('\n');
        if (end >= 0) {
            const QByteArray line = replies_.left(end);
            replies_.remove(0, end + 1);
            if (line.startsWith("PROBE "))
                return ProgramView(QJsonDocument::fromJson(line.mid(6)).object());
            continue; // anything else the program printed
        }
        if (!process_.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            break;
        replies_ += process_.readAllStandardOutput();
    }
    return {};
}

int ProbeClient::waitForEnd(int msecs) {
    if (running() && !process_.waitForFinished(msecs))
        return -1;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -2;
}

void ProbeClient::kill() {
    if (!running())
        return;
    process_.kill();
    process_.waitForFinished();
}

QByteArray ProbeClient::log() {
    log_ += process_.readAllStandardError();
    return log_;
}

} // namespace vocario::endurance
