#pragma once

#include "designs/design_form7.h"
#include "frame/exercisewindow.h"
#include "matchdrops.h"
#include "models/scala.h"

#include <array>

namespace vocario {

class DesignLabel;

/// Intensity ordering ("gradi"): the two words of one record of gradi.txt
/// are dragged to their places over "meno intenso" and "più intenso". The
/// right-answer count grows once per finished item.
class Form7Gradi : public ExerciseWindow {
    Q_OBJECT
  public:
    /// Words, and places, of one item.
    static constexpr int kParole = int(kColonneForm7.size());
    static_assert(kParole == ModelloGradi::kParole);

    Form7Gradi(AppState& stato, const ExerciseEntry& entry);

    const ModelloGradi& modello() const { return modello_; }

  protected:
    std::optional<QString> leggiElenco() override;
    void PreparaTurno() override;

  private:
    DropVerdict Label4_DragDrop(int i, int source);
    void parolaAlSuoPosto(int i, const Verdetto& verdetto);

    ModelloGradi modello_;
    std::array<DesignLabel*, kParole> label3_{};
    std::array<DesignLabel*, kParole> label4_{};
};

} // namespace vocario
