#include "navigazione.h"

#include "core/appstate.h"
#include "core/cartelle.h"
#include "core/registrazione.h"
#include "formavvio.h"
#include "formmenu.h"
#include "frame/exercisewindow.h"
#include "frame/percorso.h"
#include "options/opzionisalvate.h"
#include "preparazione.h"
#include "speech/lettore.h"

#include <QApplication>
#include <QPointer>

namespace vocario::Navigazione {
namespace {

// The state every window opened from here on is built over.
AppState*& programma() {
    static AppState* corrente = nullptr;
    return corrente;
}

AppState& stato() {
    AppState* s = programma();
    if (!s)
        qFatal("Navigazione: no program state was handed over");
    return *s;
}

void unload(QWidget* window) {
    if (window)
        window->close();
}

} // namespace

void impostaProgramma(AppState& s, const Catalogo& all) {
    programma() = &s;
    Percorso::imposta({.mostraMenu = [](QWidget* previous) { mostraMenu(previous); },
                       .apriEsercizio = apriEsercizio},
                      &all);
}

const Catalogo& esercizi() {
    return Percorso::esercizi();
}

void impostaRegistro(RegistroClasse* registro) {
    Percorso::impostaRegistro(registro);
}

RegistroClasse* registro() {
    return Percorso::registro();
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
    programma() = nullptr;
    Percorso::imposta({}, nullptr);
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
    Percorso::terminaProgramma();
}

void impostaTermine(std::function<void()> end) {
    Percorso::impostaTermine(std::move(end));
}

} // namespace vocario::Navigazione
