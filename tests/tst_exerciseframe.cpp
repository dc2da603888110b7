#include "exercisecatalogue.h"
#include "messageboxanswerer.h"
#include "testenvironment.h"

#include "app/formmenu.h"
#include "app/navigazione.h"
#include "colours/bgrcolour.h"
#include "colours/colori.h"
#include "colours/contrasto.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "designs/design_form1.h"
#include "designs/designs.h"
#include "exercises/choice/form3sinonimicontrari.h"
#include "exercises/matching/dragmatchwindow.h"
#include "frame/exercisewindow.h"
#include "layouts/controlnames.h"
#include "layouts/designlabel.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

namespace {

// Verdicts as a model gives them; the frame shows and counts them.
const Verdetto kGiusta{.esatta = true};
const Verdetto kSbagliata{};
const Verdetto kGiustaNonContata{.esatta = true, .conta = false};

const ExerciseEntry& probeEntry() {
    static const ExerciseEntry entry{.menuButton = "Command2", .design = designForm1};
    return entry;
}

/// A minimal exercise on Form1's design: it records what the frame asks of it.
class ProbeExercise : public ExerciseWindow {
  public:
    explicit ProbeExercise(AppState& state, FrameTraits traits = {},
                           std::optional<QString> refusal = {})
        : ExerciseWindow(state, probeEntry(), std::move(traits)), refusal_(std::move(refusal)) {}

    std::optional<QString> leggiElenco() override {
        calls << QStringLiteral("leggi");
        return refusal_;
    }
    void PreparaTurno() override {
        calls << QStringLiteral("prepara");
        CaricaColori();
    }
    void bloccaRisposte(QWidget* premuto) override {
        calls << QStringLiteral("blocca:") + (premuto ? premuto->objectName() : QString());
    }
    void riapriRisposte() override { calls << QStringLiteral("riapri"); }

    QStringList calls;

  private:
    std::optional<QString> refusal_;
};

QAction* action(QWidget* window, const char* name) {
    return window->findChild<QAction*>(QLatin1String(name));
}

QString labelText(ExerciseWindow* window, const char* name) {
    return window->control<QLabel>(QLatin1String(name))->text();
}

} // namespace

class ExerciseFrameTest : public QObject {
    Q_OBJECT
  private slots:
    void loadShowsOrHidesAvantiAndZeroesTheCountLabels_data();
    void loadShowsOrHidesAvantiAndZeroesTheCountLabels();
    void menuBarHasTheExactCaptions();
    void windowWithoutSoundMenuAlwaysPlays();
    void rightAndWrongAnswersShowPictureCountAndSound();
    void wrongAnswerBlackensAndRipristinaSfondoBringsAColourBack();
    void whiteTextsTurnBlackWithTheNextColour();
    void countsStopAtTheirLargestValue();
    void passaAvantiWaitsWithLockOrDealsAtOnce();
    void azzeraResetsCountsAndLabelsOnly();
    void soundTickSilencesAndIsOnAgainInTheNextWindow();
    void esciAnsweredNoKeepsEverythingAndSiReturnsToTheMenu();
    void refusedWindowLeavesTheMenuWithTheReason();
    void activationStepsRunOncePerOpening();
    void everyMenuButtonOpensItsExerciseWindow();
    void theMenuBarIsReachedByF10AndAltAndWalkedWithArrows();
    void textsOnTheBackgroundAreReadableOnBlackAndOnEveryColour();
    void lockedAnswersKeepReadableCaptions();
    void screenReadersFindItalianNamesInReadingOrder();
};

void ExerciseFrameTest::loadShowsOrHidesAvantiAndZeroesTheCountLabels_data() {
    QTest::addColumn<int>("attende");
    QTest::newRow("waits for avanti") << -1;
    QTest::newRow("moves on by itself") << 0;
}

