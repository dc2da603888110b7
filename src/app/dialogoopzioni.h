#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QRadioButton;
class QTimer;

namespace vocario {

struct AppState;

/// "Opzioni", opened from the menu: the window size, reading aloud, the
/// readable letters and the capitals. Every choice holds at once for the
/// windows that follow and is kept for the user's next runs.
class DialogoOpzioni : public QDialog {
    Q_OBJECT
  public:
    DialogoOpzioni(AppState& stato, QWidget* menu);

    /// The row of the teacher's section, where the teacher's tools go; the
    /// section shows only once it holds something.
    QHBoxLayout* rigaInsegnante() const { return rigaInsegnante_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void costruisci();
    void mostraScelte();
    void scelto();
    void guardaLaVoce();

    AppState& stato_;
    QRadioButton* normale_ = nullptr;
    QRadioButton* grande_ = nullptr;
    QRadioButton* schermoIntero_ = nullptr;
    QCheckBox* leggi_ = nullptr;
    QLabel* motivoVoce_ = nullptr;
    QCheckBox* leggibile_ = nullptr;
    QLabel* motivoCaratteri_ = nullptr;
    QCheckBox* maiuscolo_ = nullptr;
    QLabel* nonSalvate_ = nullptr;
    QGroupBox* sezioneInsegnante_ = nullptr;
    QHBoxLayout* rigaInsegnante_ = nullptr;
    QTimer* attesaVoce_ = nullptr;
};

} // namespace vocario
