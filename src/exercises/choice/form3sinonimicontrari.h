#pragma once

#include "answerbuttons.h"
#include "frame/exercisewindow.h"
#include "models/sinonimicontrari.h"

class QPushButton;

namespace vocario {

class DesignTextBox;

/// "sinonimi contrari": a pair of words drawn from the synonym list or from
/// the antonym list; the pupil says which list it came from.
class Form3SinonimiContrari : public ExerciseWindow {
    Q_OBJECT
  public:
    Form3SinonimiContrari(AppState& stato, const ExerciseEntry& entry);

    QString testoTurno() const override;

    const ModelloSinonimiContrari& modello() const { return modello_; }

  protected:
    std::optional<QString> leggiElenco() override;
    void PreparaTurno() override;
    void bloccaRisposte(QWidget* premuto) override;
    void riapriRisposte() override;

  private:
    void Bottone1_Click();
    void Bottone2_Click();
    void rispondi(qint16 tipoScelto, QPushButton* premuto);

    DesignTextBox* text1_ = nullptr;
    QPushButton* bottone1_ = nullptr;
    QPushButton* bottone2_ = nullptr;
    AnswerButtons risposte_;
    ModelloSinonimiContrari modello_;
};

} // namespace vocario
