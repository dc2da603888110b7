#pragma once

#include <QDialog>
#include <memory>

class QAbstractButton;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QTimer;

namespace vocario {

struct AppState;
class ControlliOpzioni;

/// "Opzioni", opened from the menu: a control per row of the table of
/// options (the window size, reading aloud, the readable letters, the
/// capitals), then the teacher's tools. Every choice holds at once for the
/// windows that follow and is kept for the user's next runs.
class DialogoOpzioni : public QDialog {
    Q_OBJECT
  public:
    DialogoOpzioni(AppState& stato, QWidget* menu);
    ~DialogoOpzioni() override;

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
    std::unique_ptr<ControlliOpzioni> controlli_;
    // The two choices that a machine may lack (a voice, a font), each with
    // the line that says why.
    QAbstractButton* leggi_ = nullptr;
    QLabel* motivoVoce_ = nullptr;
    QAbstractButton* leggibile_ = nullptr;
    QLabel* motivoCaratteri_ = nullptr;
    QLabel* nonSalvate_ = nullptr;
    QGroupBox* sezioneInsegnante_ = nullptr;
    QHBoxLayout* rigaInsegnante_ = nullptr;
    QTimer* attesaVoce_ = nullptr;
};

} // namespace vocario
