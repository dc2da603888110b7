#pragma once

#include "esportazione.h"
#include "interrogazioni.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QSpinBox;
class QStandardItemModel;
class QTableView;
class QTabWidget;
class QTreeWidget;

namespace vocario {

class GraficoProgressi;
namespace RipassoVista {
struct Classe;
}
class Registro;

/// Asks for the teacher's password (chosen at the first opening), then shows
/// the view of the register over `parent`.
void apriVistaRegistro(Registro& registro, QWidget* parent);

/// "Registro", the teacher's view: the class's most missed words first,
/// pupils by exercise, a pupil's weeks, the classes and pupils, the exports
/// and the removal of data.
class VistaRegistro : public QDialog {
    Q_OBJECT
  public:
    VistaRegistro(Registro& registro, QWidget* parent);

    /// The tables, headers first, as the exports write them.
    QList<QStringList> righeParole() const;
    QList<QStringList> righeAlunni() const;
    bool esportaCsv(const QString& file, const QList<QStringList>& righe);
    bool esportaRisposte(const QString& file, qint64 alunno = 0);
    bool esportaPdf(const QString& file);
    /// The class summary through the print dialog.
    void stampaRiassunto();
    /// Shows the class `indice` of the class list.
    void scegliClasse(int indice);
    QTabWidget* schede() const { return schede_; }
    /// The pupil's missed words over the view's period, with what the pupil
    /// answered: the window a row of "Alunni ed esercizi" opens.
    QDialog* paroleDellAlunno(qint64 alunno, const QString& nome);

    /// "Ripasso": each pupil's words in review and learnt, and the class's
    /// missed words still in review or learnt since, as the exports write them.
    QList<QStringList> righeRipassoAlunni() const;
    QList<QStringList> righeRipassoParole() const;

  private:
    void costruisci();
    QWidget* schedaParole();
    QWidget* schedaProgressi();
    Interrogazioni::FiltroParole filtroParole() const;
    QWidget* schedaClassi();
    void aggiorna();
    void aggiornaClassi();
    void mostraProgressi(int riga);
    /// The save dialog, in the documents folder, the file named by `cosa`,
    /// the class and the day.
    void salvaCome(const QString& titolo, const QString& cosa, const QString& estensione,
                   const std::function<bool(const QString&)>& scrivi);
    qint64 classe() const;
    QString titoloRiassunto() const;
    QList<Esportazione::Sezione> riassunto() const;
    qint64 alunnoScelto() const;
    QWidget* schedaRipasso();
    void aggiornaRipasso();
    void preparaRipasso() const;
    void apriRipassoDellAlunno(qint64 alunno, const QString& nome);
    /// The CSV of the review's table on show; false when "Ripasso" is not.
    bool esportaRipassoCsv();
    QList<Esportazione::Sezione> riassuntoRipasso() const;

    Registro& registro_;
    QComboBox* classi_ = nullptr;
    QTabWidget* schede_ = nullptr;
    QStandardItemModel* parole_ = nullptr;
    QComboBox* periodo_ = nullptr;
    QSpinBox* almeno_ = nullptr;
    QComboBox* elenco_ = nullptr;
    QStandardItemModel* alunni_ = nullptr;
    QStandardItemModel* settimane_ = nullptr;
    QComboBox* alunnoProgressi_ = nullptr;
    GraficoProgressi* grafico_ = nullptr;
    QTableView* tabellaSettimane_ = nullptr;
    QTreeWidget* albero_ = nullptr;
    QLabel* stato_ = nullptr;
    QWidget* avviso_ = nullptr;
    QLabel* testoAvviso_ = nullptr;
    bool rimediando_ = false;
    QTabWidget* ripasso_ = nullptr;
    QLabel* notaRipasso_ = nullptr;
    QStandardItemModel* ripassoAlunni_ = nullptr;
    QStandardItemModel* ripassoParole_ = nullptr;
    // Filled when the tab or an export first asks, until the next aggiorna().
    mutable std::shared_ptr<const RipassoVista::Classe> ripassoClasse_;
};

} // namespace vocario
