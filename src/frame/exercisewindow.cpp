#include "exercisewindow.h"

#include "access/doubleclickguard.h"
#include "access/keyboardaccess.h"
#include "access/pickandplace.h"
#include "access/screenorder.h"
#include "accessibilita.h"
#include "colours/colori.h"
#include "colours/contrasto.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "core/cartelleelenchi.h"
#include "core/registrazione.h"
#include "geometry/design.h"
#include "layouts/designlabel.h"
#include "layouts/designtextbox.h"
#include "messaggi.h"
#include "percorso.h"
#include "sound/suoni.h"
#include "wordlists/listmessages.h"

#include <QActionGroup>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <chrono>

namespace vocario {
namespace {

constexpr qint16 kMaxCount = 32767;
// Time for the window to be painted; far less than a pupil takes to answer.
constexpr std::chrono::milliseconds kRitardoSuoni{150};

// A count stops at its largest value instead of wrapping to a negative one.
qint16 raised(qint16 count) {
    return count < kMaxCount ? qint16(count + 1) : count;
}

QString withBlanks(const char* caption, int blanks) {
    return QString::fromUtf8(caption) + QString(blanks, u' ');
}

} // namespace

ExerciseWindow::ExerciseWindow(AppState& stato, const ExerciseEntry& entry, FrameTraits traits)
    : VocarioWindow(entry.design(), stato, BarraDeiMenu::Con), entry_(entry),
      traits_(std::move(traits)) {
    bottoneAvanti_ = control<QPushButton>(QStringLiteral("BottoneAvanti"));
    etichettaEsatti_ = control<QLabel>(QStringLiteral("EtichettaEsatti"));
    etichettaErrati_ = control<QLabel>(QStringLiteral("EtichettaErrati"));
    comandoIconaSi_ = control(QStringLiteral("ComandoIconaSi"));
    comandoIconaNo_ = control(QStringLiteral("ComandoIconaNo"));
    // The labels that paint no background of their own are texts on the
    // window's: a wrong answer turns them white, so that they stay readable
    // on black, and every new colour turns them black again (white on the few
    // colours where black is hard to read).
    for (const ControlDesign& row : entry.design().controls) {
        if (row.kind != ControlKind::Label || !(row.look & Transparent))
            continue;
        const QString name = QString::fromLatin1(row.name);
        if (row.count == 0)
            testiSulloSfondo_ << control(name);
        for (int i = 0; i < row.count; ++i)
            testiSulloSfondo_ << member(name, i);
    }
    // Before the first answer the laughing face greets the pupil.
    comandoIconaSi_->raise();
    connect(bottoneAvanti_, &QPushButton::clicked, this, &ExerciseWindow::BottoneAvanti_Click);
    // What a taskbar and a window switcher show: the exercise, as the menu names it.
    setWindowTitle(QStringLiteral("Vocario – ") + Accessibilita::didascaliaMenu(entry.menuButton));
    buildMenuBar();
    fixSize();
    // Esc leaves the menu bar, puts a picked word back, or asks what "Esci" asks.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        if (auto* keys = findChild<KeyboardAccess*>(); keys && keys->menuBarHasFocus())
            return keys->leaveMenuBar();
        if (auto* pick = findChild<PickAndPlace*>(); pick && pick->putBack())
            return;
        mnuEsci_Click();
    });
    Accessibilita::Cronaca* cronaca =
        Accessibilita::preparaEsercizio(this, {.menuButton = entry.menuButton,
                                               .testoTurno = [this] { return testoTurno(); },
                                               .esatti = etichettaEsatti_,
                                               .errati = etichettaErrati_});
    connect(this, &ExerciseWindow::risposta, cronaca,
            [cronaca](const Verdetto& verdetto) { cronaca->risposta(verdetto.esatta); });
    connect(this, &ExerciseWindow::turnoConcluso, cronaca, &Accessibilita::Cronaca::turnoConcluso);
    connect(this, &ExerciseWindow::turnoPreparato, cronaca,
            &Accessibilita::Cronaca::turnoPreparato);
}

ExerciseWindow::~ExerciseWindow() {
    if (aperto_ && stato_.registrazione)
        stato_.registrazione->esercizioLasciato();
}

