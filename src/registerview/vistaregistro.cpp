#include "vistaregistro.h"

#include "accessoinsegnante.h"
#include "esportazione.h"
#include "graficoprogressi.h"
#include "interrogazioni.h"
#include "register/mittenteregistro.h"
#include "register/registro.h"
#include "register/serverregistro.h"
#include "schedaclassi.h"
#include "tabellevista.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace vocario {

using namespace TabelleVista;

namespace {

// The class's table names who missed each item; a pupil's, what the pupil
// answered (a column of pupils would say 1 on every row).
void riempiParole(QStandardItemModel* modello, const QList<Interrogazioni::VoceSbagliata>& voci,
                  bool diUnAlunno = false) {
    modello->clear();
    if (diUnAlunno) {
        modello->setHorizontalHeaderLabels(
            {"Voce", "Esercizio", "Prove", "Sbagliate", "Risposte date", "Ultima volta"});
    } else {
        modello->setHorizontalHeaderLabels({"Voce", "Esercizio", "Prove", "Sbagliate", "Alunni",
                                            "Chi l'ha sbagliata", "Ultima volta"});
        modello->horizontalHeaderItem(4)->setToolTip(
            QStringLiteral("Quanti alunni l'hanno sbagliata"));
    }
    for (const auto& v : voci) {
        QList<QStandardItem*> riga{testo(v.voce), testo(v.esercizio), numero(v.prove),
                                   numero(v.errate)};
        if (!diUnAlunno)
            riga << numero(v.alunni);
        riga << testo(v.chi.join(QStringLiteral("; "))) << momento(v.ultima);
        modello->appendRow(riga);
    }
    ordinabile(modello);
}

// The periods the most missed words can cover, the school year first.
enum class Periodo { AnnoScolastico, UltimoMese, DueSettimane, Sempre };

QDate inizioAnnoScolastico(const QDate& oggi) {
    return QDate(oggi.month() >= 9 ? oggi.year() : oggi.year() - 1, 9, 1);
}

QDateTime inizioDi(Periodo periodo) {
    const QDate oggi = QDate::currentDate();
    switch (periodo) {
    case Periodo::AnnoScolastico:
        return inizioAnnoScolastico(oggi).startOfDay();
    case Periodo::UltimoMese:
        return oggi.addMonths(-1).startOfDay();
    case Periodo::DueSettimane:
        return oggi.addDays(-14).startOfDay();
    case Periodo::Sempre:
        break;
    }
    return {};
}

} // namespace

void apriVistaRegistro(Registro& registro, QWidget* parent) {
    if (!AccessoInsegnante::chiedi(registro, parent))
        return;
    auto* vista = new VistaRegistro(registro, parent);
    vista->setAttribute(Qt::WA_DeleteOnClose);
    vista->open();
}

VistaRegistro::VistaRegistro(Registro& registro, QWidget* parent)
    : QDialog(parent), registro_(registro) {
    setObjectName(QStringLiteral("VistaRegistro"));
    setWindowTitle(QStringLiteral("Vocario – Registro"));
    // Each opening tries the school's server once, if it was away before.
    registro_.ricollegaVista();
    costruisci();
    aggiornaClassi();
}

