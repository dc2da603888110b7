#include "finestraelenchiclasse.h"

#include "core/appstate.h"
#include "core/cartelle.h"
#include "core/cartelleelenchi.h"
#include "frame/messaggi.h"
#include "register/registro.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vocario {
namespace {

// The folders of this PC as a run of the program has them: the teacher's
// own, where the dialog starts, and the program's, which fills the lists
// a folder lacks when the checker reads it.
QString cartellaInsegnante() {
    const AppState stato(Cartelle::datiProgramma());
    return CartelleElenchi::insegnante(stato);
}

QString cartellaProgramma() {
    const AppState stato(Cartelle::datiProgramma());
    return CartelleElenchi::programma(stato);
}

} // namespace

FinestraElenchiClasse::FinestraElenchiClasse(Registro& registro, qint64 classe, const QString& nome,
                                             QWidget* parent)
    : QDialog(parent), registro_(registro), classe_(classe) {
    setObjectName(QStringLiteral("ElenchiClasse"));
    setWindowTitle(QStringLiteral("Vocario – Elenchi della classe %1").arg(nome));
    auto* colonna = new QVBoxLayout(this);
    auto* spiegazione = new QLabel(
        QStringLiteral("Gli alunni della classe <b>%1</b> giocano con questi elenchi su ogni "
                       "computer%2. Gli altri elenchi sono quelli dell'insegnante di quel "
                       "computer o del programma.")
            .arg(nome.toHtmlEscaped(),
                 registro.suServer() ? QStringLiteral(" della scuola") : QString()),
        this);
    spiegazione->setWordWrap(true);
    colonna->addWidget(spiegazione);
    tabella_ = new QTreeWidget(this);
    tabella_->setObjectName(QStringLiteral("ElenchiDellaClasse"));
    tabella_->setAccessibleName(QStringLiteral("Elenchi della classe"));
    tabella_->setRootIsDecorated(false);
    tabella_->setHeaderLabels({QStringLiteral("Elenco"), QStringLiteral("Da dove")});
    tabella_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    colonna->addWidget(tabella_, 1);
    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const std::pair<const char*, std::function<void()>> azioni[] = {
        {"Dai gli elenchi di una cartella…", [this] { scegliCartella(); }},
        {"Torna al programma per l'elenco scelto",
         [this] {
             if (QTreeWidgetItem* scelto = tabella_->currentItem())
                 mostra(tornaAlProgramma(scelto->text(0)));
         }},
        {"Tutti gli elenchi del programma", [this] { mostra(tornaAlProgramma()); }},
    };
    for (const auto& [testo, azione] : azioni)
        connect(bottoni->addButton(QString::fromUtf8(testo), QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, azione);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    colonna->addWidget(bottoni);
    aggiorna();
    resize(720, 420);
}

ElenchiClasse::Esito FinestraElenchiClasse::daiDa(const QString& cartella) {
    const ElenchiClasse::Esito esito =
        ElenchiClasse::daiDaCartella(registro_, classe_, cartella, cartellaProgramma());
    aggiorna();
    return esito;
}

ElenchiClasse::Esito FinestraElenchiClasse::tornaAlProgramma(const QString& file) {
    const ElenchiClasse::Esito esito = ElenchiClasse::tornaAlProgramma(registro_, classe_, file);
    aggiorna();
    return esito;
}

QStringList FinestraElenchiClasse::righe() const {
    QStringList righe;
    for (int i = 0; i < tabella_->topLevelItemCount(); ++i)
        righe << tabella_->topLevelItem(i)->text(0) + QStringLiteral(": ") +
                     tabella_->topLevelItem(i)->text(1);
    return righe;
}

void FinestraElenchiClasse::aggiorna() {
    tabella_->clear();
    const QList<ElenchiClasse::Elenco> suoi = ElenchiClasse::attuali(registro_.dbVista(), classe_);
    for (const QString& file : ElenchiClasse::nomiDegliElenchi()) {
        QString daDove = QStringLiteral("del programma (o dell'insegnante del computer)");
        for (const ElenchiClasse::Elenco& e : suoi)
            if (e.file == file)
                daDove = QStringLiteral("della classe, versione %1 del %2")
                             .arg(e.versione)
                             .arg(QLocale(QLocale::Italian)
                                      .toString(e.quando.date(), QLocale::ShortFormat));
        new QTreeWidgetItem(tabella_, {file, daDove});
    }
}

void FinestraElenchiClasse::scegliCartella() {
    const QString cartella = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Vocario – La cartella degli elenchi per la classe"),
        cartellaInsegnante());
    if (!cartella.isEmpty())
        mostra(daiDa(cartella));
}

void FinestraElenchiClasse::mostra(const ElenchiClasse::Esito& esito) {
    if (esito.ok)
        return Messaggi::informa(this, esito.messaggio);
    // The checker's report can be long: its first line in the box, the
    // whole of it a click away.
    QMessageBox scatola(QMessageBox::Warning, QStringLiteral("Vocario"),
                        esito.messaggio.section(u'\n', 0, 0), QMessageBox::Ok, this);
    if (esito.messaggio.contains(u'\n'))
        scatola.setDetailedText(esito.messaggio.section(u'\n', 1).trimmed());
    scatola.exec();
}

} // namespace vocario