void ExerciseWindow::buildMenuBar() {
    QMenuBar* bar = menuBar();
    QAction* azzera = bar->addAction(withBlanks("Azzera conteggio", 10));
    azzera->setObjectName(QStringLiteral("MenuAzzera"));
    connect(azzera, &QAction::triggered, this, &ExerciseWindow::MenuAzzera_Click);

    if (traits_.hasSoundMenu) {
        QMenu* suono = bar->addMenu(withBlanks("Suono?", 10));
        suono->setObjectName(QStringLiteral("mnuSuono"));
        suono->menuAction()->setObjectName(QStringLiteral("mnuSuono"));
        auto* group = new QActionGroup(suono);
        mnuSuonoSi_ = suono->addAction(QStringLiteral("sì"));
        QAction* no = suono->addAction(QStringLiteral("no"));
        mnuSuonoSi_->setObjectName(QStringLiteral("mnuSuonoSi"));
        no->setObjectName(QStringLiteral("mnuSuonoNo"));
        for (QAction* choice : {mnuSuonoSi_, no}) {
            choice->setCheckable(true);
            group->addAction(choice);
        }
        mnuSuonoSi_->setChecked(true);
    }

    // The two boxes open after the action has returned: an assistive
    // technology that presses the item gets its reply at once, not when the
    // box is closed. A second press while a box is open asks nothing more.
    QAction* info = bar->addAction(withBlanks("Informazioni", traits_.informazioniBlanks));
    info->setObjectName(QStringLiteral("MenuInformazioni"));
    connect(
        info, &QAction::triggered, this,
        [this] {
            if (!QApplication::activeModalWidget())
                Messaggi::MostraInformazioni(this);
        },
        Qt::QueuedConnection);

    QAction* esci = bar->addAction(QStringLiteral("Esci"));
    esci->setObjectName(QStringLiteral("mnuEsci"));
    connect(
        esci, &QAction::triggered, this,
        [this] {
            if (!QApplication::activeModalWidget())
                mnuEsci_Click();
        },
        Qt::QueuedConnection);
}

QString ExerciseWindow::testoConteggio(qint16 count) {
    return u' ' + QString::number(count);
}

bool ExerciseWindow::suonoAttivo() const {
    return !traits_.hasSoundMenu || (mnuSuonoSi_ && mnuSuonoSi_->isChecked());
}

bool ExerciseWindow::avantiVisibile() const {
    return !bottoneAvanti_->isHidden();
}

std::optional<QString> ExerciseWindow::passiDiCaricamento() {
    bottoneAvanti_->setVisible(stato_.AttendeBottone != 0);
    etichettaEsatti_->setText(QStringLiteral("0"));
    etichettaErrati_->setText(QStringLiteral("0"));
    primaDellaLettura();
    if (std::optional<QString> problem = leggiElenco())
        return problem;
    nuovoTurno();
    daUltimaRisposta_.start();
    return std::nullopt;
}

bool ExerciseWindow::apri(QWidget* refusalParent) {
    if (!traits_.preparesOnActivation)
        refusal_ = passiDiCaricamento();
    if (!refusal_)
        show(); // a window that prepares on activation does it here
    if (refusal_) {
        hide();
        Messaggi::avvisa(refusalParent, *refusal_);
        return false;
    }
    if (stato_.registrazione) {
        aperto_ = true;
        // Each list of the window on its own: Form3 may have the teacher's
        // synonyms and the program's antonyms.
        for (const ListNeed& need : entry_.lists)
            if (QFileInfo::exists(CartelleElenchi::insegnante(stato_) + u'/' + need.file))
                elenchiInsegnante_ << need.file;
        stato_.registrazione->esercizioAperto(QLatin1String(entry_.nome));
    }
    return true;
}

void ExerciseWindow::showEvent(QShowEvent* event) {
    VocarioWindow::showEvent(event);
    // The sound output (Qt Multimedia and the sound server's libraries,
    // about 3.7 MB) is needed at the first answer: it loads once the first
    // exercise is on the screen, not with the start screen. An answer given
    // sooner loads it on the spot.
    if (!stato_.suono)
        QTimer::singleShot(kRitardoSuoni, this, [this] { Suoni::preparaUscita(stato_); });
    // The program shows one window at a time, so this window becomes the
    // active one exactly once per opening: message boxes over it do not count.
    if (traits_.preparesOnActivation && !activated_) {
        activated_ = true;
        refusal_ = passiDiCaricamento();
    }
}

void ExerciseWindow::CaricaColori() {
    VocarioWindow::CaricaColori();
    coloraTesti(Contrasto::testoSuBgr(backColour()));
}

void ExerciseWindow::coloraTesti(quint32 bgr) {
    for (QWidget* testo : std::as_const(testiSulloSfondo_))
        setForeColour(testo, bgr);
}

void ExerciseWindow::RispostaEsatta(const Verdetto& verdetto) {
    Q_ASSERT(verdetto.esatta);
    comandoIconaSi_->show();
    comandoIconaNo_->hide();
    if (verdetto.conta)
        stato_.NumeroEsatti = raised(stato_.NumeroEsatti);
    etichettaEsatti_->setText(testoConteggio(stato_.NumeroEsatti));
    if (suonoAttivo())
        Suoni::SuonoEsatto(stato_);
    registra(verdetto);
    emit risposta(verdetto);
}

