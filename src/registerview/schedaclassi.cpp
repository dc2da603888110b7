#include "schedaclassi.h"

#include "finestraelenchiclasse.h"

#include "core/salvataggi.h"
#include "esportazione.h"
#include "frame/messaggi.h"
#include "interrogazioni.h"
#include "options/opzionisalvate.h"
#include "register/importaclassi.h"
#include "register/modificaalunni.h"
#include "register/registro.h"
#include "register/ripassoclasse.h"
#include "register/serverregistro.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace vocario {
namespace {

constexpr int kRuoloId = Qt::UserRole;
constexpr int kEAlunno = Qt::UserRole + 1;
constexpr int kRipasso = Qt::UserRole + 2;

bool conferma(QWidget* parent, const QString& domanda) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vocario – Registro"), domanda,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// A name typed or a class picked, with Italian buttons; none on "Annulla".
std::optional<QString> chiedi(QWidget* parent, const QString& titolo, const QString& testo,
                              const QStringList& valori, bool scelta) {
    QInputDialog domanda(parent);
    domanda.setWindowTitle(titolo);
    domanda.setLabelText(testo);
    if (scelta)
        domanda.setComboBoxItems(valori);
    else
        domanda.setTextValue(valori.value(0));
    domanda.setCancelButtonText(QStringLiteral("Annulla"));
    if (domanda.exec() != QDialog::Accepted)
        return std::nullopt;
    return domanda.textValue();
}

} // namespace

SchedaClassi::SchedaClassi(Registro& registro, QWidget* parent)
    : QWidget(parent), registro_(registro) {
    setObjectName(QStringLiteral("SchedaClassi"));
    auto* riga = new QHBoxLayout(this);
    albero_ = new QTreeWidget(this);
    albero_->setObjectName(QStringLiteral("ClassiEAlunni"));
    albero_->setAccessibleName(QStringLiteral("Classi e alunni"));
    albero_->setHeaderLabel(QStringLiteral("Classi e alunni"));
    riga->addWidget(albero_, 1);
    auto* colonna = new QVBoxLayout;
    const std::pair<const char*, void (SchedaClassi::*)()> azioni[] = {
        {"Aggiungi alunni…", &SchedaClassi::aggiungi},
        {"Importa da un file…", &SchedaClassi::importa},
        {"Rinomina…", &SchedaClassi::rinomina},
        {"Sposta in un'altra classe…", &SchedaClassi::sposta},
        {"Esporta i dati dell'alunno…", &SchedaClassi::esportaAlunno},
        {"Elimina…", &SchedaClassi::elimina},
        {"Elimina le risposte prima di una data…", &SchedaClassi::eliminaPrimaDi},
        {"Elenchi della classe…", &SchedaClassi::elenchi},
        {"Server della scuola…", &SchedaClassi::server},
    };
    for (const auto& [testo, azione] : azioni) {
        auto* bottone = new QPushButton(QString::fromUtf8(testo), this);
        connect(bottone, &QPushButton::clicked, this, azione);
        colonna->addWidget(bottone);
    }
    ripasso_ = new QCheckBox(QStringLiteral("&Ripasso delle parole sbagliate"), this);
    ripasso_->setObjectName(QStringLiteral("RipassoClasse"));
    ripasso_->setAccessibleName(QStringLiteral("Ripasso delle parole sbagliate"));
    ripasso_->setToolTip(QStringLiteral("Le parole che un alunno della classe sbaglia tornano "
                                        "negli esercizi finché non le ha imparate."));
    connect(ripasso_, &QCheckBox::clicked, this, [this](bool attivo) {
        if (const QString motivo = impostaRipassoScelto(attivo); !motivo.isEmpty()) {
            QMessageBox::warning(this, QStringLiteral("Registro"), motivo);
            mostraRipasso();
        }
    });
    connect(albero_, &QTreeWidget::currentItemChanged, this, &SchedaClassi::mostraRipasso);
    colonna->addWidget(ripasso_);
    colonna->addStretch(1);
    auto* nota = new QLabel(registro_.mittente()
                                ? QStringLiteral("Solo nomi o soprannomi, niente cognomi. "
                                                 "Classi, alunni e risposte sono sul server "
                                                 "della scuola.")
                                : QStringLiteral("Solo nomi o soprannomi, niente cognomi. I dati "
                                                 "restano su questo computer."),
                            this);
    nota->setWordWrap(true);
    colonna->addWidget(nota);
    riga->addLayout(colonna);
    aggiorna();
}

