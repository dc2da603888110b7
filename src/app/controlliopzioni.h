#pragma once

#include "options/opzioni.h"

#include <QList>
#include <functional>

class QAbstractButton;
class QBoxLayout;
class QWidget;

namespace vocario {

struct RigaOpzione;

/// The controls of "Opzioni" made from the table of options: a check box
/// for a yes/no option, a group of radio buttons for one chosen among words,
/// named after the row's key ("Maiuscolo"; "SceltaDimensione" and its
/// "DimensioneGrande").
class ControlliOpzioni {
  public:
    /// What the dialog puts under the control of a row (the reason it is
    /// greyed), given the row's key.
    using Sotto = std::function<void(const char* chiave, QWidget* controllo)>;

    /// Adds a control per row to `colonna`, in the table's order, each
    /// followed by what `sotto` adds.
    ControlliOpzioni(QBoxLayout* colonna, const Sotto& sotto);

    /// Shows `opzioni`.
    void mostra(const Opzioni& opzioni) const;
    /// `opzioni` with the choices shown put over them; a greyed control
    /// keeps the value it had.
    Opzioni lette(Opzioni opzioni) const;

    /// Every check box and radio button, in the Tab order.
    QList<QAbstractButton*> scelte() const;

  private:
    struct Controllo {
        const RigaOpzione* riga;
        QWidget* controllo;
        /// The check box, or one radio button per value.
        QList<QAbstractButton*> scelte;
    };
    QList<Controllo> controlli_;
};

} // namespace vocario
