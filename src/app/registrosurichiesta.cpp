#include "registrosurichiesta.h"

#include "frame/messaggi.h"
#include "moduloinsegnante.h"
#include "registerfile/ingressoregistro.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <cstdio>

namespace vocario {

RegistroSuRichiesta::RegistroSuRichiesta(QString alunno, QString server)
    : alunno_(std::move(alunno)), server_(std::move(server)) {}
RegistroSuRichiesta::~RegistroSuRichiesta() = default;

RegistroClasse* RegistroSuRichiesta::registro(QString* motivo) {
    if (!registro_)
        if (const ModuloInsegnante::Voci* voci = ModuloInsegnante::carica(motivo))
            registro_.reset(voci->creaRegistro(alunno_, server_));
    return registro_.get();
}

void RegistroSuRichiesta::prepara(const AppState& stato) {
    // Only a lab's PC loads the register this early: its sender fetches the
    // server's classes while the start screen shows.
    if (IngressoRegistro::server(server_).isEmpty())
        return;
    if (RegistroClasse* vero = registro(nullptr))
        vero->prepara(stato);
}

bool RegistroSuRichiesta::chiGioca(AppState& stato, QWidget* avvio) {
    if (!registro_ && !IngressoRegistro::daAprire(stato, server_))
        return false;
    QString motivo;
    RegistroClasse* vero = registro(&motivo);
    if (!vero) {
        senzaModulo_ = true;
        // The pupils play on as guests; the teacher hears of it in "Registro".
        std::fputs(qPrintable(QStringLiteral("vocario: ") + motivo + u'\n'), stderr);
        return false;
    }
    return vero->chiGioca(stato, avvio);
}

bool RegistroSuRichiesta::cambiaAlunno(AppState& stato, QWidget* menu) {
    // Only a pupil of a loaded register can be playing.
    return registro_ && registro_->cambiaAlunno(stato, menu);
}

QString RegistroSuRichiesta::avviso() const {
    if (senzaModulo_)
        return avvisoRegistroFermo();
    return registro_ ? registro_->avviso() : QString();
}

void RegistroSuRichiesta::aggiungiAlleOpzioni(AppState& stato, QDialog* dialogo, QBoxLayout* riga) {
    auto* bottone = IngressoRegistro::bottone(
        dialogo, [this, &stato, dialogo] { apriRegistro(stato, dialogo); });
    riga->addWidget(bottone, 0, Qt::AlignLeft);
}

void RegistroSuRichiesta::apriRegistro(AppState& stato, QWidget* sopra) {
    QString motivo;
    if (RegistroClasse* vero = registro(&motivo))
        return vero->apriRegistro(stato, sopra);
    Messaggi::avvisa(sopra, motivo);
}

} // namespace vocario