void SchedaClassi::aggiorna() {
    albero_->clear();
    for (const Classe& c : registro_.classi()) {
        auto* classe = new QTreeWidgetItem(albero_, {c.nome});
        classe->setData(0, kRuoloId, c.id);
        classe->setData(0, kRipasso, c.ripasso);
        for (const Alunno& a : c.alunni) {
            auto* alunno = new QTreeWidgetItem(classe, {a.nome});
            alunno->setData(0, kRuoloId, a.id);
            alunno->setData(0, kEAlunno, true);
        }
        classe->setExpanded(true);
    }
    mostraRipasso();
}

qint64 SchedaClassi::classeScelta() const {
    QTreeWidgetItem* scelto = albero_->currentItem();
    if (scelto && scelto->parent())
        scelto = scelto->parent();
    return scelto ? scelto->data(0, kRuoloId).toLongLong() : 0;
}

// The switch shows the chosen class's, as the register read it.
void SchedaClassi::mostraRipasso() {
    QTreeWidgetItem* scelto = albero_->currentItem();
    if (scelto && scelto->parent())
        scelto = scelto->parent();
    ripasso_->setEnabled(scelto);
    ripasso_->setChecked(!scelto || scelto->data(0, kRipasso).toBool());
    ripasso_->setAccessibleDescription(scelto ? QStringLiteral("Classe %1").arg(scelto->text(0))
                                              : QStringLiteral("Scegliere prima una classe."));
}

QString SchedaClassi::impostaRipassoScelto(bool attivo) {
    const qint64 classe = classeScelta();
    if (!classe)
        return QStringLiteral("Scegliere prima una classe.");
    if (!impostaRipasso(registro_, classe, attivo))
        return registro_.suServer()
                   ? QStringLiteral("Il ripasso non si è potuto cambiare: il server della scuola "
                                    "non risponde.")
                   : QStringLiteral("Il ripasso non si è potuto cambiare: il file del registro "
                                    "non si può scrivere.");
    const bool alunno = albero_->currentItem()->data(0, kEAlunno).toBool();
    const qint64 id = albero_->currentItem()->data(0, kRuoloId).toLongLong();
    aggiorna();
    scegli(id, alunno);
    emit cambiate();
    return {};
}

void SchedaClassi::aggiungiAlunni(const QString& classe, const QString& nomi) {
    // The import's rules: names that differ only in case are one pupil, and
    // a name that cannot be used refuses them all, saying which.
    const EsitoImportazione esito = vocario::aggiungiAlunni(registro_, classe, nomi);
    if (!esito.ok)
        QMessageBox::warning(this, QStringLiteral("Vocario – Registro"), esito.messaggio);
    aggiorna();
    emit cambiate();
}

void SchedaClassi::aggiungi() {
    QDialog finestra(this);
    finestra.setWindowTitle(QStringLiteral("Vocario – Aggiungi alunni"));
    auto* colonna = new QVBoxLayout(&finestra);
    auto* classe = new QLineEdit(&finestra);
    if (QTreeWidgetItem* scelto = albero_->currentItem())
        classe->setText(scelto->parent() ? scelto->parent()->text(0) : scelto->text(0));
    auto* etichettaClasse = new QLabel(QStringLiteral("&Classe (per esempio 3ª A):"), &finestra);
    etichettaClasse->setBuddy(classe);
    auto* nomi = new QPlainTextEdit(&finestra);
    auto* etichettaNomi =
        new QLabel(QStringLiteral("&Nomi o soprannomi, uno per riga (niente cognomi):"), &finestra);
    etichettaNomi->setBuddy(nomi);
    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    bottoni->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(bottoni, &QDialogButtonBox::accepted, &finestra, &QDialog::accept);
    connect(bottoni, &QDialogButtonBox::rejected, &finestra, &QDialog::reject);
    for (QWidget* w :
         std::initializer_list<QWidget*>{etichettaClasse, classe, etichettaNomi, nomi, bottoni})
        colonna->addWidget(w);
    if (finestra.exec() == QDialog::Accepted && !classe->text().trimmed().isEmpty())
        aggiungiAlunni(classe->text(), nomi->toPlainText());
}