void VistaRegistro::costruisci() {
    auto* colonna = new QVBoxLayout(this);
    // What the teacher must know before reading the tables (a damaged file
    // set aside), until "Ho capito".
    avviso_ = new QFrame(this);
    avviso_->setObjectName(QStringLiteral("AvvisoRegistro"));
    avviso_->setStyleSheet(QStringLiteral("#AvvisoRegistro { background: #fff3cd; border: 2px "
                                          "solid #b35c00; border-radius: 4px; }"));
    auto* rigaAvviso = new QHBoxLayout(avviso_);
    testoAvviso_ = new QLabel(avviso_);
    testoAvviso_->setWordWrap(true);
    testoAvviso_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* letto = new QPushButton(QStringLiteral("Ho capito"), avviso_);
    connect(letto, &QPushButton::clicked, this, [this] {
        registro_.avvisoLetto();
        avviso_->hide();
    });
    rigaAvviso->addWidget(testoAvviso_, 1);
    rigaAvviso->addWidget(letto, 0, Qt::AlignTop);
    avviso_->hide();
    colonna->addWidget(avviso_);
    auto* riga = new QHBoxLayout;
    classi_ = new QComboBox(this);
    classi_->setObjectName(QStringLiteral("SceltaClasse"));
    auto* etichetta = new QLabel(QStringLiteral("&Classe:"), this);
    etichetta->setBuddy(classi_);
    riga->addWidget(etichetta);
    riga->addWidget(classi_, 1);
    colonna->addLayout(riga);
    connect(classi_, &QComboBox::currentIndexChanged, this, [this] { aggiorna(); });

    schede_ = new QTabWidget(this);
    parole_ = new QStandardItemModel(this);
    alunni_ = new QStandardItemModel(this);
    schede_->addTab(schedaParole(), QStringLiteral("Parole più sbagliate"));
    QTableView* vistaAlunni = tabella(alunni_, QStringLiteral("Alunni ed esercizi"), schede_);
    vistaAlunni->setToolTip(QStringLiteral("Una riga apre le parole sbagliate dell'alunno."));
    connect(vistaAlunni, &QTableView::activated, this, [this](const QModelIndex& indice) {
        const QStandardItem* nome = alunni_->item(indice.row(), 0);
        QDialog* finestra =
            paroleDellAlunno(nome->data(TabelleVista::kRuoloIdRiga).toLongLong(), nome->text());
        finestra->exec();
        delete finestra;
    });
    schede_->addTab(vistaAlunni, QStringLiteral("Alunni ed esercizi"));
    schede_->addTab(schedaProgressi(), QStringLiteral("Progressi"));
    schede_->addTab(schedaRipasso(), QStringLiteral("Ripasso"));
    auto* classi = new SchedaClassi(registro_, schede_);
    connect(classi, &SchedaClassi::cambiate, this, &VistaRegistro::aggiornaClassi);
    schede_->addTab(classi, QStringLiteral("Classi e alunni"));
    colonna->addWidget(schede_, 1);

    stato_ = new QLabel(this);
    stato_->setObjectName(QStringLiteral("StatoRegistro"));
    stato_->setWordWrap(true);
    colonna->addWidget(stato_);

    auto* bottoni = new QHBoxLayout;
    auto* csv = new QPushButton(QStringLiteral("Esporta la tabella (CSV)…"), this);
    connect(csv, &QPushButton::clicked, this, [this] {
        if (esportaRipassoCsv())
            return;
        // The table in sight; from the classes' tab, the most missed words.
        const int scheda = schede_->currentIndex();
        QStandardItemModel* modello = scheda == 1 ? alunni_ : scheda == 2 ? settimane_ : parole_;
        const QString cosa = scheda == 1 ? QStringLiteral("alunni-ed-esercizi")
                             : scheda == 2
                                 ? QStringLiteral("progressi-") + alunnoProgressi_->currentText()
                                 : QStringLiteral("parole-sbagliate");
        salvaCome(QStringLiteral("Esporta la tabella"), cosa, QStringLiteral("csv"),
                  [this, modello](const QString& file) {
                      return esportaCsv(
                          file, TabelleVista::righeDi(modello, TabelleVista::Per::FoglioDiCalcolo));
                  });
    });
    auto* tutte = new QPushButton(QStringLiteral("Esporta tutte le risposte (CSV)…"), this);
    connect(tutte, &QPushButton::clicked, this, [this] {
        salvaCome(QStringLiteral("Esporta tutte le risposte"), QStringLiteral("risposte"),
                  QStringLiteral("csv"),
                  [this](const QString& file) { return esportaRisposte(file); });
    });
    auto* pdf = new QPushButton(QStringLiteral("Salva il riassunto (PDF)…"), this);
    connect(pdf, &QPushButton::clicked, this, [this] {
        salvaCome(QStringLiteral("Riassunto della classe"), QStringLiteral("riassunto"),
                  QStringLiteral("pdf"), [this](const QString& file) { return esportaPdf(file); });
    });
    auto* stampa = new QPushButton(QStringLiteral("Stampa il riassunto…"), this);
    connect(stampa, &QPushButton::clicked, this, &VistaRegistro::stampaRiassunto);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* b : {csv, tutte, pdf, stampa})
        bottoni->addWidget(b);
    bottoni->addStretch(1);
    bottoni->addWidget(chiudi);
    colonna->addLayout(bottoni);
    resize(900, 600);
}

