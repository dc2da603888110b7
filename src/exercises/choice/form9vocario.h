#pragma once

#include "answerbuttons.h"
#include "designs/design_form9.h"
#include "frame/exercisewindow.h"
#include "wordlists/wordtables.h"

#include <array>

class QLabel;
class QPushButton;

namespace vocario {

class DesignTextBox;

/// "vocario": a sentence, the word or phrase it asks about, and three
/// meanings on shuffled buttons; `Bottone(0)` always carries the right one.
class Form9Vocario : public ExerciseWindow {
    Q_OBJECT
  public:
    Form9Vocario(AppState& stato, const ExerciseEntry& entry);

    QString testoTurno() const override;

    /// Rows 1..100 of vocario.txt, fields 1..5 (row 0 and field 0 unused).
    static constexpr int kRigheVocario = 101;
    using Tabella = TextTable<kRigheVocario, 6>;

    /// The answer buttons, one a row of kRigheForm9 after each deal.
    static constexpr int kNumeroBottoni = kRigheForm9.count;

    const Tabella& tabellaVocario() const { return TabellaVocario; }
    /// Records read into the table.
    qint16 numeroVoci() const { return numeroVoci_; }

  protected:
    std::optional<QString> leggiElenco() override;
    void PreparaTurno() override;
    void bloccaRisposte(QWidget* premuto) override;
    void riapriRisposte() override;

  private:
    void ScombiccheraPosti();
    void Bottone_Click(int index);

    Tabella TabellaVocario;
    /// Records of TabellaVocario.
    qint16 numeroVoci_ = 0;
    DesignTextBox* text1_ = nullptr;
    QLabel* label3_ = nullptr;
    std::array<QPushButton*, kNumeroBottoni> bottone_{};
    AnswerButtons risposte_;
    /// The word and its right meaning, as the register keeps them.
    QString voce_;
};

} // namespace vocario