void ExerciseFrameTest::loadShowsOrHidesAvantiAndZeroesTheCountLabels() {
    QFETCH(int, attende);
    TestEnvironment env;
    env.state.AttendeBottone = qint16(attende);
    env.scriptRandom({pickWhole(4, 18)});
    auto* window = new ProbeExercise(env.state);
    QVERIFY(window->apri(nullptr));
    QCOMPARE(window->calls, (QStringList{"leggi", "prepara"}));
    QCOMPARE(window->avantiVisibile(), attende != 0);
    QCOMPARE(window->bottoneAvanti()->isVisible(), attende != 0);
    QVERIFY(!window->bottoneAvanti()->isEnabled());
    QCOMPARE(labelText(window, "EtichettaEsatti"), QStringLiteral("0"));
    QCOMPARE(labelText(window, "EtichettaErrati"), QStringLiteral("0"));
    QCOMPARE(window->backColour(), quint32(0x80C0FF));
    QCOMPARE(window->windowTitle(), QStringLiteral("Vocario – abbina contrari"));
    QCOMPARE(window->centralWidget()->size(), QSize(687, 513));
    // Both pictures share one rectangle.
    QCOMPARE(window->control(QStringLiteral("ComandoIconaSi"))->geometry(),
             window->control(QStringLiteral("ComandoIconaNo"))->geometry());
}

void ExerciseFrameTest::menuBarHasTheExactCaptions() {
    TestEnvironment env;
    FrameTraits form8;
    form8.informazioniBlanks = 10;
    auto* window = new ProbeExercise(env.state, form8);
    const QList<QAction*> items = window->menuBar()->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0]->text(), QStringLiteral("Azzera conteggio          "));
    QCOMPARE(items[1]->text(), QStringLiteral("Suono?          "));
    QCOMPARE(items[2]->text(), QStringLiteral("Informazioni          "));
    QCOMPARE(items[3]->text(), QStringLiteral("Esci"));
    QCOMPARE(action(window, "mnuSuonoSi")->text(), QStringLiteral("sì"));
    QVERIFY(action(window, "mnuSuonoSi")->isChecked());
    QVERIFY(!action(window, "mnuSuonoNo")->isChecked());
    QCOMPARE(ProbeExercise(env.state).menuBar()->actions()[2]->text(),
             QStringLiteral("Informazioni           "));
}

void ExerciseFrameTest::windowWithoutSoundMenuAlwaysPlays() {
    TestEnvironment env;
    FrameTraits form2;
    form2.hasSoundMenu = false;
    auto* window = new ProbeExercise(env.state, form2);
    QCOMPARE(window->menuBar()->actions().size(), 3);
    QVERIFY(!action(window, "mnuSuonoSi"));
    QVERIFY(window->suonoAttivo());
    env.scriptRandom({pickWhole(2, 4)});
    window->RispostaEsatta(kGiusta);
    window->RispostaErrata(kSbagliata);
    QCOMPARE(env.sound->playedNames(), (QStringList{"si2.wav", "no.wav"}));
}

void ExerciseFrameTest::rightAndWrongAnswersShowPictureCountAndSound() {
    TestEnvironment env;
    auto* window = new ProbeExercise(env.state);
    window->show();
    QWidget* si = window->control(QStringLiteral("ComandoIconaSi"));
    QWidget* no = window->control(QStringLiteral("ComandoIconaNo"));
    env.scriptRandom({pickWhole(3, 4), pickWhole(1, 4)});
    window->RispostaEsatta(kGiusta);
    QVERIFY(si->isVisible());
    QVERIFY(!no->isVisible());
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(labelText(window, "EtichettaEsatti"), QStringLiteral(" 1"));
    window->RispostaErrata(kSbagliata);
    window->RispostaErrata(kSbagliata);
    QVERIFY(no->isVisible());
    QVERIFY(!si->isVisible());
    QCOMPARE(labelText(window, "EtichettaErrati"), QStringLiteral(" 2"));
    window->RispostaEsatta(kGiustaNonContata); // a count of finished items shows, unchanged
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(labelText(window, "EtichettaEsatti"), QStringLiteral(" 1"));
    QCOMPARE(env.sound->playedNames(), (QStringList{"si3.wav", "no.wav", "no.wav", "si1.wav"}));
}

