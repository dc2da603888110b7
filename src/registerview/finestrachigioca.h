#pragma once

#include "register/registro.h"

#include <QWidget>
#include <optional>

class QGridLayout;
class QLabel;
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
    /// With no class yet (a lab's PC before the school's server was first
    /// read) it says that the classes are on their way, and offers "Ospite".
    FinestraChiGioca(QList<Classe> classi, const QString& classeMostrata);

    /// The classes as read again: the same class stays shown, and the
    /// keyboard stays on its button where that is still there. Nothing is
    /// touched when nothing changed.
    void aggiorna(QList<Classe> classi);
    /// While no class has arrived: why the school's server gives none yet.
    void mostraMotivoAttesa(const QString& motivo);

  signals:
    /// A pupil, or none for "Ospite".
    void scelto(std::optional<Alunno> alunno);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    /// The class chosen by the pupil: its names, the keyboard on the first.
    void mostraClasse(int indice);
    /// The buttons of the classes and of the shown class's pupils, made
    /// again from classi_; a button whose class or pupil is still there is
    /// kept, so that the keyboard stays on it.
    void mettiClassi();
    void mettiAlunni();
    void dispone();
    void ordinaTab();

    QList<Classe> classi_;
    /// The class chosen last time, shown first when it is there.
    QString classeScelta_;
    int indice_ = 0;
    QWidget* rigaClassi_ = nullptr;
    QList<QPushButton*> bottoniClassi_;
    QList<QPushButton*> bottoniAlunni_;
    QLabel* attesa_ = nullptr;
    QWidget* alunni_ = nullptr;
    QGridLayout* griglia_ = nullptr;
    QPushButton* ospite_ = nullptr;
};

} // namespace vocario
