#pragma once

#include "core/registrazione.h"

#include <QString>
#include <memory>

namespace vocario {

/// The class register as the program holds it before it is needed: "Avvio"
/// asks it "Chi gioca?" and "Opzioni" shows its button, but the register's
/// module (and Qt SQL with it) is loaded only when a register file exists, a
/// school's server is set, or the teacher opens "Registro".
class RegistroSuRichiesta final : public RegistroClasse {
  public:
    /// `alunno`: the pupil named on the command line, or empty; `server`:
    /// the school's server named there, or empty.
    RegistroSuRichiesta(QString alunno, QString server);
    ~RegistroSuRichiesta() override;

    void prepara(const AppState& stato) override;
    bool chiGioca(AppState& stato, QWidget* avvio) override;
    bool cambiaAlunno(AppState& stato, QWidget* menu) override;
    void aggiungiAlleOpzioni(AppState& stato, QDialog* dialogo, QBoxLayout* riga) override;
    void apriRegistro(AppState& stato, QWidget* sopra) override;
    QString avviso() const override;

  private:
    /// The register itself, from the module; null (with `motivo`) when missing.
    RegistroClasse* registro(QString* motivo);

    QString alunno_;
    QString server_;
    std::unique_ptr<RegistroClasse> registro_;
    /// A register is set up, but its module could not be loaded.
    bool senzaModulo_ = false;
};

} // namespace vocario
