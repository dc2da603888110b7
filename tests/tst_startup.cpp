#include "messageboxanswerer.h"
#include "testenvironment.h"

#include "app/formavvio.h"
#include "app/formmenu.h"
#include "app/navigazione.h"
#include "app/preparazione.h"
#include "app/rigadicomando.h"
#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "core/programma.h"
#include "frame/messaggi.h"
#include "sound/suoni.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void startScreenWaitsForAvantiAndTakesAPaletteColour();
    void avvioReplacesTheStartScreenWithTheMenu();
    void menuOptionsFollowTheAutoAdvanceFlagAcrossRebuilds();
    void menuEsciAnsweredNoChangesNothingAndSiEndsTheProgram();
    void closingTheOnlyWindowEndsTheProgramWithoutAQuestion();
    void paletteGivesSeventeenColoursWithPaleMagentaTwiceAsOften();
    void paletteSlotFollowsTheDrawnValue();
    void rightAnswerSoundIsOneOfFourByTheDraw();
    void informationBoxNamesTheAuthorOnlyWhenTheBuildDoes();
    void commandLineAnswersWithoutAWindowAndRefusesMistakes();
};

void StartupTest::startScreenWaitsForAvantiAndTakesAPaletteColour() {
    TestEnvironment env;
    env.state.AttendeBottone = 0;
    env.scriptRandom({pickWhole(12, 18)});
    auto* start = new FormAvvio(env.state);
    QCOMPARE(start->objectName(), QStringLiteral("FormAvvio"));
    QCOMPARE(start->windowTitle(), QStringLiteral("Vocario"));
    QCOMPARE(env.state.AttendeBottone, qint16(-1));
    QCOMPARE(start->backColour(), quint32(0xFFFF00));
    QCOMPARE(start->member<QLabel>(QStringLiteral("Label2"), 0)->text(), QStringLiteral("Vocario"));
    // The author line only where the build names one.
    QCOMPARE(start->member<QLabel>(QStringLiteral("Label2"), 1)->text(), questoProgramma().autore);
    QCOMPARE(start->member<QLabel>(QStringLiteral("Label2"), 1)->isVisibleTo(start),
             !questoProgramma().autore.isEmpty());
    QCOMPARE(start->control<QPushButton>(QStringLiteral("BottoneAvvio"))->text(),
             QStringLiteral("Avvio"));
    QVERIFY(!start->control<QPushButton>(QStringLiteral("BottoneAvvio"))->icon().isNull());
    // Qt's own texts in Italian (context menus), loaded after the start screen.
    Preparazione::traduzioniDiQt();
    QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "Select All"),
             QStringLiteral("Seleziona tutto"));
}

