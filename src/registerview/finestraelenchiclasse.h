#pragma once

#include "register/assegnaelenchi.h"

#include <QDialog>

class QTreeWidget;

namespace vocario {

class Registro;

/// "Elenchi della classe": which of the seven lists a class has of its own
/// (and since when), and the teacher's ways to give it some, replace one,
/// or go back to the program's.
class FinestraElenchiClasse : public QDialog {
    Q_OBJECT
  public:
    FinestraElenchiClasse(Registro& registro, qint64 classe, const QString& nome, QWidget* parent);

    /// The steps behind the buttons, without their dialogs.
    ElenchiClasse::Esito daiDa(const QString& cartella);
    ElenchiClasse::Esito tornaAlProgramma(const QString& file = {});
    /// Each list as the table shows it: "contrari.txt: della classe, versione 2 …".
    QStringList righe() const;

  private:
    void aggiorna();
    void scegliCartella();
    void mostra(const ElenchiClasse::Esito& esito);

    Registro& registro_;
    const qint64 classe_;
    QTreeWidget* tabella_ = nullptr;
};

} // namespace vocario
