#pragma once

#include "designs/design_form2.h"
#include "frame/exercisewindow.h"
#include "matchdrops.h"
#include "models/abbinamento.h"

#include <array>

namespace vocario {

class DesignLabel;

/// Synonym matching ("abbina sinonimi"): seven synonyms on the left are
/// dragged onto their words, which stand one per row on the right.
class Form2Sinonimi : public ExerciseWindow {
    Q_OBJECT
  public:
    /// Pairs on show in one item, one a row.
    static constexpr int kCoppie = kRigheForm2.count;
    /// Records the window reads at most from sinonimi.txt.
    static constexpr int kMaxSinonimi = 200;

    Form2Sinonimi(AppState& stato, const ExerciseEntry& entry);

    const ModelloAbbina& modello() const { return modello_; }

  protected:
    std::optional<QString> leggiElenco() override;
    void PreparaTurno() override;
    void primaDellaLettura() override;

  private:
    DropVerdict Label4_DragDrop(int i, int source);
    void abbinamentoGiusto(int i, const Verdetto& verdetto);

    /// Record n's field 1 in Parole1, its synonym in Parole2.
    ModelloAbbina modello_;
    std::array<DesignLabel*, kCoppie> label3_{};
    std::array<DesignLabel*, kCoppie> label4_{};
};

} // namespace vocario