void ExerciseFrameTest::wrongAnswerBlackensAndRipristinaSfondoBringsAColourBack() {
    TestEnvironment env;
    auto* window = new ProbeExercise(env.state);
    env.scriptRandom({pickWhole(6, 18)});
    window->RipristinaSfondo(); // not black: no draw, no change
    QCOMPARE(window->backColour(), quint32(0x0080FF));
    window->RispostaErrata(kSbagliata);
    QCOMPARE(window->backColour(), Colori::Nero);
    QCOMPARE(window->centralWidget()->palette().color(QPalette::Window), QColor(Qt::black));
    window->RipristinaSfondo();
    QCOMPARE(window->backColour(), quint32(0xC0FFFF));
}

void ExerciseFrameTest::whiteTextsTurnBlackWithTheNextColour() {
    TestEnvironment env;
    auto* window = new ProbeExercise(env.state);
    QWidget* label1 = window->control(QStringLiteral("Label1"));
    env.scriptRandom({pickWhole(1, 18)});
    window->RispostaErrata(kSbagliata);
    // The texts on the window's own background turn white, the words on
    // their white boxes do not.
    for (const char* name : {"Label1", "Label2", "Label5", "EtichettaEsatti", "EtichettaErrati"})
        QVERIFY2(foreColour(window->control(QLatin1String(name))) == Colori::Bianco, name);
    QCOMPARE(foreColour(window->control(QStringLiteral("Label4(0)"))), Colori::Nero);
    window->CaricaColori();
    QCOMPARE(foreColour(label1), Colori::Nero);
}

void ExerciseFrameTest::countsStopAtTheirLargestValue() {
    TestEnvironment env;
    auto* window = new ProbeExercise(env.state);
    window->findChild<QAction*>(QStringLiteral("mnuSuonoNo"))->trigger();
    env.state.NumeroEsatti = 32766;
    env.state.NumeroErrati = 32767;
    window->RispostaEsatta(kGiusta);
    window->RispostaEsatta(kGiusta);
    window->RispostaErrata(kSbagliata);
    QCOMPARE(env.state.NumeroEsatti, qint16(32767));
    QCOMPARE(env.state.NumeroErrati, qint16(32767));
    QCOMPARE(labelText(window, "EtichettaEsatti"), QStringLiteral(" 32767"));
    QCOMPARE(ExerciseWindow::testoConteggio(27), QStringLiteral(" 27"));
}

void ExerciseFrameTest::passaAvantiWaitsWithLockOrDealsAtOnce() {
    TestEnvironment env;
    env.state.AttendeBottone = -1;
    env.scriptRandom({pickWhole(1, 18), pickWhole(2, 18), pickWhole(3, 18), pickWhole(4, 18)});
    auto* waiting = new ProbeExercise(env.state);
    QVERIFY(waiting->apri(nullptr));
    QWidget* pressed = waiting->control(QStringLiteral("Label4(2)"));
    waiting->PassaAvanti(pressed);
    QVERIFY(waiting->bottoneAvanti()->isEnabled());
    QCOMPARE(waiting->calls.last(), QStringLiteral("blocca:Label4(2)"));
    QTest::mouseClick(waiting->bottoneAvanti(), Qt::LeftButton);
    QVERIFY(!waiting->bottoneAvanti()->isEnabled());
    QCOMPARE(waiting->calls.mid(3), (QStringList{"riapri", "prepara"}));
    QCOMPARE(waiting->backColour(), quint32(0x8080FF));

    waiting->close();
    env.state.AttendeBottone = 0;
    auto* moving = new ProbeExercise(env.state);
    QVERIFY(moving->apri(nullptr));
    moving->PassaAvanti(nullptr);
    QCOMPARE(moving->calls, (QStringList{"leggi", "prepara", "prepara"}));
    QVERIFY(!moving->bottoneAvanti()->isEnabled());
    QVERIFY(moving->bottoneAvanti()->isHidden());
}

void ExerciseFrameTest::azzeraResetsCountsAndLabelsOnly() {
    TestEnvironment env;
    auto* window = new ProbeExercise(env.state);
    window->findChild<QAction*>(QStringLiteral("mnuSuonoNo"))->trigger();
    window->RispostaEsatta(kGiusta);
    window->RispostaErrata(kSbagliata);
    action(window, "MenuAzzera")->trigger();
    QCOMPARE(env.state.NumeroEsatti, qint16(0));
    QCOMPARE(env.state.NumeroErrati, qint16(0));
    QCOMPARE(labelText(window, "EtichettaEsatti"), QStringLiteral("0"));
    QCOMPARE(labelText(window, "EtichettaErrati"), QStringLiteral("0"));
    QCOMPARE(window->backColour(), Colori::Nero); // the background stays as it was
    window->RispostaEsatta(kGiusta);
    QCOMPARE(labelText(window, "EtichettaEsatti"), QStringLiteral(" 1"));
}

