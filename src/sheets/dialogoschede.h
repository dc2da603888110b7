#pragma once

#include "frame/exerciseentry.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace vocario {

struct AppState;
struct EsitoScheda;

/// "Schede da stampare", from the teacher's part of "Opzioni": which
/// exercises, how many items each, the letters; then print the sheets and
/// their key, or save them as a PDF. Every press draws a new sheet.
class DialogoSchede : public QDialog {
    Q_OBJECT
  public:
    DialogoSchede(AppState& stato, const Catalogo& catalogo, QWidget* parent);

  private:
    void aggiornaBottoni();
    /// The sheet as chosen, or nothing after telling the teacher why.
    std::optional<EsitoScheda> componi();
    void stampaScheda();
    void salvaScheda();

    AppState& stato_;
    const Catalogo& catalogo_;
    /// One per exercise of the catalogue, in its order.
    QList<QCheckBox*> esercizi_;
    QComboBox* classe_ = nullptr;
    QSpinBox* voci_ = nullptr;
    QCheckBox* leggibile_ = nullptr;
    QCheckBox* maiuscolo_ = nullptr;
    QPushButton* stampa_ = nullptr;
    QPushButton* salva_ = nullptr;
};

/// Opens the dialog over `parent`; it goes when it is closed.
void mostraSchedeDaStampare(AppState& stato, const Catalogo& catalogo, QWidget* parent);

} // namespace vocario
