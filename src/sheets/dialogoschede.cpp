#include "dialogoschede.h"

#include "register/assegnaelenchi.h"

#include "core/appstate.h"
#include "core/cartelleelenchi.h"
#include "core/salvataggi.h"
#include "esercizischeda.h"
#include "estrazione.h"
#include "frame/messaggi.h"
#include "layouts/aspettoparole.h"
#include "stampaschede.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vocario {
namespace {

template <typename T> T* nominato(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

DialogoSchede::DialogoSchede(AppState& stato, const Catalogo& catalogo, QWidget* parent)
    : QDialog(parent), stato_(stato), catalogo_(catalogo) {
    setObjectName(QStringLiteral("DialogoSchede"));
    setWindowTitle(QStringLiteral("Vocario – Schede da stampare"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* colonna = new QVBoxLayout(this);

    auto* scelta = nominato(new QGroupBox(QStringLiteral("Esercizi")), QStringLiteral("Esercizi"));
    auto* griglia = new QGridLayout(scelta);
    for (const ExerciseEntry& entry : catalogo_) {
        const EsercizioScheda* es = esercizioScheda(entry);
        auto* casella = nominato(new QCheckBox(es ? es->didascalia() : QString()),
                                 QStringLiteral("Scheda") + QLatin1String(entry.menuButton));
        casella->setEnabled(es != nullptr);
        connect(casella, &QCheckBox::toggled, this, &DialogoSchede::aggiornaBottoni);
        const int n = int(esercizi_.size());
        griglia->addWidget(casella, n % 5, n / 5);
        esercizi_ << casella;
    }
    colonna->addWidget(scelta);

    auto* forma = new QFormLayout;
    voci_ = nominato(new QSpinBox, QStringLiteral("VociPerEsercizio"));
    voci_->setRange(0, kVociMassime);
    voci_->setSpecialValueText(QStringLiteral("quante stanno in una pagina"));
    voci_->setAccessibleName(QStringLiteral("Voci per esercizio"));
    forma->addRow(QStringLiteral("&Voci per esercizio:"), voci_);
    // A class's own lists, when the register has classes.
    classe_ = nominato(new QComboBox, QStringLiteral("ClasseDellaScheda"));
    classe_->setAccessibleName(QStringLiteral("Elenchi della classe"));
    classe_->addItem(QStringLiteral("nessuna: gli elenchi di questo computer"));
    classe_->addItems(ElenchiClasse::classiDelRegistro(stato_));
    if (classe_->count() > 1)
        forma->addRow(QStringLiteral("&Elenchi della classe:"), classe_);
    else
        classe_->hide();
    colonna->addLayout(forma);

    leggibile_ = nominato(new QCheckBox(QStringLiteral("Caratteri ad alta leggibilità")),
                          QStringLiteral("SchedaLeggibile"));
    leggibile_->setEnabled(AspettoParole::carattereLeggibileInstallato());
    leggibile_->setChecked(stato_.opzioni.altaLeggibilita && leggibile_->isEnabled());
    maiuscolo_ = nominato(new QCheckBox(QStringLiteral("STAMPATO MAIUSCOLO")),
                          QStringLiteral("SchedaMaiuscolo"));
    maiuscolo_->setChecked(stato_.opzioni.maiuscolo);
    colonna->addWidget(leggibile_);
    colonna->addWidget(maiuscolo_);
    auto* nota = new QLabel(QStringLiteral("Dopo le schede, su pagine a parte, le soluzioni. Gli "
                                           "elenchi sono quelli degli esercizi: prima quelli "
                                           "dell'insegnante."));
    nota->setWordWrap(true);
    colonna->addWidget(nota);

    auto* bottoni = new QDialogButtonBox;
    stampa_ = nominato(bottoni->addButton(QStringLiteral("&Stampa…"), QDialogButtonBox::ActionRole),
                       QStringLiteral("Stampa"));
    salva_ =
        nominato(bottoni->addButton(QStringLiteral("Salva &PDF…"), QDialogButtonBox::ActionRole),
                 QStringLiteral("SalvaPdf"));
    QPushButton* chiudi =
        bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    chiudi->setObjectName(QStringLiteral("Chiudi"));
    connect(stampa_, &QPushButton::clicked, this, &DialogoSchede::stampaScheda);
    connect(salva_, &QPushButton::clicked, this, &DialogoSchede::salvaScheda);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    colonna->addWidget(bottoni);

    if (!esercizi_.isEmpty())
        esercizi_.front()->setChecked(true);
    aggiornaBottoni();
}

void DialogoSchede::aggiornaBottoni() {
    const bool qualcuno = std::any_of(esercizi_.cbegin(), esercizi_.cend(),
                                      [](const QCheckBox* c) { return c->isChecked(); });
    stampa_->setEnabled(qualcuno);
    salva_->setEnabled(qualcuno);
}

std::optional<EsitoScheda> DialogoSchede::componi() {
    RichiestaScheda richiesta{.esercizi = {},
                              .voci = voci_->value(),
                              .altaLeggibilita = leggibile_->isChecked(),
                              .maiuscolo = maiuscolo_->isChecked()};
    for (int i = 0; i < esercizi_.size(); ++i)
        if (esercizi_[i]->isChecked())
            richiesta.esercizi << i;
    QList<WordListFolder> cartelle = CartelleElenchi::perLaLettura(stato_);
    if (classe_->currentIndex() > 0) {
        const ElenchiClasse::PerLaScheda dellaClasse =
            ElenchiClasse::perLaScheda(stato_, classe_->currentText());
        if (!dellaClasse.errore.isEmpty()) {
            Messaggi::avvisa(this, dellaClasse.errore);
            return std::nullopt;
        }
        if (!dellaClasse.cartella.isEmpty())
            cartelle.prepend({dellaClasse.cartella, QStringLiteral("elenchi della classe: ")});
    }
    EsitoScheda esito =
        componiScheda(catalogo_, richiesta, WordListReader(cartelle), stato_.random);
    if (!esito.errore.isEmpty()) {
        Messaggi::avvisa(this, esito.errore);
        return std::nullopt;
    }
    return esito;
}

void DialogoSchede::stampaScheda() {
    std::optional<EsitoScheda> esito = componi();
    if (!esito)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialogo(&printer, this);
    dialogo.setWindowTitle(QStringLiteral("Stampa le schede"));
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const QString errore = stampa(esito->scheda, printer);
    if (!errore.isEmpty())
        Messaggi::avvisa(this, errore);
}

void DialogoSchede::salvaScheda() {
    std::optional<EsitoScheda> esito = componi();
    if (!esito)
        return;
    QString file = QFileDialog::getSaveFileName(
        this, QStringLiteral("Salva la scheda"),
        Salvataggi::proposta({QStringLiteral("scheda-vocario")}, QStringLiteral("pdf")),
        QStringLiteral("Documenti PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    const QString errore = salvaPdf(esito->scheda, file);
    if (!errore.isEmpty())
        Messaggi::avvisa(this, errore);
}

void mostraSchedeDaStampare(AppState& stato, const Catalogo& catalogo, QWidget* parent) {
    auto* dialogo = new DialogoSchede(stato, catalogo, parent);
    dialogo->open();
}

} // namespace vocario
