#include "navigazione.h"

#include "appstate.h"
#include "exercisewindow.h"
#include "formavvio.h"
#include "formmenu.h"
#include "preparazione.h"

#include <QApplication>
#include <QPointer>

namespace vocario::Navigazione {
namespace {

std::array<ExerciseFactory, 9>& factories() {
    static std::array<ExerciseFactory, 9> all;
    return all;
}

void endApplication() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

std::function<void()>& termine() {
    static std::function<void()> end = endApplication;
    return end;
}

void unload(QWidget* window) {
    if (window)
        window->close();
}

} // namespace

void impostaEsercizi(std::array<ExerciseFactory, 9> all) {
    factories() = std::move(all);
}

void Main() {
    stato().random.seedFromClock();
    auto* start = new FormAvvio;
    start->show();
}

int eseguiProgramma(std::array<ExerciseFactory, 9> esercizi) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    impostaEsercizi(std::move(esercizi));
    Main();
    const int result = QApplication::exec();
    // Windows still loaded when the program ends go with it (the desktop
    // may end it with an exercise open). Deleting one deletes its popup
    // menus, which the list holds too: hence the guards.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget>& window : windows)
        if (window && !window->parentWidget())
            delete window.data();
    return result;
}

FormMenu* mostraMenu(QWidget* previous) {
    auto* menu = new FormMenu;
    menu->show();
    unload(previous);
    return menu;
}

bool apriEsercizio(int numero, QWidget* menu) {
    const ExerciseFactory& factory = factories().at(size_t(numero - 1));
    if (!factory)
        return false;
    Preparazione::completa();
    ExerciseWindow* window = factory();
    if (!window->apri(menu)) {
        delete window;
        return false;
    }
    unload(menu);
    return true;
}

void terminaProgramma() {
    termine()();
}

void impostaTermine(std::function<void()> end) {
    termine() = end ? std::move(end) : std::function<void()>(endApplication);
}

} // namespace vocario::Navigazione
