#include "registrazioneripasso.h"

#include <QDateTime>

namespace vocario {

RegistrazioneRipasso::RegistrazioneRipasso(std::unique_ptr<Registrazione> registro, Ripasso ripasso,
                                           SceltaRipasso::Orologio orologio)
    : registro_(std::move(registro)), ripasso_(std::move(ripasso)),
      orologio_(orologio ? std::move(orologio)
                         : SceltaRipasso::Orologio(&QDateTime::currentMSecsSinceEpoch)) {}

void RegistrazioneRipasso::esercizioAperto(const QString& esercizio) {
    registro_->esercizioAperto(esercizio);
}

void RegistrazioneRipasso::esercizioLasciato() {
    registro_->esercizioLasciato();
}

void RegistrazioneRipasso::risposta(const RispostaData& r) {
    registro_->risposta(r);
    ripasso_.aggiungi(
        {.quando = orologio_(), .esercizio = r.esercizio, .voce = r.voce, .esatta = r.esatta});
}

QString RegistrazioneRipasso::chiGioca() const {
    return registro_->chiGioca();
}

QString RegistrazioneRipasso::cartellaElenchi() const {
    return registro_->cartellaElenchi();
}

SceltaVoci* RegistrazioneRipasso::ripasso(const QString& esercizio) {
    std::unique_ptr<SceltaRipasso>& scelta = scelte_[esercizio];
    if (!scelta)
        scelta = std::make_unique<SceltaRipasso>(ripasso_, esercizio, orologio_);
    return scelta.get();
}

} // namespace vocario
