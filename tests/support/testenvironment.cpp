#include "testenvironment.h"

#include "app/navigazione.h"
#include "core/appstate.h"
#include "exercises/catalogo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QWidget>

#ifndef VOCARIO_SOURCE_DIR
#error "VOCARIO_SOURCE_DIR must name the source tree"
#endif

namespace vocario::testing {

ScriptedRandomSource* scriptRandom(AppState& stato, QList<float> values) {
    return scriptRandom(stato.random, std::move(values));
}

TestEnvironment::TestEnvironment() {
    closeAllWindows();
    state.cartellaProgramma = dir_.path();
    state.cartellaInsegnante = teacherFolder();
    QDir(dir_.path()).mkdir(QStringLiteral("testi"));
    sound = installRecordingSound(state);
    speech = installRecordingSpeech(state);
    // Whatever a test chooses in "Opzioni" stays out of the user's settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       dir_.path() + QStringLiteral("/impostazioni"));
    Navigazione::impostaTermine([this] { ++endRequests; });
    Navigazione::impostaProgramma(state, catalogoEsercizi());
}

TestEnvironment::~TestEnvironment() {
    closeAllWindows();
    Navigazione::impostaTermine({});
}

void TestEnvironment::writeListBytes(const QString& fileName, const QByteArray& content) {
    QFile file(dir_.path() + QStringLiteral("/testi/") + fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("Cannot write %s", qPrintable(file.fileName()));
    file.write(content);
}

void TestEnvironment::writeList(const QString& fileName, const QString& content) {
    writeListBytes(fileName, content.toUtf8());
}

QString TestEnvironment::teacherFolder() const {
    return dir_.path() + QStringLiteral("/insegnante/testi");
}

void TestEnvironment::writeTeacherList(const QString& fileName, const QString& content) {
    QDir().mkpath(teacherFolder());
    QFile file(teacherFolder() + u'/' + fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("Cannot write %s", qPrintable(file.fileName()));
    file.write(content.toUtf8());
}

void TestEnvironment::useShippedLists() {
    const QDir shipped(QStringLiteral(VOCARIO_SOURCE_DIR "/testi"));
    for (const QString& name : shipped.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QFile::remove(dir_.path() + QStringLiteral("/testi/") + name);
        QFile::copy(shipped.filePath(name), dir_.path() + QStringLiteral("/testi/") + name);
    }
}

QList<QWidget*> TestEnvironment::visibleWindows() {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && !widget->parentWidget() && !qobject_cast<QMessageBox*>(widget))
            windows.append(widget);
    return windows;
}

void TestEnvironment::closeAllWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Popup menus are top-level too but belong to their window: take only
    // the windows, and guard against one deleting another.
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!widget->parentWidget())
            windows.append(widget);
    for (const QPointer<QWidget>& window : std::as_const(windows))
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace vocario::testing
