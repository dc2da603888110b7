#pragma once

#include "clicktilesvariant.h"
#include "frame/exercisewindow.h"
#include "geometry/exercisedesign.h"

namespace vocario {

class DesignLabel;

/// A click exercise: four word tiles stacked in random order, the pupil clicks
/// the one that is right. Form4 and Form6 are this window with their variant.
class ClickTilesWindow : public ExerciseWindow {
    Q_OBJECT
  public:
    /// Tiles of an item, one a row.
    static constexpr int kTiles = kRigheTessere.count;

    ClickTilesWindow(AppState& stato, const ExerciseEntry& entry, const ClickTilesVariant& variant);

    /// Label3(k).
    DesignLabel* tessera(int k) const { return label3_.at(size_t(k)); }
    const ModelloTessere& modello() const { return modello_; }

  protected:
    std::optional<QString> leggiElenco() override;
    void PreparaTurno() override;
    void bloccaRisposte(QWidget* premuto) override;
    void riapriRisposte() override;

  private:
    void Label3_Click(int index);

    const ClickTilesVariant& variant_;
    ModelloTessere modello_;
    std::array<DesignLabel*, kTiles> label3_{};
};

} // namespace vocario
