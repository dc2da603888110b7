#pragma once

#include "designs/design_form2.h"
#include "frame/exercisewindow.h"
#include "matchdrops.h"
#include "wordlists/wordtables.h"

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

  protected:
    std::optional<QString> leggiElenco() override;
    void PreparaTurno() override;
    void primaDellaLettura() override;

  private:
    std::optional<QString> LeggiParole();
    void ScombiccheraPosti();
    DropVerdict Label4_DragDrop(int i, int source);
    void abbinamentoGiusto(int i);

    /// Row n holds record n: field 1 in column 1, field 2 in column 2.
    TextTable<kMaxSinonimi + 1, 3> TabellaSinonimi;
    qint16 NumeroSinonimi = 0;
    std::array<qint16, kCoppie> ParoleScelte{};
    qint16 CoppieFatte = 0;
    std::array<DesignLabel*, kCoppie> label3_{};
    std::array<DesignLabel*, kCoppie> label4_{};
};

} // namespace vocario
