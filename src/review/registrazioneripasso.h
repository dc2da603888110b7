#pragma once

#include "core/registrazione.h"
#include "ripasso.h"
#include "sceltaripasso.h"

#include <map>
#include <memory>

namespace vocario {

/// A named pupil's recorder with their review: every answer goes to the
/// register as before and, at once, into the review the deals follow.
class RegistrazioneRipasso final : public Registrazione {
  public:
    RegistrazioneRipasso(std::unique_ptr<Registrazione> registro, Ripasso ripasso,
                         SceltaRipasso::Orologio orologio = {});

    void esercizioAperto(const QString& esercizio) override;
    void esercizioLasciato() override;
    void risposta(const RispostaData& risposta) override;
    QString chiGioca() const override;
    QString cartellaElenchi() const override;
    SceltaVoci* ripasso(const QString& esercizio) override;

    const Ripasso& piano() const { return ripasso_; }

  private:
    std::unique_ptr<Registrazione> registro_;
    Ripasso ripasso_;
    SceltaRipasso::Orologio orologio_;
    // Each exercise's, kept for the pupil's session: the windows hold them.
    std::map<QString, std::unique_ptr<SceltaRipasso>> scelte_;
};

} // namespace vocario