void ExerciseFrameTest::soundTickSilencesAndIsOnAgainInTheNextWindow() {
    TestEnvironment env;
    auto* first = new ProbeExercise(env.state);
    action(first, "mnuSuonoNo")->trigger();
    QVERIFY(!action(first, "mnuSuonoSi")->isChecked());
    QVERIFY(action(first, "mnuSuonoNo")->isChecked());
    first->RispostaEsatta(kGiusta);
    first->RispostaErrata(kSbagliata);
    QVERIFY(env.sound->played.isEmpty());
    action(first, "mnuSuonoSi")->trigger();
    QVERIFY(!action(first, "mnuSuonoNo")->isChecked());
    first->close();
    auto* second = new ProbeExercise(env.state);
    QVERIFY(second->suonoAttivo());
    second->RispostaErrata(kSbagliata);
    QCOMPARE(env.sound->playedNames(), QStringList{"no.wav"});
}

void ExerciseFrameTest::esciAnsweredNoKeepsEverythingAndSiReturnsToTheMenu() {
    TestEnvironment env;
    env.state.AttendeBottone = 0;
    auto* window = new ProbeExercise(env.state);
    QVERIFY(window->apri(nullptr));
    action(window, "mnuSuonoNo")->trigger();
    window->RispostaEsatta(kGiusta);
    window->RispostaErrata(kSbagliata);
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("No"));
    action(window, "mnuEsci")->trigger();
    QVERIFY(answerer.texts().isEmpty()); // the action returned before the box opened
    QVERIFY(answerer.waitUntilAnswered());
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Vuoi tornare al menù?")});
    QVERIFY(window->isVisible());
    QCOMPARE(env.state.NumeroEsatti, qint16(1));
    QCOMPARE(labelText(window, "EtichettaErrati"), QStringLiteral(" 1"));

    answerer.answerNext(QStringLiteral("Sì"));
    action(window, "mnuEsci")->trigger();
    QVERIFY(answerer.waitUntilAnswered());
    QCOMPARE(env.state.NumeroEsatti, qint16(0));
    QCOMPARE(env.state.NumeroErrati, qint16(0));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QWidget*> windows = TestEnvironment::visibleWindows();
    QCOMPARE(windows.size(), 1);
    auto* menu = qobject_cast<FormMenu*>(windows.first());
    QVERIFY(menu);
    QVERIFY(menu->member<QRadioButton>(QStringLiteral("Option1"), 0)->isChecked());
}

void ExerciseFrameTest::refusedWindowLeavesTheMenuWithTheReason() {
    TestEnvironment env;
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    auto* window =
        new ProbeExercise(env.state, {}, QStringLiteral("Non trovo il file testi/x.txt."));
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    QVERIFY(!window->apri(menu));
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Non trovo il file testi/x.txt.")});
    QVERIFY(!window->isVisible());
    QCOMPARE(window->calls, QStringList{"leggi"});
    QVERIFY(menu->isVisible());
    delete window;
}

void ExerciseFrameTest::activationStepsRunOncePerOpening() {
    TestEnvironment env;
    FrameTraits form2;
    form2.preparesOnActivation = true;
    auto* window = new ProbeExercise(env.state, form2);
    QVERIFY(window->calls.isEmpty());
    QVERIFY(window->apri(nullptr));
    QCOMPARE(window->calls, (QStringList{"leggi", "prepara"}));
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    action(window, "MenuInformazioni")->trigger();
    QVERIFY(answerer.waitUntilAnswered());
    QCOMPARE(answerer.texts().size(), 1);
    window->hide();
    window->show();
    QCOMPARE(window->calls, (QStringList{"leggi", "prepara"}));
}

