#include "registrazioneripasso.h"

#include <QDateTime>

namespace vocario {

RegistrazioneRipasso::RegistrazioneRipasso(std::unique_ptr<Registrazione> registro, Ripasso ripasso,
                                           SceltaRipasso::Orologio orologio,
                                           CondivisioneRipasso condivisione)
    : registro_(std::move(registro)), ripasso_(std::move(ripasso)),
      orologio_(orologio ? std::move(orologio)
                         : SceltaRipasso::Orologio(&QDateTime::currentMSecsSinceEpoch)),
      condivisione_(std::move(condivisione)) {}

RegistrazioneRipasso::~RegistrazioneRipasso() {
    salvaCambiate();
}

void RegistrazioneRipasso::salvaCambiate() {
    if (cambiate_.isEmpty() || !condivisione_.salva)
        return;
    condivisione_.salva(ripasso_.piano(&cambiate_));
    cambiate_.clear();
}

// On the window's thread, between deals: the copy that came meanwhile
// changes no turn already dealt.
void RegistrazioneRipasso::prendiArrivato() {
    if (!condivisione_.arrivato)
        return;
    if (std::optional<QList<VoceRipasso>> altro = condivisione_.arrivato())
        ripasso_.unisci(*altro);
}

void RegistrazioneRipasso::esercizioAperto(const QString& esercizio) {
    salvaCambiate();
    registro_->esercizioAperto(esercizio);
}

void RegistrazioneRipasso::esercizioLasciato() {
    salvaCambiate();
    registro_->esercizioLasciato();
}

void RegistrazioneRipasso::risposta(const RispostaData& r) {
    registro_->risposta(r);
    prendiArrivato();
    ripasso_.aggiungi(
        {.quando = orologio_(), .esercizio = r.esercizio, .voce = r.voce, .esatta = r.esatta});
    if (condivisione_.salva)
        cambiate_.insert(Ripasso::chiave(r.esercizio, r.voce));
}

QString RegistrazioneRipasso::chiGioca() const {
    return registro_->chiGioca();
}

QString RegistrazioneRipasso::cartellaElenchi() const {
    return registro_->cartellaElenchi();
}

SceltaVoci* RegistrazioneRipasso::ripasso(const QString& esercizio) {
    prendiArrivato();
    std::unique_ptr<SceltaRipasso>& scelta = scelte_[esercizio];
    if (!scelta)
        scelta = std::make_unique<SceltaRipasso>(ripasso_, esercizio, orologio_);
    return scelta.get();
}

} // namespace vocario