QWidget* VistaRegistro::schedaParole() {
    auto* scheda = new QWidget;
    auto* colonna = new QVBoxLayout(scheda);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* riga = new QHBoxLayout;
    periodo_ = new QComboBox(scheda);
    periodo_->setObjectName(QStringLiteral("PeriodoParole"));
    periodo_->addItem(
        QStringLiteral("dall'inizio dell'anno scolastico (%1)")
            .arg(inizioAnnoScolastico(QDate::currentDate()).toString(QStringLiteral("d/M/yyyy"))),
        int(Periodo::AnnoScolastico));
    periodo_->addItem(QStringLiteral("nell'ultimo mese"), int(Periodo::UltimoMese));
    periodo_->addItem(QStringLiteral("nelle ultime due settimane"), int(Periodo::DueSettimane));
    periodo_->addItem(QStringLiteral("da sempre"), int(Periodo::Sempre));
    auto* etichettaPeriodo = new QLabel(QStringLiteral("Ris&poste date"), scheda);
    etichettaPeriodo->setBuddy(periodo_);
    almeno_ = new QSpinBox(scheda);
    almeno_->setObjectName(QStringLiteral("AlmenoSbagliate"));
    almeno_->setRange(1, 99);
    // Once is a slip; twice, by one pupil or by two, is worth a lesson.
    almeno_->setValue(2);
    almeno_->setSuffix(QStringLiteral(" volte"));
    auto* etichettaAlmeno = new QLabel(QStringLiteral("voci sbagliate &almeno"), scheda);
    etichettaAlmeno->setBuddy(almeno_);
    // One list's words: a class's own list, in all its versions, or the
    // program's; filled with the lists the class's answers were given on.
    elenco_ = new QComboBox(scheda);
    elenco_->setObjectName(QStringLiteral("ElencoParole"));
    elenco_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* etichettaElenco = new QLabel(QStringLiteral("d&ell'elenco"), scheda);
    etichettaElenco->setBuddy(elenco_);
    for (QWidget* w : std::initializer_list<QWidget*>{etichettaPeriodo, periodo_, etichettaAlmeno,
                                                      almeno_, etichettaElenco, elenco_})
        riga->addWidget(w);
    riga->addStretch(1);
    colonna->addLayout(riga);
    // The item and who missed it share the room the figures leave.
    colonna->addWidget(tabella(parole_, QStringLiteral("Parole più sbagliate"), scheda, {0, 5}), 1);
    const auto rileggi = [this] {
        riempiParole(parole_, Interrogazioni::paroleSbagliate(registro_.dbVista(), classe(), 0,
                                                              filtroParole()));
    };
    connect(periodo_, &QComboBox::currentIndexChanged, this, rileggi);
    connect(almeno_, &QSpinBox::valueChanged, this, rileggi);
    connect(elenco_, &QComboBox::activated, this, rileggi);
    return scheda;
}

Interrogazioni::FiltroParole VistaRegistro::filtroParole() const {
    return {.da = inizioDi(Periodo(periodo_->currentData().toInt())),
            .almeno = almeno_->value(),
            .elenco = elenco_->currentData().toString()};
}

QWidget* VistaRegistro::schedaProgressi() {
    auto* scheda = new QWidget;
    auto* colonna = new QVBoxLayout(scheda);
    alunnoProgressi_ = new QComboBox(scheda);
    alunnoProgressi_->setObjectName(QStringLiteral("AlunnoProgressi"));
    alunnoProgressi_->setAccessibleName(QStringLiteral("Alunno"));
    colonna->addWidget(alunnoProgressi_);
    auto* divisore = new QSplitter(scheda);
    grafico_ = new GraficoProgressi(divisore);
    settimane_ = new QStandardItemModel(this);
    divisore->addWidget(grafico_);
    // The table keeps the room of its columns, the chart takes the rest.
    tabellaSettimane_ = tabella(settimane_, QStringLiteral("Settimane"), divisore, {});
    divisore->addWidget(tabellaSettimane_);
    divisore->setStretchFactor(0, 1);
    divisore->setStretchFactor(1, 0);
    divisore->setChildrenCollapsible(false);
    colonna->addWidget(divisore, 1);
    connect(alunnoProgressi_, &QComboBox::currentIndexChanged, this,
            &VistaRegistro::mostraProgressi);
    return scheda;
}