void ExerciseFrameTest::everyMenuButtonOpensItsExerciseWindow() {
    TestEnvironment env;
    env.useShippedLists();
    for (int numero = 1; numero <= exerciseCount(); ++numero) {
        FormMenu* menu = Navigazione::mostraMenu(nullptr);
        auto* button = menu->control<QPushButton>(exerciseMenuButton(numero));
        const QString caption = button->text();
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QList<QWidget*> windows = TestEnvironment::visibleWindows();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows.first()->objectName(), exerciseWindowName(numero));
        // Titled as the menu names it: a taskbar tells the exercises apart.
        QCOMPARE(windows.first()->windowTitle(), QStringLiteral("Vocario – ") + caption);
        TestEnvironment::closeAllWindows();
    }
}

void ExerciseFrameTest::theMenuBarIsReachedByF10AndAltAndWalkedWithArrows() {
    TestEnvironment env;
    env.state.AttendeBottone = 0;
    auto* window = new ProbeExercise(env.state);
    QVERIFY(window->apri(nullptr));
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWindow* keys = window->windowHandle();
    QMenuBar* bar = window->menuBar();
    QWidget* focus = QApplication::focusWidget();
    QCOMPARE(focus->objectName(), QStringLiteral("Label3(0)")); // the top left control
    window->RispostaEsatta(kGiusta);
    // F10, then the arrows to "Informazioni" and back to "Azzera conteggio".
    QTest::keyClick(keys, Qt::Key_F10);
    QVERIFY(bar->hasFocus());
    QCOMPARE(bar->activeAction(), action(window, "MenuAzzera"));
    QTest::keyClick(keys, Qt::Key_Right);
    QTest::keyClick(keys, Qt::Key_Right);
    QCOMPARE(bar->activeAction(), action(window, "MenuInformazioni"));
    QTest::keyClick(keys, Qt::Key_Left);
    QTest::keyClick(keys, Qt::Key_Left);
    QTest::keyClick(keys, Qt::Key_Return);
    QCOMPARE(labelText(window, "EtichettaEsatti"), QStringLiteral("0"));
    QCOMPARE(QApplication::focusWidget(), focus);
    // Alt alone, then Esc: back where the focus was, nothing asked.
    QTest::keyClick(keys, Qt::Key_Alt, Qt::AltModifier);
    QVERIFY(bar->hasFocus());
    QTest::keyClick(keys, Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), focus);
    QVERIFY(window->isVisible());
    // Down opens "Suono?", whose "no" Return ticks.
    QTest::keyClick(keys, Qt::Key_F10);
    QTest::keyClick(keys, Qt::Key_Right);
    QTest::keyClick(keys, Qt::Key_Down);
    QMenu* suono = window->findChild<QMenu*>(QStringLiteral("mnuSuono"));
    QTRY_VERIFY(suono->isVisible());
    for (int step = 0; step < 3 && suono->activeAction() != action(window, "mnuSuonoNo"); ++step)
        QTest::keyClick(suono, Qt::Key_Down);
    QTest::keyClick(suono, Qt::Key_Return);
    QTRY_VERIFY(action(window, "mnuSuonoNo")->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), focus);
}

namespace {

ExerciseWindow* openShown(TestEnvironment& env, int numero) {
    if (!Navigazione::apriEsercizio(numero, nullptr))
        return nullptr;
    const QList<QWidget*> windows = TestEnvironment::visibleWindows();
    return windows.size() == 1 ? qobject_cast<ExerciseWindow*>(windows.first()) : nullptr;
}

// Every text a window draws straight on its own background.
QList<QLabel*> textsOnTheBackground(ExerciseWindow* window) {
    QList<QLabel*> texts;
    for (auto* label : window->centralWidget()->findChildren<DesignLabel*>())
        if (!label->autoFillBackground() && !label->text().trimmed().isEmpty())
            texts << label;
    return texts;
}

double contrastOn(const QWidget* text, quint32 backBgr) {
    return Contrasto::rapporto(bgrToQColor(foreColour(text)), bgrToQColor(backBgr));
}

} // namespace

