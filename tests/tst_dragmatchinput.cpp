#include "dragmatchtesting.h"
#include "exercisecatalogue.h"
#include "messageboxanswerer.h"

#include "access/pickandplace.h"
#include "app/formmenu.h"
#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "geometry/twipsgeometry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

using namespace vocario;
using namespace vocario::testing;

// How the drag-and-match windows take their input and open: which labels
// drag, which take drops, what a drag carries, lists too short to deal, and
// Form1 opened from the menu.
class DragMatchInputTest : public QObject {
    Q_OBJECT
  private slots:
    void dropsCountOnlyFromLabel3OntoLabel4();
    void label3DragCarriesItsNameAndAClickMovesNothing();
    void placedLabelCannotBePickedUp();
    void aPickedWordIsPlacedByAClickThroughTheSameDrop();
    void shortListsAreRefusedOverTheMenu_data();
    void shortListsAreRefusedOverTheMenu();
    void form1OpensFromTheMenuInItsDesignState();
};

namespace {

void pressAndMove(QWidget* label, QPoint from, QPoint to) {
    QMouseEvent press(QEvent::MouseButtonPress, from, label->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &press);
    QMouseEvent move(QEvent::MouseMove, to, label->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(label, &move);
}

void release(QWidget* label, QPoint at) {
    QMouseEvent up(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &up);
}

} // namespace

void DragMatchInputTest::dropsCountOnlyFromLabel3OntoLabel4() {
    TestEnvironment env;
    DragMatchWindow* w = openForm1InOrder(env);
    QVERIFY(w);
    ScriptedRandomSource* random = env.scriptRandom({});
    auto untouched = [&] {
        return w->etichettaEsatti()->text() == QStringLiteral("0") &&
               w->etichettaErrati()->text() == QStringLiteral("0") &&
               text4(w, 0) == QStringLiteral("basso") && text3(w, 0) == QStringLiteral("alto");
    };
    // Names that are not a word of this window are refused.
    for (const char* name : {"Label4(1)", "Label3(9)", "Label3", "BottoneAvanti", "Label3(-1)"})
        QVERIFY2(!dropOn(label4(w, 0), QString::fromLatin1(name)) || untouched(), name);
    QVERIFY(untouched());
    // Other data (text dragged from another program) is not taken.
    auto* plain = new QMimeData;
    plain->setText(QStringLiteral("alto"));
    QVERIFY(!deliverDrop(label4(w, 0), plain));
    // Words, pictures, counts and the background take no drops: the
    // platform hands a drop to the control under the pointer.
    for (const char* name : {"Label3(1)", "Label5", "EtichettaEsatti", "ComandoIconaSi"}) {
        QWidget* control = w->control(QString::fromLatin1(name));
        const QPoint at = control->mapTo(w, control->rect().center());
        QVERIFY2(!dropThroughWindow(w, at, QStringLiteral("Label3(0)")), name);
    }
    const QPoint gap = label4(w, 2)->mapTo(w, QPoint(-10, 5)); // between the columns
    QVERIFY(!dropThroughWindow(w, gap, QStringLiteral("Label3(0)")));
    QVERIFY(untouched());
    QCOMPARE(random->remaining(), 0);

    // On a drop label it is an answer.
    random->append({pickWhole(1, 4)});
    const QPoint at = label4(w, 0)->mapTo(w, label4(w, 0)->rect().center());
    QVERIFY(dropThroughWindow(w, at, QStringLiteral("Label3(0)")));
    QCOMPARE(text4(w, 0), QStringLiteral("basso / alto"));
}

void DragMatchInputTest::label3DragCarriesItsNameAndAClickMovesNothing() {
    TestEnvironment env;
    DragMatchWindow* w = openForm1InOrder(env);
    QVERIFY(w);
    DesignLabel* word = label3(w, 4);
    QVERIFY(word->isDraggable());
    QVERIFY(!label4(w, 4)->isDraggable());
    QVERIFY(!word->acceptDrops());
    QVERIFY(label4(w, 4)->acceptDrops());

    // A press and a move shorter than the drag distance: a click, no drag.
    QSignalSpy clicks(word, &DesignLabel::clicked);
    const QPoint from(20, 10);
    const int distance = QApplication::startDragDistance();
    pressAndMove(word, from, from + QPoint(distance - 2, 0));
    QVERIFY(!word->findChild<QDrag*>());
    release(word, from + QPoint(distance - 2, 0));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(text3(w, 4), QStringLiteral("dolce"));
    QCOMPARE(topTwips(word), 420 + 630 * 4);
    QVERIFY(word->isEnabled());
    QCOMPARE(w->etichettaEsatti()->text() + w->etichettaErrati()->text(), QStringLiteral("00"));

    // Moving on past it starts a drag that carries the label's own name.
    pressAndMove(word, from, from + QPoint(distance + 3, 2));
    auto* drag = word->findChild<QDrag*>();
    QVERIFY(drag);
    QCOMPARE(DragPayload::decode(drag->mimeData()), std::optional<QString>("Label3(4)"));
    QVERIFY(!drag->pixmap().isNull()); // the word travels under the pointer
    QCOMPARE(clicks.count(), 1);

    // That same data, dropped on the antonym, is a right answer.
    env.scriptRandom({pickWhole(1, 4)});
    auto* copy = new QMimeData;
    for (const QString& format : drag->mimeData()->formats())
        copy->setData(format, drag->mimeData()->data(format));
    QVERIFY(deliverDrop(label4(w, 4), copy));
    QCOMPARE(text4(w, 4), QStringLiteral("amaro / dolce"));
}

void DragMatchInputTest::placedLabelCannotBePickedUp() {
    TestEnvironment env;
    DragMatchWindow* w = openForm1InOrder(env);
    QVERIFY(w);
    env.scriptRandom({pickWhole(1, 4)});
    QVERIFY(drop(w, 2, 2));
    DesignLabel* placed = label3(w, 2);
    QVERIFY(!placed->isEnabled());
    pressAndMove(placed, QPoint(20, 10), QPoint(80, 40));
    QVERIFY(!placed->findChild<QDrag*>());
    // A drop that still names it is not taken as an answer.
    dropOn(label4(w, 3), QStringLiteral("Label3(2)"));
    QCOMPARE(text4(w, 3), QStringLiteral("freddo"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral("0"));
}

void DragMatchInputTest::aPickedWordIsPlacedByAClickThroughTheSameDrop() {
    TestEnvironment env;
    DragMatchWindow* w = openForm1InOrder(env);
    QVERIFY(w);
    auto* pick = w->findChild<PickAndPlace*>();
    QVERIFY(pick);
    QSignalSpy picked(pick, &PickAndPlace::picked);
    const QPoint middle(20, 10);
    auto tap = [&](QWidget* label) {
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, middle);
    };
    // A place with nothing picked takes nothing.
    tap(label4(w, 0));
    QCOMPARE(text4(w, 0), QStringLiteral("basso"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral("0"));
    // Picked: white on black, whatever it was; a second tap puts it back.
    tap(label3(w, 0));
    QCOMPARE(pick->pickedWord(), label3(w, 0));
    QCOMPARE(picked.count(), 1);
    QCOMPARE(label3(w, 0)->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(label3(w, 0)->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(backColour(label3(w, 0)), Colori::Bianco); // the word's own colour is kept
    tap(label3(w, 0));
    QVERIFY(!pick->pickedWord());
    QCOMPARE(label3(w, 0)->palette().color(QPalette::Window), QColor(Qt::white));
    // On a wrong place: the drop of a drag, one wrong answer, still picked.
    tap(label3(w, 0));
    env.scriptRandom({});
    tap(label4(w, 1));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral(" 1"));
    QCOMPARE(w->backColour(), Colori::Nero);
    QCOMPARE(pick->pickedWord(), label3(w, 0));
    // On its place: matched as by a drag, the colour back, nothing picked.
    env.scriptRandom({pickWhole(4, 18), pickWhole(1, 4)});
    tap(label4(w, 0));
    QCOMPARE(text4(w, 0), QStringLiteral("basso / alto"));
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QCOMPARE(w->backColour(), quint32(0x80C0FF));
    QVERIFY(!label3(w, 0)->isEnabled());
    QVERIFY(!pick->pickedWord());
    // Space picks, Esc puts back without asking anything.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    label3(w, 1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->windowHandle(), Qt::Key_Space);
    QCOMPARE(pick->pickedWord(), label3(w, 1));
    QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
    QVERIFY(!pick->pickedWord());
    QVERIFY(w->isVisible());
    // A word picked, then placed by a real drag, is no longer picked.
    tap(label3(w, 2));
    env.scriptRandom({pickWhole(1, 4)});
    QVERIFY(drop(w, 2, 2));
    QVERIFY(!pick->pickedWord());
}

void DragMatchInputTest::shortListsAreRefusedOverTheMenu_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("teacher");
    // One message for every exercise, naming the folder the list was read from.
    QTest::newRow("five antonyms")
        << 1 << "contrari.txt"
        << "a, b\nc, d\ne, f\ng, h\ni, j\n"
        << "Il file testi/contrari.txt contiene solo 5 voci: per questo esercizio ne servono "
           "almeno 9."
        << false;
    QTest::newRow("one antonym") << 1 << "contrari.txt"
                                 << "a, b\n"
                                 << "Il file testi/contrari.txt contiene una sola voce: per "
                                    "questo esercizio ne servono almeno 9."
                                 << false;
    QTest::newRow("eight degrees")
        << 5 << "gradi.txt"
        << "tiepido, caldo\ncaldo, bollente\nfresco, freddo\nfreddo, gelido\n"
           "brutto, orribile\nbello, stupendo\npiccolo, minuscolo\ngrande, enorme\n"
        << "Il file testi/gradi.txt contiene solo 8 voci: per questo esercizio ne servono "
           "almeno 9."
        << false;
    QTest::newRow("empty degrees") << 5 << "gradi.txt"
                                   << "\n\n"
                                   << "Il file testi/gradi.txt non contiene nessuna voce: per "
                                      "questo esercizio ne servono almeno 9."
                                   << false;
    QTest::newRow("empty idioms") << 8 << "modididire.txt"
                                  << ""
                                  << "Il file testi/modididire.txt non contiene nessuna voce: "
                                     "per questo esercizio ne servono almeno 4."
                                  << false;
    QTest::newRow("teacher's empty idioms")
        << 8 << "modididire.txt"
        << ""
        << "Il file {insegnante}modididire.txt non contiene nessuna voce: per questo esercizio "
           "ne servono almeno 4."
        << true;
    QTest::newRow("teacher's one group")
        << 6 << "aree2.txt"
        << "mela, pera, arancia\n"
        << "Il file {insegnante}aree2.txt contiene una sola voce: per questo esercizio ne "
           "servono almeno 2."
        << true;
    QTest::newRow("teacher's empty antonyms, second list of Form3")
        << 3 << "contrari.txt"
        << ""
        << "Il file {insegnante}contrari.txt non contiene nessuna voce: per questo esercizio "
           "ne serve almeno una."
        << true;
}

void DragMatchInputTest::shortListsAreRefusedOverTheMenu() {
    QFETCH(int, numero);
    QFETCH(QString, file);
    QFETCH(QString, content);
    QFETCH(QString, message);
    QFETCH(bool, teacher);
    TestEnvironment env;
    if (teacher) {
        env.useShippedLists();
        env.writeTeacherList(file, content);
        message.replace(QStringLiteral("{insegnante}"),
                        QDir::toNativeSeparators(env.teacherFolder() + u'/'));
    } else {
        env.writeList(file, content);
    }
    ScriptedRandomSource* random = env.scriptRandom({pickWhole(1, 18)});
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    menu->control<QPushButton>(vocario::testing::exerciseMenuButton(numero))->click();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.texts(), QStringList{message});
    QCOMPARE(answerer.titles(), QStringList{"Vocario"});
    QCOMPARE(random->remaining(), 0); // no deal was tried
    QCOMPARE(TestEnvironment::visibleWindows(), QList<QWidget*>{menu});
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<DragMatchWindow*>(window));
}

