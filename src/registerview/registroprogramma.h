#pragma once

#include "core/registrazione.h"

#include <QString>
#include <memory>
#include <optional>

namespace vocario {

class Registro;
struct Alunno;

/// The register's tasks asked on the command line, which end the run and
/// need no display.
struct CompitiRegistro {
    /// --importa-classi FILE
    QString importaClassi = {};
    /// --azzera-password
    bool azzeraPassword = false;
    /// --chiave-di-recupero KEY, with --azzera-password
    QString chiaveDiRecupero = {};
    /// --conferma, with --azzera-password for a password with no recovery key
    bool conferma = false;
    /// --registro-prepara ADDRESS
    QString prepara = {};
    /// --registro ADDRESS, checked before the display is needed
    QString registro = {};
    /// --elenchi-classe CLASS FOLDER, or CLASS --programma
    QString elenchiClasse = {};
    QString cartellaElenchi = {};
    bool elenchiDelProgramma = false;
};

/// The class register as the program meets it: "Chi gioca?" after "Avvio"
/// and "Registro" in the teacher's part of "Opzioni". Nothing is opened
/// until a register file exists or a school's server is set. The program
/// itself meets it through app/registrosurichiesta, from its module.
class RegistroProgramma final : public RegistroClasse {
  public:
    /// `alunno`: the pupil named on the command line, or empty; `server`:
    /// the school's server named there (else the settings' one, if any).
    explicit RegistroProgramma(QString alunno = {}, QString server = {});
    ~RegistroProgramma() override;

    bool chiGioca(AppState& stato, QWidget* avvio) override;
    bool cambiaAlunno(AppState& stato, QWidget* menu) override;
    void prepara(const AppState& stato) override;
    void aggiungiAlleOpzioni(AppState& stato, QDialog* dialogo, QBoxLayout* riga) override;
    void apriRegistro(AppState& stato, QWidget* sopra) override;
    QString avviso() const override;

    /// The register of the state's folder, opened (and created) at the first call.
    Registro& registro(const AppState& stato);

  private:
    /// The pupil's play, through the writer; by name while the register
    /// cannot give ids, which the pupil and the technician are told.
    void registra(AppState& stato, Registro& r, const Alunno& alunno);

    QString alunno_;
    /// The pupil playing is recorded by name, waiting for the register.
    bool inAttesa_ = false;
    QString server_;
    std::unique_ptr<Registro> registro_;
};

/// --importa-classi FILE, --azzera-password and --registro-prepara: done without a display;
/// the exit status, or nothing when neither is asked for.
std::optional<int> compitiDelRegistro(const CompitiRegistro& compiti, int argc, char* argv[]);

} // namespace vocario