void StartupTest::avvioReplacesTheStartScreenWithTheMenu() {
    TestEnvironment env;
    env.scriptRandom({pickWhole(1, 18), pickWhole(9, 18)});
    auto* start = new FormAvvio(env.state);
    start->show();
    QTest::mouseClick(start->control<QPushButton>(QStringLiteral("BottoneAvvio")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QWidget*> windows = TestEnvironment::visibleWindows();
    QCOMPARE(windows.size(), 1);
    auto* menu = qobject_cast<FormMenu*>(windows.first());
    QVERIFY(menu);
    QCOMPARE(menu->windowTitle(), QStringLiteral("Vocario – menù"));
    QCOMPARE(menu->backColour(), quint32(0x80FF80));
    for (int command = 1; command <= 10; ++command)
        QVERIFY(menu->control<QPushButton>(QStringLiteral("Command%1").arg(command)));
    QCOMPARE(menu->control<QPushButton>(QStringLiteral("Command5"))->text(),
             QStringLiteral("parola che comprende le altre"));
}

void StartupTest::menuOptionsFollowTheAutoAdvanceFlagAcrossRebuilds() {
    TestEnvironment env;
    env.state.AttendeBottone = -1;
    env.scriptRandom({pickWhole(3, 18), pickWhole(16, 18), pickWhole(5, 18)});
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    auto* continua = menu->member<QRadioButton>(QStringLiteral("Option1"), 0);
    auto* attende = menu->member<QRadioButton>(QStringLiteral("Option1"), 1);
    QVERIFY(attende->isChecked());
    QVERIFY(!continua->isChecked());
    QCOMPARE(continua->text(), QStringLiteral("prosegue automaticamente  negli esercizi"));
    QCOMPARE(backColour(continua), menu->backColour());
    QCOMPARE(backColour(attende), quint32(0x0000FF));

    QTest::mouseClick(continua, Qt::LeftButton);
    QCOMPARE(env.state.AttendeBottone, qint16(0));
    QTest::mouseClick(continua, Qt::LeftButton); // already selected: unchanged
    QCOMPARE(env.state.AttendeBottone, qint16(0));

    FormMenu* rebuilt = Navigazione::mostraMenu(menu);
    QCOMPARE(rebuilt->backColour(), quint32(0xE0E0E0));
    QVERIFY(rebuilt->member<QRadioButton>(QStringLiteral("Option1"), 0)->isChecked());
    QCOMPARE(backColour(rebuilt->member(QStringLiteral("Option1"), 1)), quint32(0xE0E0E0));
    QTest::mouseClick(rebuilt->member<QRadioButton>(QStringLiteral("Option1"), 1), Qt::LeftButton);
    QCOMPARE(env.state.AttendeBottone, qint16(-1));
    QCOMPARE(Navigazione::mostraMenu(rebuilt)
                 ->member<QRadioButton>(QStringLiteral("Option1"), 1)
                 ->isChecked(),
             true);
}

void StartupTest::menuEsciAnsweredNoChangesNothingAndSiEndsTheProgram() {
    TestEnvironment env;
    env.scriptRandom({pickWhole(7, 18)});
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("No"));
    QTest::mouseClick(menu->control<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Vuoi uscire dal programma?")});
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Vocario")});
    QCOMPARE(env.endRequests, 0);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->backColour(), quint32(0x00FFFF));

    answerer.answerNext(QStringLiteral("Sì"));
    QTest::mouseClick(menu->control<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(env.endRequests, 1);
}

void StartupTest::closingTheOnlyWindowEndsTheProgramWithoutAQuestion() {
    TestEnvironment env;
    // The event loop of the program ends when its only window is closed.
    auto runUntilClosed = [](QWidget* window) {
        window->show();
        QTimer::singleShot(0, window, &QWidget::close);
        QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });
        return QApplication::exec();
    };
    QCOMPARE(runUntilClosed(new FormAvvio(env.state)), 0);
    QCOMPARE(runUntilClosed(Navigazione::mostraMenu(nullptr)), 0);
    QCOMPARE(env.endRequests, 0); // no "Vuoi uscire" question on the way
}

void StartupTest::paletteGivesSeventeenColoursWithPaleMagentaTwiceAsOften() {
    TestEnvironment env;
    // Every value on a fine grid over [0, 1) once: each slot gets its share.
    const int steps = 18 * 1000;
    QList<float> grid;
    for (int i = 0; i < steps; ++i)
        grid.append((float(i) + 0.5f) / float(steps));
    env.scriptRandom(grid);
    QMap<quint32, int> seen;
    for (int i = 0; i < steps; ++i)
        ++seen[Colori::estrai(env.state.random)];
    QCOMPARE(seen.size(), 17);
    QVERIFY(!seen.contains(Colori::Nero));
    QCOMPARE(seen.value(0xFFC0FF), 2000);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        if (it.key() != 0xFFC0FF)
            QCOMPARE(it.value(), 1000);
}

void StartupTest::paletteSlotFollowsTheDrawnValue() {
    TestEnvironment env;
    env.scriptRandom({0.0f, 0.99999994f, 0.5f, 1.0f / 18.0f});
    QCOMPARE(Colori::estrai(env.state.random), quint32(0xC0C0FF)); // slot 1
    QCOMPARE(Colori::estrai(env.state.random), quint32(0xFF00FF)); // slot 18
    QCOMPARE(Colori::estrai(env.state.random), quint32(0x00C000)); // slot 10
    QCOMPARE(Colori::estrai(env.state.random), quint32(0x8080FF)); // slot 2
}

void StartupTest::rightAnswerSoundIsOneOfFourByTheDraw() {
    TestEnvironment env;
    env.scriptRandom({0.0f, 0.3f, 0.6f, 0.99f});
    for (int i = 0; i < 4; ++i)
        Suoni::SuonoEsatto(env.state);
    Suoni::SuonoErrato(env.state);
    QCOMPARE(env.sound->playedNames(),
             (QStringList{"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"}));
    QVERIFY(env.sound->played.first().startsWith(env.folder() + QStringLiteral("/suoni/")));
}