void ExerciseFrameTest::textsOnTheBackgroundAreReadableOnBlackAndOnEveryColour() {
    QVERIFY(qAbs(Contrasto::rapporto(Qt::black, Qt::white) - 21.0) < 1e-9);
    QVERIFY(qAbs(Contrasto::rapporto(QColor(0x76, 0x76, 0x76), Qt::white) - 4.54) < 0.01);
    QVERIFY(qAbs(Contrasto::rapporto(Qt::black, QColor(0, 0, 255)) - 2.44) < 0.01);
    TestEnvironment env;
    env.useShippedLists();
    for (int numero = 1; numero <= vocario::testing::exerciseCount(); ++numero) {
        env.state.random.seedFromClock(); // the opening draws as the program does
        ExerciseWindow* window = openShown(env, numero);
        QVERIFY(window);
        const QList<QLabel*> texts = textsOnTheBackground(window);
        QVERIFY(texts.size() >= 4); // at least the two counts and their captions
        for (int slot = 1; slot <= 18; ++slot) {
            env.scriptRandom({pickWhole(slot, 18)});
            window->CaricaColori();
            for (QLabel* text : texts)
                QVERIFY2(contrastOn(text, window->backColour()) >= Contrasto::kMinimo,
                         qPrintable(window->objectName() + u' ' + text->objectName() +
                                    QStringLiteral(" on slot %1").arg(slot)));
            env.scriptRandom({pickWhole(1, 4)});
            window->RispostaErrata(kSbagliata);
            QCOMPARE(window->backColour(), Colori::Nero);
            for (QLabel* text : texts)
                QVERIFY2(contrastOn(text, Colori::Nero) >= Contrasto::kMinimo,
                         qPrintable(window->objectName() + u' ' + text->objectName()));
        }
        TestEnvironment::closeAllWindows();
    }
}

void ExerciseFrameTest::lockedAnswersKeepReadableCaptions() {
    TestEnvironment env;
    env.useShippedLists();
    env.state.AttendeBottone = -1;
    for (int numero : {3, 4, 6, 9}) {
        ExerciseWindow* window = openShown(env, numero);
        QVERIFY(window);
        QList<QWidget*> answers;
        QString right;
        if (numero == 3) {
            answers = {window->control(QStringLiteral("Bottone1")),
                       window->control(QStringLiteral("Bottone2"))};
            right = qobject_cast<Form3SinonimiContrari*>(window)->modello().turno().giusta ==
                            ModelloSinonimiContrari::kSinonimi
                        ? QStringLiteral("Bottone1")
                        : QStringLiteral("Bottone2");
        } else {
            const QString array =
                numero == 9 ? QStringLiteral("Bottone") : QStringLiteral("Label3");
            for (int k = 0; window->hasControl(memberName(array, k)); ++k)
                answers << window->control(memberName(array, k));
            right = memberName(array, 0);
        }
        if (auto* button = window->findChild<QPushButton*>(right))
            button->click();
        else
            window->control<DesignLabel>(right)->click();
        QVERIFY(window->bottoneAvanti()->isEnabled());
        for (QWidget* answer : std::as_const(answers)) {
            QVERIFY(!answer->isEnabled());
            const bool button = qobject_cast<QPushButton*>(answer) != nullptr;
            const QPalette& palette = answer->palette();
            const QColor caption = palette.color(QPalette::Disabled, button ? QPalette::ButtonText
                                                                            : QPalette::WindowText);
            const QColor back =
                palette.color(QPalette::Disabled, button ? QPalette::Button : QPalette::Window);
            QVERIFY2(Contrasto::rapporto(caption, back) >= Contrasto::kMinimo,
                     qPrintable(window->objectName() + u' ' + answer->objectName()));
        }
        TestEnvironment::closeAllWindows();
    }
}