void SchedaClassi::importa() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("Importa le classi"), Salvataggi::cartella(),
        QStringLiteral("Elenchi (*.txt *.csv);;Tutti i file (*)"));
    if (file.isEmpty())
        return;
    const EsitoImportazione esito = importaClassi(registro_, file);
    QMessageBox::information(this, QStringLiteral("Vocario – Registro"), esito.messaggio);
    aggiorna();
    emit cambiate();
}

bool SchedaClassi::eliminaScelto() {
    QTreeWidgetItem* scelto = albero_->currentItem();
    if (!scelto)
        return false;
    const qint64 id = scelto->data(0, kRuoloId).toLongLong();
    const bool fatto = scelto->data(0, kEAlunno).toBool() ? registro_.eliminaAlunno(id)
                                                          : registro_.eliminaClasse(id);
    aggiorna();
    emit cambiate();
    return fatto;
}

void SchedaClassi::elimina() {
    QTreeWidgetItem* scelto = albero_->currentItem();
    if (!scelto)
        return;
    const QString domanda =
        scelto->data(0, kEAlunno).toBool()
            ? QStringLiteral("Eliminare %1 e tutte le sue risposte?").arg(scelto->text(0))
            : QStringLiteral("Eliminare la classe %1, i suoi alunni e tutte le loro risposte?")
                  .arg(scelto->text(0));
    if (conferma(this, domanda))
        eliminaScelto();
}

void SchedaClassi::scegli(qint64 id, bool alunno) {
    for (QTreeWidgetItemIterator it(albero_); *it; ++it)
        if ((*it)->data(0, kRuoloId).toLongLong() == id &&
            (*it)->data(0, kEAlunno).toBool() == alunno)
            return albero_->setCurrentItem(*it);
}

QString SchedaClassi::rinominaScelto(const QString& nome) {
    QTreeWidgetItem* scelto = albero_->currentItem();
    if (!scelto)
        return QStringLiteral("Scegliere prima un alunno o una classe.");
    const qint64 id = scelto->data(0, kRuoloId).toLongLong();
    const bool alunno = scelto->data(0, kEAlunno).toBool();
    const std::optional<QString> motivo = alunno
                                              ? ModificaAlunni::rinominaAlunno(registro_, id, nome)
                                              : ModificaAlunni::rinominaClasse(registro_, id, nome);
    if (motivo)
        return *motivo;
    aggiorna();
    scegli(id, alunno);
    emit cambiate();
    return {};
}

QString SchedaClassi::spostaScelto(const QString& classe) {
    QTreeWidgetItem* scelto = albero_->currentItem();
    if (!scelto || !scelto->data(0, kEAlunno).toBool())
        return QStringLiteral("Scegliere prima un alunno.");
    const qint64 alunno = scelto->data(0, kRuoloId).toLongLong();
    for (const Classe& c : registro_.classi()) {
        if (c.nome != classe)
            continue;
        if (const std::optional<QString> motivo =
                ModificaAlunni::spostaAlunno(registro_, alunno, c.id))
            return *motivo;
        aggiorna();
        scegli(alunno, true);
        emit cambiate();
        return {};
    }
    return QStringLiteral("La classe %1 non c'è.").arg(classe);
}

