#include "finestracontrolloelenchi.h"

#include "core/cartelleelenchi.h"
#include "frame/messaggi.h"
#include "testorapporto.h"
#include "verificaelenchi.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vocario {

FinestraControlloElenchi::FinestraControlloElenchi(const AppState& stato, QWidget* parent)
    : QDialog(parent), stato_(stato) {
    setObjectName(QStringLiteral("FinestraControlloElenchi"));
    setWindowTitle(QStringLiteral("Vocario – Controlla gli elenchi"));
    auto* spiegazione = new QLabel(
        QStringLiteral("Gli elenchi di parole che gli esercizi leggono, controllati come li "
                       "leggono gli esercizi. Un elenco messo nella cartella dell'insegnante "
                       "prende il posto di quello del programma con lo stesso nome; una modifica "
                       "conta dalla prossima apertura dell'esercizio.\nCartella dell'insegnante: "
                       "%1")
            .arg(QDir::toNativeSeparators(CartelleElenchi::insegnante(stato_))),
        this);
    spiegazione->setWordWrap(true);
    spiegazione->setTextInteractionFlags(Qt::TextSelectableByMouse);

    rapporto_ = new QPlainTextEdit(this);
    rapporto_->setObjectName(QStringLiteral("TestoRapporto"));
    rapporto_->setReadOnly(true);
    rapporto_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont carattere = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    carattere.setPointSizeF(qMax(carattere.pointSizeF(), 10.0));
    rapporto_->setFont(carattere);

    auto* bottoni = new QDialogButtonBox(this);
    auto* apri = bottoni->addButton(QStringLiteral("Apri la cartella dell'insegnante"),
                                    QDialogButtonBox::ActionRole);
    apri->setObjectName(QStringLiteral("BottoneApriCartella"));
    auto* ancora =
        bottoni->addButton(QStringLiteral("Controlla di nuovo"), QDialogButtonBox::ActionRole);
    ancora->setObjectName(QStringLiteral("BottoneControllaDiNuovo"));
    auto* copia = bottoni->addButton(QStringLiteral("Copia"), QDialogButtonBox::ActionRole);
    copia->setObjectName(QStringLiteral("BottoneCopia"));
    auto* chiudi = bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    chiudi->setObjectName(QStringLiteral("BottoneChiudi"));
    chiudi->setDefault(true);
    connect(apri, &QPushButton::clicked, this, &FinestraControlloElenchi::apriCartellaInsegnante);
    connect(ancora, &QPushButton::clicked, this, &FinestraControlloElenchi::controlla);
    connect(copia, &QPushButton::clicked, this, &FinestraControlloElenchi::copia);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(spiegazione);
    layout->addWidget(rapporto_, 1);
    layout->addWidget(bottoni);
    resize(820, 560);
    controlla();
}

QString FinestraControlloElenchi::testo() const {
    return rapporto_->toPlainText();
}

void FinestraControlloElenchi::controlla() {
    const RapportoElenchi rapporto = verificaElenchi(CartelleElenchi::perLaLettura(stato_));
    rapporto_->setPlainText(testoRapporto(rapporto, CartelleElenchi::perIlRapporto(stato_)));
}

void FinestraControlloElenchi::apriCartellaInsegnante() {
    const QString cartella = CartelleElenchi::insegnante(stato_);
    // The folder is made on first use, so that the teacher finds it ready.
    if (!QDir().mkpath(cartella)) {
        Messaggi::avvisa(this, QStringLiteral("Non riesco a creare la cartella %1.")
                                   .arg(QDir::toNativeSeparators(cartella)));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(cartella)))
        Messaggi::avvisa(this, QStringLiteral("Non riesco ad aprire la cartella %1: aprila dal "
                                              "gestore dei file.")
                                   .arg(QDir::toNativeSeparators(cartella)));
}

void FinestraControlloElenchi::copia() {
    QApplication::clipboard()->setText(testo());
}

FinestraControlloElenchi* mostraControlloElenchi(const AppState& stato, QWidget* parent) {
    auto* finestra = new FinestraControlloElenchi(stato, parent);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->show();
    return finestra;
}

} // namespace vocario
