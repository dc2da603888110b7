// Reading aloud: what the program asks the voice to read, and when (the
// pointer resting on a control, the keyboard focus, a new pair or sentence
// dealt); a voice that starts slowly or hangs never holds up the windows,
// and only the latest text waits; the real voice offers Italian.

#include "testenvironment.h"

#include "app/formmenu.h"
#include "app/navigazione.h"
#include "exercises/choice/form3sinonimicontrari.h"
#include "layouts/designtextbox.h"
#include "speech/backgroundspeech.h"
#include "speech/lettore.h"
#include "speech/speechmodule.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

using namespace vocario;
using namespace vocario::testing;

namespace {

QWidget* openedWindow() {
    const QList<QWidget*> windows = TestEnvironment::visibleWindows();
    return windows.size() == 1 ? windows.first() : nullptr;
}

/// A text as the reader says it: joined words apart, blanks tidied.
QString heard(QString text) {
    return text.replace(QStringLiteral(" / "), QStringLiteral(", ")).simplified();
}

void restOn(QWidget* control) {
    QTest::mouseMove(control, control->rect().center());
}

/// An engine that takes its time: it starts when `started` is released and
/// reads its first text until `firstRead` is released.
class SlowEngine : public SpeechOutput {
  public:
    SlowEngine(QStringList* heard, QSemaphore* firstRead) : heard_(heard), firstRead_(firstRead) {}
    void say(const QString& text) override {
        heard_->append(text);
        if (heard_->size() == 1)
            firstRead_->acquire();
    }

  private:
    QStringList* heard_;
    QSemaphore* firstRead_;
};

} // namespace

class SpeechTest : public QObject {
    Q_OBJECT
  private slots:
    void restingOnAControlReadsItAfterHalfASecondAndOnlyThen();
    void theFocusAndEveryDealReadTheirText();
    void theVoiceNeverHoldsUpTheWindowsAndOnlyTheLatestTextWaits();
    void aVoiceThatCannotStartIsUnavailableWithItsReason();
    void theRealVoiceOffersItalian();
};

void SpeechTest::restingOnAControlReadsItAfterHalfASecondAndOnlyThen() {
    TestEnvironment env;
    env.useShippedLists();
    // Off: nothing is read and no reader exists.
    Lettore::aggiorna(env.state);
    QVERIFY(!env.state.lettore);
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    restOn(menu->control(QStringLiteral("Command3")));
    QTest::qWait(700);
    QVERIFY(env.speech->said.isEmpty());

    env.state.opzioni.leggiAdAltaVoce = true;
    env.state.AttendeBottone = -1; // "avanti" on show
    Lettore::aggiorna(env.state);
    QVERIFY(env.state.lettore);
    QVERIFY(Navigazione::apriEsercizio(1, menu));
    QWidget* form1 = openedWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form1));
    auto* word = form1->findChild<QLabel*>(QStringLiteral("Label3(2)"));
    auto* passing = form1->findChild<QLabel*>(QStringLiteral("Label4(3)"));
    auto* partner = form1->findChild<QLabel*>(QStringLiteral("Label4(4)"));
    // The word the window opens with, for the keyboard, is read.
    QTRY_COMPARE(env.speech->texts(), QStringList{Lettore::testoDi(QApplication::focusWidget())});
    QVERIFY(qobject_cast<QLabel*>(QApplication::focusWidget()));
    QElapsedTimer clock;
    env.speech->said.clear();
    clock.start();
    restOn(word);
    QTest::qWait(300);
    QVERIFY(env.speech->said.isEmpty()); // not yet
    QTRY_COMPARE_WITH_TIMEOUT(env.speech->texts(), QStringList{word->text()}, 2000);
    QVERIFY2(clock.elapsed() >= 450, "read before the pointer rested");
    // Passing over a word reads nothing: the one the pointer rests on is read.
    restOn(passing);
    QTest::qWait(200);
    restOn(partner);
    QTRY_COMPARE_WITH_TIMEOUT(env.speech->texts().size(), 2, 2000);
    QCOMPARE(env.speech->texts().last(), partner->text());
    // A button's caption.
    restOn(form1->findChild<QPushButton*>(QStringLiteral("BottoneAvanti")));
    QTRY_COMPARE_WITH_TIMEOUT(env.speech->texts().last(), QStringLiteral("avanti"), 2000);
    // A word picked by a tap is read at once, before any rest.
    const qsizetype before = env.speech->texts().size();
    QTest::mouseClick(word, Qt::LeftButton);
    QCOMPARE(env.speech->texts().size(), before + 1);
    QCOMPARE(env.speech->texts().last(), word->text());
}

