#pragma once

#include "register/registro.h"

#include <QWidget>
#include <optional>

class QGridLayout;
class QPushButton;

namespace vocario {

/// "Chi gioca?": the pupils of a class as large buttons, and "Ospite" for
/// one who plays without being recorded. With several classes, the classes
/// come first as a row of buttons. Tap, keyboard (Tab, arrows, Space, Return)
/// and screen reader alike.
class FinestraChiGioca : public QWidget {
    Q_OBJECT
  public:
    /// `classeMostrata` names the class shown first (the last one chosen).
    FinestraChiGioca(QList<Classe> classi, const QString& classeMostrata);

  signals:
    /// A pupil, or none for "Ospite".
    void scelto(std::optional<Alunno> alunno);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void mostraClasse(int indice);
    void dispone();

    QList<Classe> classi_;
    QList<QPushButton*> bottoniClassi_;
    QList<QPushButton*> bottoniAlunni_;
    QWidget* alunni_ = nullptr;
    QGridLayout* griglia_ = nullptr;
};

} // namespace vocario