void ExerciseWindow::RispostaErrata(const Verdetto& verdetto) {
    Q_ASSERT(!verdetto.esatta && verdetto.conta);
    comandoIconaNo_->show();
    comandoIconaSi_->hide();
    stato_.NumeroErrati = raised(stato_.NumeroErrati);
    etichettaErrati_->setText(testoConteggio(stato_.NumeroErrati));
    setBackColour(Colori::Nero);
    if (suonoAttivo())
        Suoni::SuonoErrato(stato_);
    coloraTesti(Colori::Bianco);
    registra(verdetto);
    emit risposta(verdetto);
}

void ExerciseWindow::registra(const Verdetto& verdetto) {
    // The register keeps what the screen counts, no more: a word of Form7
    // put in place before the item is finished shows a picture, not a count.
    if (!stato_.registrazione || !verdetto.conta)
        return;
    stato_.registrazione->risposta(
        {.esercizio = QLatin1String(entry_.nome),
         .voce = verdetto.voce.testo(),
         .file = verdetto.voce.elenco,
         .elencoInsegnante = elenchiInsegnante_.contains(verdetto.voce.elenco),
         .dato = verdetto.dato,
         .esatta = verdetto.esatta,
         .secondi = daUltimaRisposta_.elapsed() / 1000.0});
    daUltimaRisposta_.start();
}

void ExerciseWindow::RipristinaSfondo() {
    if (backColour() == Colori::Nero)
        CaricaColori();
}

void ExerciseWindow::PassaAvanti(QWidget* premuto) {
    if (avantiVisibile()) {
        bottoneAvanti_->setEnabled(true);
        // From the keyboard, "avanti" is the next thing to press.
        if (centralWidget()->isAncestorOf(QApplication::focusWidget()))
            bottoneAvanti_->setFocus(Qt::OtherFocusReason);
        bloccaRisposte(premuto);
    } else {
        nuovoTurno();
        daUltimaRisposta_.start();
        DoubleClickGuard::contentReplaced();
    }
}

QString ExerciseWindow::testoTurno() const {
    QStringList words;
    bool toPlace = false;
    for (QWidget* control : ScreenOrder::focusChainOf(centralWidget()))
        if (auto* label = qobject_cast<DesignLabel*>(control); label && !label->acceptDrops()) {
            words.append(label->text().simplified());
            toPlace = toPlace || label->isDraggable();
        }
    if (words.isEmpty())
        return {};
    return (toPlace ? QStringLiteral("parole da posare: ") : QStringLiteral("parole: ")) +
           words.join(QStringLiteral(", "));
}

void ExerciseWindow::nuovoTurno() {
    emit turnoConcluso();
    PreparaTurno();
    emit turnoPreparato();
}

void ExerciseWindow::BottoneAvanti_Click() {
    const bool dallaTastiera = bottoneAvanti_->hasFocus();
    bottoneAvanti_->setEnabled(false);
    riapriRisposte();
    nuovoTurno();
    daUltimaRisposta_.start();
    DoubleClickGuard::contentReplaced();
    if (dallaTastiera)
        focusSullaPrimaRisposta();
}

void ExerciseWindow::focusSullaPrimaRisposta() {
    // The disabled "avanti" would leave the keyboard nowhere: it goes on to
    // the first answer of the new item (not the item's own text box).
    KeyboardAccess::beforeFocusMove(this);
    for (QWidget* control : ScreenOrder::focusChainOf(centralWidget()))
        if (!qobject_cast<DesignTextBox*>(control)) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
}

void ExerciseWindow::MenuAzzera_Click() {
    etichettaEsatti_->setText(QStringLiteral("0"));
    etichettaErrati_->setText(QStringLiteral("0"));
    stato_.NumeroEsatti = 0;
    stato_.NumeroErrati = 0;
}

void ExerciseWindow::mnuEsci_Click() {
    if (!Messaggi::chiediSiNo(this, QStringLiteral("Vuoi tornare al menù?")))
        return;
    stato_.NumeroEsatti = 0;
    stato_.NumeroErrati = 0;
    Percorso::mostraMenu(this);
}

SceltaVoci* ExerciseWindow::sceltaDelRipasso() const {
    return stato_.registrazione ? stato_.registrazione->ripasso(QLatin1String(entry_.nome))
                                : nullptr;
}

WordListReader ExerciseWindow::lettoreElenchi() const {
    return CartelleElenchi::lettoreElenchi(stato_);
}

QString ExerciseWindow::nomeElenco(int k) const {
    return CartelleElenchi::lettoreElenchi(stato_).shownNameOf(elenco(k).file);
}

std::optional<QString> ExerciseWindow::elencoTroppoCorto(int records, int k) const {
    // Fewer records than an item needs would make a deal search for different
    // records for ever, or show words the list never held.
    if (records >= elenco(k).minRecords)
        return std::nullopt;
    return ListMessages::tooFewRecords(nomeElenco(k), records, elenco(k).minRecords,
                                       QStringLiteral("questo esercizio"));
}

} // namespace vocario