void SpeechTest::theFocusAndEveryDealReadTheirText() {
    TestEnvironment env;
    env.useShippedLists();
    env.state.opzioni.leggiAdAltaVoce = true;
    env.state.AttendeBottone = 0;
    Lettore::aggiorna(env.state);
    QVERIFY(Navigazione::apriEsercizio(3, nullptr));
    auto* form3 = qobject_cast<Form3SinonimiContrari*>(openedWindow());
    QVERIFY(form3);
    auto* text1 = form3->control<DesignTextBox>(QStringLiteral("Text1"));
    // The pair dealt when the window appears, read as two words, once the
    // window has put its focus on it: once.
    QTRY_COMPARE(env.speech->texts(), QStringList{heard(text1->text())});
    QCOMPARE(QApplication::focusWidget(), text1);
    // The next pair, once, however often the box reports its new text.
    const qint16 tipo = form3->modello().turno().giusta;
    form3->control<QPushButton>(tipo == 1 ? QStringLiteral("Bottone1") : QStringLiteral("Bottone2"))
        ->click();
    QTRY_COMPARE(env.speech->texts().size(), 2);
    QCOMPARE(env.speech->texts().last(), heard(text1->text()));
    QTest::qWait(50);
    QCOMPARE(env.speech->texts().size(), 2);

    // The sentence of the word meaning.
    QVERIFY(Navigazione::apriEsercizio(9, form3));
    QWidget* form9 = openedWindow();
    QVERIFY(form9);
    QTRY_COMPARE(env.speech->texts().last(),
                 form9->findChild<DesignTextBox*>(QStringLiteral("Text1"))->text().simplified());
    // The control that takes the keyboard focus.
    auto* meaning = form9->findChild<QPushButton*>(QStringLiteral("Bottone(1)"));
    meaning->setFocusPolicy(Qt::StrongFocus);
    form9->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form9));
    meaning->clearFocus();
    meaning->setFocus(Qt::TabFocusReason); // as the Tab key moves it
    QTRY_COMPARE(env.speech->texts().last(), meaning->text().simplified());
}

void SpeechTest::theVoiceNeverHoldsUpTheWindowsAndOnlyTheLatestTextWaits() {
    QStringList heard;
    QSemaphore started;
    QSemaphore firstRead;
    QElapsedTimer clock;
    clock.start();
    auto voice = std::make_unique<BackgroundSpeech>([&](QString*) -> std::unique_ptr<SpeechOutput> {
        started.acquire();
        return std::make_unique<SlowEngine>(&heard, &firstRead);
    });
    voice->say(QStringLiteral("uno")); // while the engine starts
    QCOMPARE(voice->readiness(), SpeechOutput::Readiness::Finding);
    started.release();
    QTRY_COMPARE(voice->readiness(), SpeechOutput::Readiness::Ready);
    QTRY_COMPARE(heard, QStringList{QStringLiteral("uno")});
    // The engine is busy with "uno": the later texts take each other's place.
    for (const char* text : {"due", "tre", "quattro"})
        voice->say(QString::fromLatin1(text));
    // Waiting for the busy engine would last until firstRead is released.
    QVERIFY2(clock.elapsed() < 3000, "the windows waited for the voice");
    firstRead.release();
    QTRY_COMPARE(heard, (QStringList{QStringLiteral("uno"), QStringLiteral("quattro")}));
    QTest::qWait(50);
    QCOMPARE(heard.size(), 2);
}

void SpeechTest::aVoiceThatCannotStartIsUnavailableWithItsReason() {
    BackgroundSpeech missing([](QString* motivo) -> std::unique_ptr<SpeechOutput> {
        *motivo = QStringLiteral("La sintesi vocale non ha una voce italiana.");
        return nullptr;
    });
    QTRY_COMPARE(missing.readiness(), SpeechOutput::Readiness::Unavailable);
    QCOMPARE(missing.unavailableReason(),
             QStringLiteral("La sintesi vocale non ha una voce italiana."));
    missing.say(QStringLiteral("niente")); // read by no one, without failing

    // An engine that never answers: unavailable once patience runs out, and
    // the end of the program does not wait for it.
    QSemaphore never;
    QElapsedTimer clock;
    {
        BackgroundSpeech hanging(
            [&](QString*) -> std::unique_ptr<SpeechOutput> {
                never.acquire();
                return nullptr;
            },
            std::chrono::milliseconds(100));
        hanging.say(QStringLiteral("ciao"));
        QTRY_COMPARE(hanging.readiness(), SpeechOutput::Readiness::Unavailable);
        QCOMPARE(hanging.unavailableReason(), QStringLiteral("La sintesi vocale non risponde."));
        clock.start();
    }
    QVERIFY(clock.elapsed() < 3000);
    never.release(); // let the abandoned thread end
}

void SpeechTest::theRealVoiceOffersItalian() {
#ifdef VOCARIO_SANITIZE
    // Under the sanitizers speech-dispatcher, started from the test, never
    // answers its first client; the plain build checks the voice.
    QSKIP("the real voice is checked by the plain build (make test)");
#endif
    // A speech-dispatcher of the test's own (the folder decides its socket),
    // asked for its voices only: without a sound card one that has read a
    // text stops answering.
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    // The tests are built in tests/ of the build folder, the module in the
    // build folder itself.
    const QString programFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    auto voice = std::make_unique<BackgroundSpeech>(
        [programFolder](QString* motivo) { return SpeechModule::load(programFolder, motivo); },
        std::chrono::seconds(40));
    QElapsedTimer clock;
    clock.start();
    while (voice->readiness() == SpeechOutput::Readiness::Finding && clock.elapsed() < 45000)
        QTest::qWait(50);
    qputenv("XDG_RUNTIME_DIR", before);
    const SpeechOutput::Readiness readiness = voice->readiness();
    const QString reason = voice->unavailableReason();
    voice.reset();
    // The dispatcher it started goes with the test.
    QFile pid(runtime.path() + QStringLiteral("/speech-dispatcher/pid/speech-dispatcher.pid"));
    if (pid.open(QIODevice::ReadOnly))
        if (const int id = pid.readAll().trimmed().toInt(); id > 0)
            ::kill(id, SIGKILL); // ours alone, and a stuck one ignores SIGTERM
    QVERIFY2(readiness == SpeechOutput::Readiness::Ready, qPrintable(reason));
}

QTEST_MAIN(SpeechTest)
#include "tst_speech.moc"