qint64 VistaRegistro::classe() const {
    return classi_->currentData().toLongLong();
}

void VistaRegistro::scegliClasse(int indice) {
    classi_->setCurrentIndex(indice);
}

void VistaRegistro::aggiornaClassi() {
    const QString prima = classi_->currentText();
    const QSignalBlocker blocco(classi_);
    classi_->clear();
    for (const Classe& c : registro_.classi())
        classi_->addItem(c.nome, c.id);
    classi_->setCurrentIndex(std::max(0, classi_->findText(prima)));
    aggiorna();
}

void VistaRegistro::aggiorna() {
    // The lists of this class's answers; the one chosen kept if it has it.
    const QString scelto = elenco_->currentData().toString();
    elenco_->clear();
    elenco_->addItem(QStringLiteral("tutti gli elenchi"), QString());
    for (const auto& [chiave, nome] :
         Interrogazioni::elenchiDelleRisposte(registro_.dbVista(), classe()))
        elenco_->addItem(nome, chiave);
    elenco_->setCurrentIndex(std::max(0, elenco_->findData(scelto)));
    riempiParole(parole_,
                 Interrogazioni::paroleSbagliate(registro_.dbVista(), classe(), 0, filtroParole()));
    alunni_->clear();
    alunni_->setHorizontalHeaderLabels(
        {"Alunno", "Esercizio", "Voci provate", "Esatte al primo tentativo", "Ultima volta"});
    for (const auto& r : Interrogazioni::alunniPerEsercizio(registro_.dbVista(), classe())) {
        QStandardItem* nome = testo(r.nome);
        nome->setData(r.alunno, TabelleVista::kRuoloIdRiga);
        alunni_->appendRow(
            {nome, testo(r.esercizio), numero(r.voci), numero(r.esatteAlPrimo), momento(r.ultima)});
    }
    ordinabile(alunni_);
    const QSignalBlocker blocco(alunnoProgressi_);
    alunnoProgressi_->clear();
    for (const Classe& c : registro_.classi())
        if (c.id == classe())
            for (const Alunno& a : c.alunni)
                alunnoProgressi_->addItem(a.nome, a.id);
    mostraProgressi(alunnoProgressi_->currentIndex());
    aggiornaRipasso();

    // A reading that found the file damaged: set aside, and read again
    // from the new one.
    const QSqlError guasto = Interrogazioni::guasto();
    if (!rimediando_ && registro_.rimediaSeDanneggiato(guasto)) {
        rimediando_ = true;
        aggiornaClassi();
        rimediando_ = false;
        return;
    }
    const QString avviso = registro_.avviso();
    testoAvviso_->setText(avviso);
    avviso_->setVisible(!avviso.isEmpty());
    QStringList righe;
    const ScrittoreRegistro::Stato attesa = registro_.scrittore().stato();
    if (attesa.inAttesa > 0)
        righe << QStringLiteral("Risposte in attesa di essere scritte: %1 (%2). Vengono scritte "
                                "appena il file del registro torna scrivibile.")
                     .arg(attesa.inAttesa)
                     .arg(attesa.motivo.isEmpty() ? QStringLiteral("in corso") : attesa.motivo);
    if (MittenteRegistro* mittente = registro_.mittente()) {
        // This PC's own count is known even with the server away.
        const MittenteRegistro::Stato invio = mittente->stato();
        righe << (invio.inAttesa == 0
                      ? QStringLiteral("Tutte le risposte di questo computer sono sul server.")
                      : QStringLiteral("Risposte di questo computer in attesa del server: %1%2.")
                            .arg(invio.inAttesa)
                            .arg(invio.motivo.isEmpty()
                                     ? QString()
                                     : QStringLiteral(" (%1)").arg(invio.motivo)));
        if (!registro_.erroreServer().isEmpty())
            righe << QStringLiteral("Il server della scuola non risponde: le tabelle sono vuote "
                                    "e le classi sono quelle lette l'ultima volta (%1).")
                         .arg(registro_.erroreServer());
        else if (guasto.isValid())
            righe << QStringLiteral("Una lettura dal server della scuola non è riuscita: le "
                                    "tabelle possono essere incomplete (%1).")
                         .arg(ServerRegistro::motivo(guasto.text()));
        QStringList altri;
        for (const Registro::AttesaPc& pc : registro_.atteseDeiPc())
            if (pc.inAttesa > 0)
                altri << QStringLiteral("%1: %2 (detto alle %3)")
                             .arg(pc.nome)
                             .arg(pc.inAttesa)
                             .arg(TabelleVista::data(pc.aggiornato));
        if (!altri.isEmpty())
            righe << QStringLiteral("Computer con risposte in attesa del server: %1.")
                         .arg(altri.join(QStringLiteral("; ")));
        else if (registro_.erroreServer().isEmpty())
            righe << QStringLiteral("Nessun computer ha detto di avere risposte in attesa.");
    }
    righe << QStringLiteral("File del registro: %1").arg(registro_.percorsoFile());
    stato_->setText(righe.join(u'\n'));
}