void SchedaClassi::rinomina() {
    QTreeWidgetItem* scelto = albero_->currentItem();
    std::optional<QString> nome = QString(); // none chosen: rinominaScelto says so
    if (scelto)
        nome = chiedi(this, QStringLiteral("Rinomina"),
                      scelto->data(0, kEAlunno).toBool()
                          ? QStringLiteral("Nuovo nome o soprannome di %1 (niente cognomi; le "
                                           "risposte restano):")
                                .arg(scelto->text(0))
                          : QStringLiteral("Nuovo nome della classe %1:").arg(scelto->text(0)),
                      {scelto->text(0)}, false);
    if (nome)
        if (const QString motivo = rinominaScelto(*nome); !motivo.isEmpty())
            QMessageBox::warning(this, QStringLiteral("Vocario – Registro"), motivo);
}

void SchedaClassi::sposta() {
    QTreeWidgetItem* scelto = albero_->currentItem();
    std::optional<QString> classe = QString(); // no pupil chosen: spostaScelto says so
    if (scelto && scelto->data(0, kEAlunno).toBool()) {
        QStringList altre;
        for (const Classe& c : registro_.classi())
            if (c.nome != scelto->parent()->text(0))
                altre << c.nome;
        if (altre.isEmpty())
            return void(
                QMessageBox::information(this, QStringLiteral("Vocario – Registro"),
                                         QStringLiteral("Non ci sono altre classi: aggiungerne "
                                                        "una con «Aggiungi alunni…».")));
        classe = chiedi(
            this, QStringLiteral("Sposta in un'altra classe"),
            QStringLiteral("Classe in cui spostare %1 (le risposte restano):").arg(scelto->text(0)),
            altre, true);
    }
    if (classe)
        if (const QString motivo = spostaScelto(*classe); !motivo.isEmpty())
            QMessageBox::warning(this, QStringLiteral("Vocario – Registro"), motivo);
}

void SchedaClassi::esportaAlunno() {
    QTreeWidgetItem* scelto = albero_->currentItem();
    if (!scelto || !scelto->data(0, kEAlunno).toBool()) {
        QMessageBox::information(this, QStringLiteral("Vocario – Registro"),
                                 QStringLiteral("Scegliere prima un alunno."));
        return;
    }
    const QString file = QFileDialog::getSaveFileName(
        this, QStringLiteral("Dati di %1").arg(scelto->text(0)),
        Salvataggi::proposta({QStringLiteral("risposte"), scelto->text(0),
                              scelto->parent() ? scelto->parent()->text(0) : QString()},
                             QStringLiteral("csv")));
    if (!file.isEmpty() &&
        !Esportazione::scriviCsv(
            file, Interrogazioni::tutteLeRisposte(registro_.dbVista(), 0,
                                                  scelto->data(0, kRuoloId).toLongLong())))
        QMessageBox::warning(this, QStringLiteral("Vocario – Registro"),
                             QStringLiteral("Il file %1 non si può scrivere.").arg(file));
}

