#pragma once

#include "answerbuttons.h"
#include "frame/exercisewindow.h"

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

    /// `Estratto` of an item drawn from sinonimi.txt and from contrari.txt.
    static constexpr qint16 kSinonimi = 1;
    static constexpr qint16 kContrari = 2;

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
    /// The pair dealt, as the register keeps it.
    QString voce_;
};

} // namespace vocario
