#pragma once

#include "dragmatchvariant.h"
#include "frame/exercisewindow.h"
#include "geometry/exercisedesign.h"
#include "matchdrops.h"

#include <QList>
#include <array>

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

    /// The record (index into Parole1 and Parole2) shown in slot k.
    qint16 recordOfSlot(int k) const;
    /// Right drops in the current item.
    qint16 coppieFatte() const { return CoppieFatte; }

  protected:
    std::optional<QString> leggiElenco() override;
    void PreparaTurno() override;

  private:
    void estraiParole();
    void ScombiccheraPosti();
    DropVerdict Label4_DragDrop(int i, int source);
    bool rispostaGiusta(int i, int source) const;
    QString testoAbbinato(const QString& target, const QString& dragged) const;

    const DragMatchVariant& variant_;
    QList<DesignLabel*> label3_;
    QList<DesignLabel*> label4_;
    /// Records on show, slot by slot (the records drawn one by one).
    std::array<qint16, kMaxSlots> ParoleScelte{};
    qint16 CoppieFatte = 0;
};

} // namespace vocario
