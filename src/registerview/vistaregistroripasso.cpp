// "Registro"'s "Ripasso": each pupil's review and the class's missed words,
// derived with the scheduler from the answers, and their exports.

#include "register/registro.h"
#include "ripassovista.h"
#include "tabellevista.h"
#include "vistaregistro.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace vocario {

QWidget* VistaRegistro::schedaRipasso() {
    auto* scheda = new QWidget;
    scheda->setObjectName(QStringLiteral("SchedaRipasso"));
    auto* colonna = new QVBoxLayout(scheda);
    notaRipasso_ = new QLabel(scheda);
    notaRipasso_->setObjectName(QStringLiteral("NotaRipasso"));
    notaRipasso_->setWordWrap(true);
    colonna->addWidget(notaRipasso_);
    ripasso_ = new QTabWidget(scheda);
    ripassoAlunni_ = new QStandardItemModel(this);
    ripassoParole_ = new QStandardItemModel(this);
    QTableView* alunni =
        TabelleVista::tabella(ripassoAlunni_, QStringLiteral("Ripasso degli alunni"), ripasso_);
    alunni->setToolTip(QStringLiteral("Una riga apre il ripasso dell'alunno, parola per parola."));
    // The lists of words take the room left; the whole list is in the cell's tip.
    connect(alunni->horizontalHeader(), &QHeaderView::sectionCountChanged, alunni,
            [alunni](int, int quante) {
                QHeaderView* intestazione = alunni->horizontalHeader();
                if (quante < 6)
                    return;
                intestazione->setSectionResizeMode(0, QHeaderView::ResizeToContents);
                intestazione->setSectionResizeMode(4, QHeaderView::Interactive);
                intestazione->resizeSection(4, 240);
                intestazione->setSectionResizeMode(5, QHeaderView::Stretch);
            });
    connect(alunni, &QTableView::activated, this, [this](const QModelIndex& indice) {
        const QStandardItem* nome = ripassoAlunni_->item(indice.row(), 0);
        apriRipassoDellAlunno(nome->data(TabelleVista::kRuoloIdRiga).toLongLong(), nome->text());
    });
    ripasso_->addTab(alunni, QStringLiteral("Alunni"));
    ripasso_->addTab(TabelleVista::tabella(ripassoParole_,
                                           QStringLiteral("Ripasso delle parole più sbagliate"),
                                           ripasso_),
                     QStringLiteral("Parole più sbagliate"));
    colonna->addWidget(ripasso_, 1);
    connect(schede_, &QTabWidget::currentChanged, this, [this, scheda] {
        if (schede_->currentWidget() == scheda)
            preparaRipasso();
    });
    return scheda;
}

// The review is rebuilt from every answer of the class: the tab, or an
// export, asks for it, not the opening of the view.
void VistaRegistro::aggiornaRipasso() {
    ripassoClasse_.reset();
    if (schede_->currentWidget() == ripasso_->parentWidget())
        preparaRipasso();
}

void VistaRegistro::preparaRipasso() const {
    if (ripassoClasse_)
        return;
    vocario::Classe questa;
    for (const vocario::Classe& c : registro_.classi())
        if (c.id == classe())
            questa = c;
    auto letta = std::make_shared<const RipassoVista::Classe>(
        RipassoVista::leggi(registro_.dbVista(), questa));
    ripassoClasse_ = letta;
    RipassoVista::riempiAlunni(ripassoAlunni_, *letta);
    RipassoVista::riempiParole(ripassoParole_, *letta);
    QString nota =
        questa.ripasso
            ? QStringLiteral("Il ripasso è acceso per questa classe: le parole che un alunno "
                             "sbaglia tornano negli esercizi il giorno stesso, il giorno dopo e "
                             "poi dopo 2, 4, 8 e 16 giorni; esatta anche dopo 16 giorni, è "
                             "imparata.")
            : QStringLiteral("Il ripasso è spento per questa classe (si accende in «Classi e "
                             "alunni»): le parole vengono a caso. Lo stato qui sotto è quello che "
                             "il ripasso ricava dalle risposte.");
    if (!letta->letto && questa.id)
        nota += QStringLiteral(" Le risposte non si sono potute leggere.");
    notaRipasso_->setText(nota);
}

void VistaRegistro::apriRipassoDellAlunno(qint64 alunno, const QString& nome) {
    preparaRipasso();
    if (!ripassoClasse_->ripassi.contains(alunno))
        return;
    QDialog finestra(this);
    finestra.setWindowTitle(QStringLiteral("Ripasso di %1").arg(nome));
    finestra.setObjectName(QStringLiteral("RipassoDellAlunno"));
    auto* colonna = new QVBoxLayout(&finestra);
    auto* modello = new QStandardItemModel(&finestra);
    RipassoVista::riempiParoleDellAlunno(modello, ripassoClasse_->ripassi.value(alunno));
    colonna->addWidget(TabelleVista::tabella(modello, finestra.windowTitle(), &finestra));
    auto* chiudi = new QDialogButtonBox(QDialogButtonBox::Close, &finestra);
    chiudi->button(QDialogButtonBox::Close)->setText(QStringLiteral("Chiudi"));
    connect(chiudi, &QDialogButtonBox::rejected, &finestra, &QDialog::reject);
    colonna->addWidget(chiudi);
    finestra.resize(700, 450);
    finestra.exec();
}

QList<QStringList> VistaRegistro::righeRipassoAlunni() const {
    preparaRipasso();
    return TabelleVista::righeDi(ripassoAlunni_, TabelleVista::Per::FoglioDiCalcolo);
}

QList<QStringList> VistaRegistro::righeRipassoParole() const {
    preparaRipasso();
    return TabelleVista::righeDi(ripassoParole_, TabelleVista::Per::FoglioDiCalcolo);
}

bool VistaRegistro::esportaRipassoCsv() {
    if (schede_->currentWidget() != ripasso_->parentWidget())
        return false;
    const bool alunni = ripasso_->currentIndex() == 0;
    salvaCome(QStringLiteral("Esporta la tabella"),
              alunni ? QStringLiteral("ripasso-alunni") : QStringLiteral("ripasso-parole"),
              QStringLiteral("csv"), [this, alunni](const QString& file) {
                  return esportaCsv(file, alunni ? righeRipassoAlunni() : righeRipassoParole());
              });
    return true;
}

QList<Esportazione::Sezione> VistaRegistro::riassuntoRipasso() const {
    preparaRipasso();
    return {{QStringLiteral("Ripasso delle parole più sbagliate"), righeRipassoParole()},
            {QStringLiteral("Ripasso degli alunni"),
             RipassoVista::righeAlunniPerStampa(*ripassoClasse_)}};
}

} // namespace vocario
