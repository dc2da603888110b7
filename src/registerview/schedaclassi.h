#pragma once

#include <QWidget>

class QCheckBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace vocario {

class Registro;

/// "Classi e alunni" in the teacher's view: classes and pupils set up by
/// hand or imported from a file, and the school's part of the privacy: a
/// pupil's data exported or deleted, everything before a date deleted.
class SchedaClassi : public QWidget {
    Q_OBJECT
  public:
    SchedaClassi(Registro& registro, QWidget* parent);
    QTreeWidget* albero() const { return albero_; }
    /// "Ripasso delle parole sbagliate" of the class chosen (or of the
    /// chosen pupil's class).
    QCheckBox* ripasso() const { return ripasso_; }

    /// The steps behind the buttons, without their dialogs. The renaming
    /// and the move return why they could not be done (empty when done).
    void aggiungiAlunni(const QString& classe, const QString& nomi);
    bool eliminaScelto();
    QString rinominaScelto(const QString& nome);
    QString spostaScelto(const QString& classe);
    QString impostaRipassoScelto(bool attivo);

  signals:
    void cambiate();

  private:
    void aggiorna();
    void aggiungi();
    void importa();
    void elimina();
    void rinomina();
    void sposta();
    void scegli(qint64 id, bool alunno);
    void esportaAlunno();
    void eliminaPrimaDi();
    void elenchi();
    void server();
    qint64 classeScelta() const;
    void mostraRipasso();

    Registro& registro_;
    QTreeWidget* albero_ = nullptr;
    QCheckBox* ripasso_ = nullptr;
};

} // namespace vocario
