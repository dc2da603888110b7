#pragma once

#include "answerbuttons.h"
#include "designs/design_form9.h"
#include "frame/exercisewindow.h"
#include "models/vocariomodello.h"

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

    using Tabella = ModelloVocario::Tabella;

    /// The answer buttons, one a row of kRigheForm9 after each deal.
    static constexpr int kNumeroBottoni = kRigheForm9.count;

    const ModelloVocario& modello() const { return modello_; }

  protected:
    std::optional<QString> leggiElenco() override;
    void PreparaTurno() override;
    void bloccaRisposte(QWidget* premuto) override;
    void riapriRisposte() override;

  private:
    void Bottone_Click(int index);

    ModelloVocario modello_;
    DesignTextBox* text1_ = nullptr;
    QLabel* label3_ = nullptr;
    std::array<QPushButton*, kNumeroBottoni> bottone_{};
    AnswerButtons risposte_;
};

} // namespace vocario