void ExerciseFrameTest::screenReadersFindItalianNamesInReadingOrder() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), QStringLiteral("alto, basso\naperto, chiuso\n"
                                                                 "bello, brutto\ncaldo, freddo\n"
                                                                 "dolce, amaro\nfelice, triste\n"
                                                                 "grande, piccolo\nlungo, corto\n"
                                                                 "pieno, vuoto\n"));
    env.state.random.seedFromClock();
    ExerciseWindow* window = openShown(env, 1);
    QVERIFY(window);
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
    QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("abbina contrari"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Vocario – abbina contrari"));
    QCOMPARE(frame->child(0)->role(), QAccessible::MenuBar); // it stands above the rest
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(window->centralWidget());
    QCOMPARE(frame->child(1)->object(), window->centralWidget());

    // Reading order: row by row from the top, left to right; every word and
    // place named for what it is.
    QStringList names;
    const QAccessibleInterface* previous = nullptr;
    for (int i = 0; i < client->childCount(); ++i) {
        QAccessibleInterface* child = client->child(i);
        QCOMPARE(client->indexOfChild(child), i);
        if (child->state().invisible)
            continue;
        names << child->text(QAccessible::Name);
        if (previous) {
            const QRect a = previous->rect();
            const QRect b = child->rect();
            // Right along a row, or down to the start of a lower one.
            QVERIFY2(b.x() >= a.x() || b.y() >= a.y() + a.height() / 2,
                     qPrintable(names.join(u'|')));
        }
        previous = child;
    }
    QCOMPARE(names[0], QStringLiteral("Trascina la parola nella prima colonna sulla sua "
                                      "contraria che trovi nella seconda colonna"));
    QVERIFY(names[1].startsWith(QStringLiteral("parola: ")));
    QVERIFY(names[2].startsWith(QStringLiteral("bersaglio: ")));
    QVERIFY(names.contains(QStringLiteral("Esatti: 0")));
    QVERIFY(names.contains(QStringLiteral("Errati: 0")));
    QVERIFY(names.contains(QStringLiteral("risposta esatta")));
    int words = 0;
    int places = 0;
    for (const QString& name : std::as_const(names)) {
        words += name.startsWith(u"parola: ");
        places += name.startsWith(u"bersaglio: ");
    }
    QCOMPARE(words, 9);
    QCOMPARE(places, 9);
    // The window's description, said with its name whenever it becomes the
    // active one: the instruction for keys, then the words to place as they stand.
    const auto daPosare = [frame] {
        const QString description = frame->text(QAccessible::Description);
        if (!description.startsWith(QStringLiteral("Posa ogni parola sulla sua contraria. ")) ||
            !description.endsWith(u'.'))
            return QStringList{description};
        return description.section(QStringLiteral("parole da posare: "), 1)
            .chopped(1)
            .split(QStringLiteral(", "));
    };
    QCOMPARE(daPosare().size(), 9);

    // A word is a button whose press picks it; a place's press drops it there.
    auto* word = window->control<DesignLabel>(QStringLiteral("Label3(0)"));
    const QString wordText = word->text();
    QAccessibleInterface* wordItem = QAccessible::queryAccessibleInterface(word);
    QVERIFY(daPosare().contains(wordText));
    QCOMPARE(wordItem->role(), QAccessible::Button);
    QVERIFY(wordItem->state().checkable && !wordItem->state().checked);
    QVERIFY(wordItem->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    wordItem->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(wordItem->state().checked);
    QString place;
    const ModelloAbbina& modello = qobject_cast<DragMatchWindow*>(window)->modello();
    for (int k = 0; k < 9 && place.isEmpty(); ++k)
        if (modello.turno().coppie[k].parola == word->text())
            place = memberName(QStringLiteral("Label4"), k);
    QAccessibleInterface* placeItem = QAccessible::queryAccessibleInterface(window->control(place));
    const QString target = window->control<QLabel>(place)->text();
    QCOMPARE(placeItem->text(QAccessible::Name), QStringLiteral("bersaglio: ") + target);
    placeItem->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // Filled, it shows the pair and leaves the Tab order.
    QCOMPARE(placeItem->text(QAccessible::Name), target + QStringLiteral(" / ") + wordText);
    QCOMPARE(placeItem->role(), QAccessible::StaticText);
    QCOMPARE(
        QAccessible::queryAccessibleInterface(window->etichettaEsatti())->text(QAccessible::Name),
        QStringLiteral("Esatti: 1"));
    QCOMPARE(wordItem->text(QAccessible::Name), QStringLiteral("parola già posata"));
    QTRY_COMPARE(daPosare().size(), 8);
    QVERIFY(!daPosare().contains(wordText));
}

QTEST_MAIN(ExerciseFrameTest)
#include "tst_exerciseframe.moc"