void StartupTest::informationBoxNamesTheAuthorOnlyWhenTheBuildDoes() {
    TestEnvironment env;
    const Programma& build = questoProgramma();
    QCOMPARE(build.versione, QStringLiteral(VOCARIO_PROJECT_VERSION));
    QCOMPARE(Messaggi::testoInformazioni(), Messaggi::testoInformazioni(build));
    QVERIFY(!Messaggi::testoInformazioni().contains(QStringLiteral("example")));

    Programma programma{.nome = QStringLiteral("Vocario"),
                        .versione = QStringLiteral("2.5"),
                        .descrizione = QStringLiteral("Esercizi."),
                        .licenza = QStringLiteral("GPL")};
    const QString rule = u' ' + QString(23, u'-') + u' ';
    QCOMPARE(Messaggi::testoInformazioni(programma).split(QStringLiteral("\r\n")),
             (QStringList{"Vocario 2.5", rule, "Esercizi.", "Licenza: GPL"}));
    programma.autore = QStringLiteral("Maria Rossi");
    programma.mail = QStringLiteral("maria@scuola.it");
    QCOMPARE(Messaggi::testoInformazioni(programma).split(QStringLiteral("\r\n")),
             (QStringList{"Vocario 2.5", rule, "Esercizi.", "Licenza: GPL", "Maria Rossi",
                          "mail: maria@scuola.it"}));
    programma.web = QStringLiteral("https://scuola.it");
    QCOMPARE(Messaggi::testoInformazioni(programma).split(QStringLiteral("\r\n")).mid(4),
             (QStringList{"Maria Rossi", "https://scuola.it", "mail: maria@scuola.it"}));

    auto* menu = Navigazione::mostraMenu(nullptr);
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    Messaggi::MostraInformazioni(menu);
    QCOMPARE(answerer.texts(), QStringList{Messaggi::testoInformazioni()});
}

void StartupTest::commandLineAnswersWithoutAWindowAndRefusesMistakes() {
    // Before the application has taken its own options, with no display:
    // Qt's own pass ("-reverse" is not -r -e -v, version), the program's
    // mistakes are refused at once.
    const auto primaDiQt = [](QList<QByteArray> argomenti) {
        argomenti.prepend("vocario");
        std::vector<char*> argv;
        for (QByteArray& argomento : argomenti)
            argv.push_back(argomento.data());
        return RigaDiComando::rispostaImmediata(int(argv.size()), argv.data());
    };
    QCOMPARE(primaDiQt({"-reverse"}), std::nullopt);
    QCOMPARE(primaDiQt({"--platform", "offscreen", "-style", "fusion", "--dimensione", "grande"}),
             std::nullopt);
    for (const QList<QByteArray>& sbagliata :
         {QList<QByteArray>{"--bogus"}, {"--dimensione", "enorme"}, {"--leggi", "--dimensione"}})
        QCOMPARE(primaDiQt(sbagliata), std::optional<int>(2));

    QCOMPARE(RigaDiComando::leggi({"vocario"}).esito, std::nullopt);
    QCOMPARE(RigaDiComando::leggi({"vocario", "--nessuna"}).esito, std::optional<int>(2));
    QCOMPARE(RigaDiComando::leggi({"vocario", "parola"}).esito, std::optional<int>(2));
    // The pupil's options and the check of the lists are the program's own.
    const RigaDiComando::Richiesta opzioni =
        RigaDiComando::leggi({"vocario", "--dimensione", "grande", "--maiuscolo"});
    QCOMPARE(opzioni.esito, std::nullopt);
    QCOMPARE(opzioni.scelte.dimensione, std::optional<Dimensione>(Dimensione::Grande));
    QCOMPARE(opzioni.scelte.maiuscolo, std::optional<bool>(true));

    // Read once before Qt: the folder of the check is the word after it, a
    // worksheet refuses a switch of another task.
    const auto lettura = [](QList<QByteArray> argomenti) {
        argomenti.prepend("vocario");
        std::vector<char*> argv;
        for (QByteArray& argomento : argomenti)
            argv.push_back(argomento.data());
        return std::make_unique<RigaDiComando::Lettura>(int(argv.size()), argv.data());
    };
    QCOMPARE(lettura({"--leggi", "--verifica", "cartella"})->verifica(),
             std::optional<QString>(QStringLiteral("cartella")));
    QCOMPARE(lettura({"--verifica", "--leggi", "cartella"})->verifica(),
             std::optional<QString>(""));
    QCOMPARE(lettura({"--verifica=cartella"})->verifica(), std::nullopt);
    const auto scheda =
        lettura({"--scheda", "tutti", "--pdf", "a.pdf", "--voci", "3", "--alunno", "x"});
    QCOMPARE(scheda->scheda()->pdf, std::optional<QString>(QStringLiteral("a.pdf")));
    QCOMPARE(scheda->scheda()->voci, std::optional<QString>(QStringLiteral("3")));
    QCOMPARE(scheda->soloPerLaScheda(), std::optional<int>(2));
    QCOMPARE(
        lettura({"--importa-classi", "f", "--azzera-password"})->compitiRegistro().importaClassi,
        QStringLiteral("f"));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
