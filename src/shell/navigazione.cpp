#include "navigazione.h"

#include "appstate.h"
#include "cartelle.h"
#include "exercisewindow.h"
#include "formavvio.h"
#include "formmenu.h"
#include "lettore.h"
#include "opzionisalvate.h"
#include "preparazione.h"
#include "registrazione.h"

#include <QApplication>
#include <QPointer>

namespace vocario::Navigazione {
namespace {

// What every window opened from here on is built over.
struct Contesto {
    AppState* stato = nullptr;
    const Catalogo* esercizi = nullptr;
};

RegistroClasse*& registroInstallato() {
    static RegistroClasse* registro = nullptr;
    return registro;
}

Contesto& programma() {
    static Contesto corrente;
    return corrente;
}

AppState& stato() {
    AppState* s = programma().stato;
    if (!s)
        qFatal("Navigazione: no program state was handed over");
    return *s;
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

void impostaProgramma(AppState& s, const Catalogo& all) {
    programma() = {&s, &all};
}

const Catalogo& esercizi() {
    static const Catalogo none;
    return programma().esercizi ? *programma().esercizi : none;
}

void impostaRegistro(RegistroClasse* registro) {
    registroInstallato() = registro;
}

RegistroClasse* registro() {
    return registroInstallato();
}

void Main() {
    stato().random.seedFromClock();
    auto* start = new FormAvvio(stato());
    start->show();
}

int eseguiProgramma(const Catalogo& all, const ScelteOpzioni& dallaRiga, RegistroClasse* registro) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    AppState s(Cartelle::datiProgramma());
    s.opzioni = dallaRiga.applicate(OpzioniSalvate::carica());
    Lettore::aggiorna(s);
    impostaProgramma(s, all);
    impostaRegistro(registro);
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
    programma() = {};
    // The pupil's session ends with the run, while the register is still there.
    s.registrazione.reset();
    impostaRegistro(nullptr);
    return result;
}

FormMenu* mostraMenu(QWidget* previous) {
    auto* menu = new FormMenu(stato());
    menu->show();
    unload(previous);
    return menu;
}

bool apriEsercizio(int numero, QWidget* menu) {
    const Catalogo& all = esercizi();
    if (numero < 1 || numero > int(all.size()))
        return false;
    const ExerciseEntry& entry = all[size_t(numero - 1)];
    Preparazione::completa(stato());
    ExerciseWindow* window = entry.create(stato(), entry);
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
