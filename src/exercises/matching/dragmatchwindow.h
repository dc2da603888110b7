#pragma once

#include "dragmatchvariant.h"
#include "frame/exercisewindow.h"
#include "geometry/exercisedesign.h"
#include "matchdrops.h"
#include "models/abbinamento.h"

#include <QList>

namespace vocario {

class DesignLabel;

/// A drag-and-match exercise: the words of the left column (Label3) are
/// dragged onto their partners in the right column (Label4). One class for
/// antonym, degree and idiom matching; a DragMatchVariant says how they differ.
class DragMatchWindow : public ExerciseWindow {
    Q_OBJECT
  public:
    /// Most pairs any variant shows at once.
    static constexpr int kMaxSlots = kNoveRighe.count;

    DragMatchWindow(AppState& stato, const ExerciseEntry& entry, const DragMatchVariant& variant);

    const ModelloAbbina& modello() const { return modello_; }

  protected:
    std::optional<QString> leggiElenco() override;
    void PreparaTurno() override;

  private:
    DropVerdict Label4_DragDrop(int i, int source);
    QString testoAbbinato(const QString& target, const QString& dragged) const;

    const DragMatchVariant& variant_;
    ModelloAbbina modello_;
    QList<DesignLabel*> label3_;
    QList<DesignLabel*> label4_;
};

} // namespace vocario