void DragMatchInputTest::form1OpensFromTheMenuInItsDesignState() {
    TestEnvironment env;
    env.writeList(QStringLiteral("contrari.txt"), kTwelveAntonyms);
    // The menu's colour, then Form1's deal.
    env.scriptRandom(QList<float>{pickWhole(5, 18)} + dealValues(6, upTo(9), 12, inOrder(9)));
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    menu->member<QRadioButton>(QStringLiteral("Option1"), 1)->click();
    menu->control<QPushButton>(QStringLiteral("Command2"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QWidget*> windows = TestEnvironment::visibleWindows();
    QCOMPARE(windows.size(), 1);
    auto* w = qobject_cast<DragMatchWindow*>(windows.first());
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("Form1"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Vocario – abbina contrari"));
    QCOMPARE(w->centralWidget()->size(), QSize(687, 513));
    QCOMPARE(w->backColour(), Colori::GialloPallido);

    QStringList captions;
    for (QAction* action : w->menuBar()->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{"Azzera conteggio          ", "Suono?          ",
                                    "Informazioni           ", "Esci"}));
    QVERIFY(w->findChild<QAction*>(QStringLiteral("mnuSuonoSi"))->isChecked());
    QVERIFY(!w->findChild<QAction*>(QStringLiteral("mnuSuonoNo"))->isChecked());

    QVERIFY(isShown(w, "BottoneAvanti"));
    QVERIFY(!w->bottoneAvanti()->isEnabled());
    QCOMPARE(w->bottoneAvanti()->geometry(), QRect(488, 336, 127, 57));
    QCOMPARE(w->etichettaEsatti()->text(), QStringLiteral("0"));
    QCOMPARE(w->etichettaErrati()->text(), QStringLiteral("0"));
    QCOMPARE(w->control(QStringLiteral("ComandoIconaSi"))->geometry(), QRect(512, 20, 65, 57));
    auto* instruction = w->control<QLabel>(QStringLiteral("Label5"));
    QCOMPARE(instruction->text(), QStringLiteral("Trascina la parola nella prima colonna sulla sua "
                                                 "contraria che trovi nella seconda colonna"));
    QCOMPARE(instruction->geometry(), QRect(21, 7, 484, 15));
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(label3(w, k)->font().family(), QStringLiteral("Arial"));
        QCOMPARE(label3(w, k)->font().pointSizeF(), 12.0);
        QVERIFY(label3(w, k)->font().bold());
        QCOMPARE(label4(w, k)->font().pointSizeF(), 12.0);
        QCOMPARE(label4(w, k)->geometry(),
                 QRect(238, (k == 8 ? 5520 : 420 + 630 * k) / 15, 233, 25));
        QCOMPARE(label3(w, k)->geometry().size(), QSize(180, 25));
        QCOMPARE(leftTwips(label3(w, k)), 315);
        QCOMPARE(label4(w, k)->frameShape(), QFrame::Box);
        QVERIFY(label4(w, k)->alignment() & Qt::AlignHCenter);
    }
}

QTEST_MAIN(DragMatchInputTest)
#include "tst_dragmatchinput.moc"
