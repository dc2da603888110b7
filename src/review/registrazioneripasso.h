#pragma once

#include "core/registrazione.h"
#include "ripasso.h"
#include "sceltaripasso.h"

#include <QSet>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace vocario {

/// Where the schedule is kept beside the answers (a lab's PC): `salva`
/// takes the items the pupil's answers changed, after those answers, at
/// each exercise left and at the end; `arrivato` gives, once, another
/// copy of the schedule come meanwhile (the school's server's), which
/// the next exercise opened deals with.
struct CondivisioneRipasso {
    std::function<void(QList<VoceRipasso>)> salva = {};
    std::function<std::optional<QList<VoceRipasso>>()> arrivato = {};
};

/// A named pupil's recorder with their review: every answer goes to the
/// register as before and, at once, into the review the deals follow.
class RegistrazioneRipasso final : public Registrazione {
  public:
    RegistrazioneRipasso(std::unique_ptr<Registrazione> registro, Ripasso ripasso,
                         SceltaRipasso::Orologio orologio = {},
                         CondivisioneRipasso condivisione = {});
    ~RegistrazioneRipasso() override;

    void esercizioAperto(const QString& esercizio) override;
    void esercizioLasciato() override;
    void risposta(const RispostaData& risposta) override;
    QString chiGioca() const override;
    QString cartellaElenchi() const override;
    SceltaVoci* ripasso(const QString& esercizio) override;

    const Ripasso& piano() const { return ripasso_; }

  private:
    void salvaCambiate();
    void prendiArrivato();

    std::unique_ptr<Registrazione> registro_;
    Ripasso ripasso_;
    SceltaRipasso::Orologio orologio_;
    CondivisioneRipasso condivisione_;
    /// Items answered since they were last handed to `salva`.
    QSet<QString> cambiate_;
    // Each exercise's, kept for the pupil's session: the windows hold them.
    std::map<QString, std::unique_ptr<SceltaRipasso>> scelte_;
};

} // namespace vocario
