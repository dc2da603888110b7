#include "percorso.h"

#include <QApplication>
#include <QWidget>

namespace vocario::Percorso {
namespace {

struct Tracciato {
    Passi passi;
    const Catalogo* esercizi = nullptr;
};

Tracciato& tracciato() {
    static Tracciato corrente;
    return corrente;
}

RegistroClasse*& registroInstallato() {
    static RegistroClasse* registro = nullptr;
    return registro;
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

const Passi& passi() {
    const Passi& laid = tracciato().passi;
    if (!laid.mostraMenu || !laid.apriEsercizio)
        qFatal("Navigazione: no program state was handed over");
    return laid;
}

} // namespace

void imposta(Passi nuovi, const Catalogo* esercizi) {
    tracciato() = esercizi ? Tracciato{std::move(nuovi), esercizi} : Tracciato{};
}

void mostraMenu(QWidget* previous) {
    passi().mostraMenu(previous);
}

bool apriEsercizio(int numero, QWidget* menu) {
    return passi().apriEsercizio(numero, menu);
}

const Catalogo& esercizi() {
    static const Catalogo none;
    return tracciato().esercizi ? *tracciato().esercizi : none;
}

void impostaRegistro(RegistroClasse* registro) {
    registroInstallato() = registro;
}

RegistroClasse* registro() {
    return registroInstallato();
}

void terminaProgramma() {
    termine()();
}

void impostaTermine(std::function<void()> end) {
    termine() = end ? std::move(end) : std::function<void()>(endApplication);
}

} // namespace vocario::Percorso