void VistaRegistro::mostraProgressi(int riga) {
    const auto settimane =
        riga < 0 ? QList<Interrogazioni::Settimana>{}
                 : Interrogazioni::progressi(registro_.dbVista(),
                                             alunnoProgressi_->itemData(riga).toLongLong());
    grafico_->mostra(settimane);
    settimane_->clear();
    settimane_->setHorizontalHeaderLabels({"Settimana dal", "Risposte", "Esatte", "% esatte"});
    for (const auto& s : settimane) {
        auto* giorno = new QStandardItem(s.lunedi.toString(QStringLiteral("dd/MM/yyyy")));
        giorno->setData(s.lunedi.toJulianDay(), Qt::UserRole);
        settimane_->appendRow({giorno, numero(s.risposte), numero(s.esatte),
                               numero(s.risposte ? s.esatte * 100 / s.risposte : 0)});
    }
    ordinabile(settimane_);
    // Wide enough for its dates whole, whatever the splitter was left at.
    QHeaderView* colonne = tabellaSettimane_->horizontalHeader();
    colonne->resizeSections(QHeaderView::ResizeToContents);
    tabellaSettimane_->setMinimumWidth(colonne->length() + 2 * tabellaSettimane_->frameWidth() +
                                       tabellaSettimane_->verticalScrollBar()->sizeHint().width());
}

QDialog* VistaRegistro::paroleDellAlunno(qint64 alunno, const QString& nome) {
    auto* finestra = new QDialog(this);
    const QString chi = QStringLiteral("%1 (%2)").arg(nome, classi_->currentText());
    finestra->setWindowTitle(QStringLiteral("Vocario – Parole sbagliate da %1").arg(chi));
    finestra->setObjectName(QStringLiteral("ParoleDellAlunno"));
    auto* colonna = new QVBoxLayout(finestra);
    // Every word the pupil missed, even once, over the view's period.
    const Interrogazioni::FiltroParole filtro{.da = filtroParole().da, .almeno = 1};
    const bool sempre = Periodo(periodo_->currentData().toInt()) == Periodo::Sempre;
    auto* intestazione =
        new QLabel(QStringLiteral("Le parole che %1 ha sbagliato%2, con le "
                                  "risposte che ha dato.")
                       .arg(chi, sempre ? QString() : u' ' + periodo_->currentText()),
                   finestra);
    intestazione->setWordWrap(true);
    colonna->addWidget(intestazione);
    auto* modello = new QStandardItemModel(finestra);
    riempiParole(modello, Interrogazioni::paroleSbagliate(registro_.dbVista(), 0, alunno, filtro),
                 true);
    colonna->addWidget(
        tabella(modello, QStringLiteral("Parole sbagliate da %1").arg(nome), finestra, {0, 4}));
    auto* chiudi = new QDialogButtonBox(QDialogButtonBox::Close, finestra);
    chiudi->button(QDialogButtonBox::Close)->setText(QStringLiteral("Chiudi"));
    connect(chiudi, &QDialogButtonBox::rejected, finestra, &QDialog::reject);
    colonna->addWidget(chiudi);
    finestra->resize(900, 440);
    return finestra;
}

} // namespace vocario
