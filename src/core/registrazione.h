#pragma once

#include <QString>

class QBoxLayout;
class QDialog;
class QWidget;

namespace vocario {

struct AppState;
class SceltaVoci;

/// One answer as an exercise window judged it.
struct RispostaData {
    /// The exercise's stable name (its catalogue row's `nome`).
    QString esercizio;
    /// The item as its texts, e.g. "alto / basso".
    QString voce;
    /// The list's file name ("contrari.txt").
    QString file;
    /// True when the list came from the teacher's folder.
    bool elencoInsegnante = false;
    /// What the pupil gave: the word dropped or clicked, the button pressed.
    QString dato;
    bool esatta = false;
    /// From the item's deal, or the answer before, to this one.
    double secondi = 0;
};

/// What the exercise windows tell of a named pupil's play. Only present
/// while a pupil of a class plays; a guest, or a program with no class,
/// has none and records nothing.
class Registrazione {
  public:
    virtual ~Registrazione() = default;
    virtual void esercizioAperto(const QString& esercizio) = 0;
    virtual void esercizioLasciato() = 0;
    /// Costs the window far less than a millisecond: it never waits for the disk.
    virtual void risposta(const RispostaData& risposta) = 0;
    /// Who plays, as the menu names the pupil: "Luca, 3ª A".
    virtual QString chiGioca() const { return {}; }
    /// The folder of the lists the teacher gave the pupil's class, read
    /// before any other; empty when the class has none.
    virtual QString cartellaElenchi() const { return {}; }
    /// What steers the pupil's deals of `esercizio` (their review); none
    /// deals at random. Lives as long as this recorder.
    virtual SceltaVoci* ripasso(const QString& esercizio) {
        Q_UNUSED(esercizio)
        return nullptr;
    }
};

/// What the menu tells the pupils while a register is set up but cannot be used.
inline QString avvisoRegistroFermo() {
    return QStringLiteral("Il registro di classe ora non si può usare: queste risposte non vengono "
                          "salvate. L'insegnante ne trova il motivo in «Opzioni», «Registro».");
}

/// What the menu tells a pupil playing while the register cannot be opened:
/// the answers are kept aside meanwhile.
inline QString avvisoRegistroInAttesa() {
    return QStringLiteral("Il registro di classe ora non si apre: le risposte sono tenute da parte "
                          "ed entreranno nel registro più tardi.");
}

/// The class register as the start screen and "Opzioni" meet it; the
/// start-up installs it (see Navigazione::impostaRegistro).
class RegistroClasse {
  public:
    virtual ~RegistroClasse() = default;
    /// After "Avvio": when a class is set up, shows "Chi gioca?" in place of
    /// `avvio`, puts the chosen pupil's Registrazione into the state and goes
    /// on to the menu, and returns true. False when there is nothing to ask:
    /// no class (nothing is read then but whether the file exists), or the
    /// pupil named on the command line.
    virtual bool chiGioca(AppState& stato, QWidget* avvio) = 0;
    /// While the pupil looks at the start screen: with a school's server
    /// set, opens the register, whose sender reads the classes off the
    /// window's thread; nothing otherwise.
    virtual void prepara(const AppState& stato) = 0;
    /// Puts the teacher's "Registro" into the teacher's part of "Opzioni".
    virtual void aggiungiAlleOpzioni(AppState& stato, QDialog* dialogo, QBoxLayout* riga) = 0;
    /// Opens the teacher's "Registro" over `sopra` (behind the teacher's password).
    virtual void apriRegistro(AppState& stato, QWidget* sopra) = 0;
    /// "Cambia alunno" on the menu: the pupil's session ends and "Chi gioca?"
    /// asks again in place of `menu`; false when there is nothing to ask.
    virtual bool cambiaAlunno(AppState& stato, QWidget* menu) {
        Q_UNUSED(stato)
        Q_UNUSED(menu)
        return false;
    }
    /// A line for the pupils when a register is set up but cannot be used
    /// (their answers are not kept this time); empty otherwise.
    virtual QString avviso() const { return {}; }
};

} // namespace vocario