void SchedaClassi::eliminaPrimaDi() {
    QDialog finestra(this);
    finestra.setWindowTitle(QStringLiteral("Vocario – Elimina le risposte prima di una data"));
    auto* colonna = new QVBoxLayout(&finestra);
    auto* spiegazione = new QLabel(QStringLiteral("Le risposte e le sessioni di <b>tutte le "
                                                  "classi</b> prima del giorno scelto (per "
                                                  "esempio alla fine dell'anno scolastico) "
                                                  "vengono eliminate; classi e alunni restano."),
                                   &finestra);
    spiegazione->setWordWrap(true);
    colonna->addWidget(spiegazione);
    auto* calendario = new QCalendarWidget(&finestra);
    calendario->setLocale(QLocale(QLocale::Italian));
    calendario->setObjectName(QStringLiteral("GiornoLimite"));
    colonna->addWidget(calendario);
    // What the day chosen would remove, counted again at each day.
    auto* quante = new QLabel(&finestra);
    quante->setObjectName(QStringLiteral("RisposteDaEliminare"));
    const auto conta = [this, calendario, quante] {
        const int n = registro_.contaPrimaDi(calendario->selectedDate());
        quante->setText(n < 0 ? QStringLiteral("Le risposte non si possono contare.")
                              : QStringLiteral("Risposte che verranno eliminate: %1, di tutte le "
                                               "classi.")
                                    .arg(n));
    };
    connect(calendario, &QCalendarWidget::selectionChanged, quante, conta);
    conta();
    colonna->addWidget(quante);
    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    bottoni->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(bottoni, &QDialogButtonBox::accepted, &finestra, &QDialog::accept);
    connect(bottoni, &QDialogButtonBox::rejected, &finestra, &QDialog::reject);
    colonna->addWidget(bottoni);
    if (finestra.exec() != QDialog::Accepted)
        return;
    const QDate giorno = calendario->selectedDate();
    const QString data = giorno.toString(QStringLiteral("dd/MM/yyyy"));
    const int daTogliere = registro_.contaPrimaDi(giorno);
    if (daTogliere == 0)
        return void(QMessageBox::information(
            this, QStringLiteral("Vocario – Registro"),
            QStringLiteral("Non ci sono risposte prima del %1: non c'è niente da eliminare.")
                .arg(data)));
    const QString quali = daTogliere < 0    ? QStringLiteral("tutte le risposte")
                          : daTogliere == 1 ? QStringLiteral("l'unica risposta")
                                            : QStringLiteral("%1 risposte").arg(daTogliere);
    if (!conferma(this, QStringLiteral("Eliminare %1 di tutte le classi date prima del %2? Non si "
                                       "potranno recuperare.")
                            .arg(quali, data)))
        return;
    const int tolte = registro_.eliminaPrimaDi(giorno);
    if (tolte < 0)
        return Messaggi::avvisa(this, QStringLiteral("Le risposte non si possono eliminare ora: il "
                                                     "registro non si può scrivere. Nulla è "
                                                     "stato eliminato."));
    QMessageBox::information(this, QStringLiteral("Vocario – Registro"),
                             QStringLiteral("Risposte eliminate: %1.").arg(tolte));
    emit cambiate();
}

// The school's server for this user's runs (the technician's file in
// /etc/xdg serves every user). The address only: the password stays in
// libpq's own file, ~/.pgpass.
void SchedaClassi::elenchi() {
    // The class chosen, or the class of the pupil chosen.
    QTreeWidgetItem* scelto = albero_->currentItem();
    if (scelto && scelto->data(0, kEAlunno).toBool())
        scelto = scelto->parent();
    if (!scelto)
        return Messaggi::informa(this, QStringLiteral("Scegliere prima una classe."));
    FinestraElenchiClasse finestra(registro_, scelto->data(0, kRuoloId).toLongLong(),
                                   scelto->text(0), this);
    finestra.exec();
}

void SchedaClassi::server() {
    bool ok = false;
    const QString indirizzo =
        QInputDialog::getText(
            this, QStringLiteral("Server della scuola"),
            QStringLiteral("Indirizzo del server del registro, per esempio "
                           "postgresql://vocario_pc@server:5432/vocario\n"
                           "(vuoto: quello del tecnico, se c'è; se no il registro resta "
                           "su questo computer).\n"
                           "La password va nel file ~/.pgpass, non qui."),
            QLineEdit::Normal, ServerRegistro::impostato({}), &ok)
            .trimmed();
    if (!ok)
        return;
    if (!indirizzo.isEmpty() && !ServerRegistro::leggi(indirizzo))
        return Messaggi::avvisa(this, QStringLiteral("«%1» non è l'indirizzo di un server: si "
                                                     "scrive postgresql://utente@host:porta/"
                                                     "database, senza password.")
                                          .arg(indirizzo));
    if (indirizzo.isEmpty())
        OpzioniSalvate::impostazioni().remove(QStringLiteral("registro/server"));
    else
        OpzioniSalvate::impostazioni().setValue(QStringLiteral("registro/server"), indirizzo);
    Messaggi::avvisa(this, QStringLiteral("Il server vale dal prossimo avvio di Vocario."));
}

} // namespace vocario
