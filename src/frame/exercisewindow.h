#pragma once

#include "exerciseentry.h"
#include "frametraits.h"
#include "models/voce.h"
#include "vocariowindow.h"
#include "wordlists/wordlistreader.h"

#include <QElapsedTimer>
#include <optional>

class QAction;
class QLabel;
class QPushButton;

namespace vocario {

class SceltaVoci;

/// The frame that the nine exercise windows share: the two counts and their
/// labels, the right and wrong pictures, the "avanti" button, the menu bar and
/// the shared answer steps. An exercise supplies its word-list reader, its
/// deal procedure and its answer handlers.
class ExerciseWindow : public VocarioWindow {
    Q_OBJECT
  public:
    /// Builds the window of catalogue row `entry` over the program's state.
    ExerciseWindow(AppState& stato, const ExerciseEntry& entry, FrameTraits traits);
    ~ExerciseWindow() override;

    /// The catalogue row this window was built from.
    const ExerciseEntry& esercizio() const { return entry_; }

    /// Runs the load steps and shows the window. When the word list cannot be
    /// used the window stays closed, the reason is shown over `refusalParent`
    /// and false is returned.
    bool apri(QWidget* refusalParent);

    /// Right-answer feedback: picture, count (unless the screen does not
    /// count it, as in Form7 before an item is finished), count label,
    /// sound; the register keeps what the screen counts.
    void RispostaEsatta(const Verdetto& verdetto);
    /// Wrong-answer feedback: picture, count, count label, black background,
    /// sound, and the window's white texts; the register keeps it.
    void RispostaErrata(const Verdetto& verdetto);
    /// After a wrong answer, a right one brings a palette colour back.
    void RipristinaSfondo();
    /// The end of an item: wait for "avanti" with the answers locked, or deal
    /// the next item at once. `premuto` is the control that gave the answer.
    void PassaAvanti(QWidget* premuto = nullptr);
    void CaricaColori() override;

    /// True when a right or wrong answer plays its sound.
    bool suonoAttivo() const;
    /// True when the window loaded in the mode that waits for "avanti".
    bool avantiVisibile() const;

    QPushButton* bottoneAvanti() const { return bottoneAvanti_; }
    QLabel* etichettaEsatti() const { return etichettaEsatti_; }
    QLabel* etichettaErrati() const { return etichettaErrati_; }

    /// The text a count label shows after an increment: one blank, the digits.
    static QString testoConteggio(qint16 count);

    /// What a pupil who cannot see the window hears of the item on show:
    /// here the words to pick or press, in Tab order; the pair or the
    /// sentence where an exercise shows one.
    virtual QString testoTurno() const;

  signals:
    /// An answer was judged, after its feedback is on show: one for every
    /// right or wrong picture, `verdetto.conta` when the screen counts it.
    void risposta(const vocario::Verdetto& verdetto);
    /// The item on show is about to make way for the next one.
    void turnoConcluso();
    /// A new item is on show.
    void turnoPreparato();

  protected:
    /// Reads the window's word list; a message when it cannot be used.
    virtual std::optional<QString> leggiElenco() = 0;
    /// Deals the next item.
    virtual void PreparaTurno() = 0;
    /// Locks the answer controls while "avanti" waits.
    virtual void bloccaRisposte(QWidget* premuto) { Q_UNUSED(premuto) }
    /// Opens the answer controls again when "avanti" is pressed.
    virtual void riapriRisposte() {}
    /// A step of the load steps between the count labels and the reader.
    virtual void primaDellaLettura() {}

    void showEvent(QShowEvent* event) override;

    /// The k-th list the window reads, as its catalogue row names it.
    const ListNeed& elenco(int k = 0) const { return entry_.lists.at(size_t(k)); }
    /// How messages name the k-th list: with the folder it is really read
    /// from, the teacher's or the program's.
    QString nomeElenco(int k = 0) const;
    /// The refusal when list k holds fewer records than an item needs.
    std::optional<QString> elencoTroppoCorto(int records, int k = 0) const;
    /// Reads the exercise model's lists from the teacher's folder or the
    /// program's, refused when one is too short for an item.
    template <typename Modello> std::optional<QString> leggiPer(Modello& modello) {
        modello.setRipasso(sceltaDelRipasso());
        return modello.leggi(lettoreElenchi(),
                             [this](int records, int k) { return elencoTroppoCorto(records, k); });
    }

  private:
    WordListReader lettoreElenchi() const;
    /// The named pupil's review of this exercise; none for a guest.
    SceltaVoci* sceltaDelRipasso() const;
    void buildMenuBar();
    void nuovoTurno();
    void focusSullaPrimaRisposta();
    void coloraTesti(quint32 bgr);
    std::optional<QString> passiDiCaricamento();
    void BottoneAvanti_Click();
    void MenuAzzera_Click();
    void mnuEsci_Click();

    const ExerciseEntry& entry_;
    FrameTraits traits_;
    /// The texts on the window's own background, white after a wrong answer.
    QList<QWidget*> testiSulloSfondo_;
    QPushButton* bottoneAvanti_ = nullptr;
    QLabel* etichettaEsatti_ = nullptr;
    QLabel* etichettaErrati_ = nullptr;
    QWidget* comandoIconaSi_ = nullptr;
    QWidget* comandoIconaNo_ = nullptr;
    QAction* mnuSuonoSi_ = nullptr;
    bool activated_ = false;
    std::optional<QString> refusal_;
    // For the register: the time since the deal, or the answer before.
    QElapsedTimer daUltimaRisposta_;
    /// The lists read from the teacher's folder.
    QStringList elenchiInsegnante_;
    bool aperto_ = false;
    void registra(const Verdetto& verdetto);
};

} // namespace vocario
