#include "messageboxanswerer.h"
#include "testenvironment.h"

#include "app/dialogoopzioni.h"
#include "app/formmenu.h"
#include "app/navigazione.h"
#include "core/appstate.h"
#include "core/cartelleelenchi.h"
#include "exercises/catalogo.h"
#include "teacher/finestracontrolloelenchi.h"
#include "teacher/limitielenchi.h"
#include "teacher/schedeelenchi.h"
#include "teacher/testorapporto.h"
#include "teacher/verificaelenchi.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

// "Controlla gli elenchi": the checker reads the seven lists as the exercises
// do and names every fault at its line, most serious first.
class ListCheckerTest : public QObject {
    Q_OBJECT
  public slots:
    void fileManagerOpened(const QUrl& url) { opened_ << url; }

  private slots:
    void namesEachFaultAtItsLine_data();
    void namesEachFaultAtItsLine();
    void tableAgreesWithWhatTheExercisesOpen_data();
    void tableAgreesWithWhatTheExercisesOpen();
    void reportWindowChecksAgainCopiesAndOpensTheTeachersFolder();

  private:
    QList<QUrl> opened_;
};

namespace {

// `records` records of `fields` distinct words, one record per line.
QByteArray generated(int fields, int records, const QString& tag = QStringLiteral("w")) {
    QString text;
    for (int r = 1; r <= records; ++r) {
        QStringList words;
        for (int f = 1; f <= fields; ++f)
            words << QStringLiteral("%1%2x%3").arg(tag).arg(r).arg(f);
        text += words.join(QStringLiteral(", ")) + u'\n';
    }
    return text.toUtf8();
}

QByteArray pairs(int records) {
    return generated(2, records);
}

// Line n of a generated list, replaced.
QByteArray withLine(QByteArray list, int n, const QByteArray& line) {
    QList<QByteArray> lines = list.split('\n');
    lines[n - 1] = line;
    return lines.join('\n');
}

const QString kFine = QStringLiteral("-");

} // namespace

void ListCheckerTest::namesEachFaultAtItsLine_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // "-" removes the file
    QTest::addColumn<int>("gravita");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("said");

    const int errore = int(Gravita::Errore);
    const int daCorreggere = int(Gravita::DaCorreggere);
    const int consiglio = int(Gravita::Consiglio);
    QTest::newRow("missing") << "gradi.txt" << QByteArray("-") << errore << 0
                             << "Non trovo il file testi/gradi.txt";
    QTest::newRow("not text") << "aree1.txt" << QByteArray("mela\0pera", 9) << errore << 0
                              << "non è un file di testo";
    QTest::newRow("quote left open")
        << "aree2.txt" << withLine(generated(3, 5), 4, "a, \"b, c") << errore << 0
        << "le virgolette aperte alla riga 4 non vengono chiuse";
    QTest::newRow("cut short") << "contrari.txt" << pairs(12) + "solo\n"
                               << errore << 0 << "finisce a metà di una voce alla riga 13";
    QTest::newRow("a part too many on line 3, one too few on line 8")
        << "contrari.txt" << withLine(withLine(pairs(12), 3, "a, b, c"), 8, "d") << errore << 3
        << "la riga 3 ha 3 parti e la riga 8 ne ha 1";
    QTest::newRow("more than its exercise reads")
        << "sinonimi.txt" << pairs(201) << errore << 0 << "contiene più di 200 voci";
    QTest::newRow("fewer than its exercise needs")
        << "gradi.txt" << pairs(8) << errore << 0
        << "contiene solo 8 voci: per «abbina gradi» e «gradi» ne servono almeno 9";
    QTest::newRow("idioms not in whole blocks of four")
        << "modididire.txt" << pairs(10) << errore << 0
        << "le ultime 2 coppie, dalla riga 9, restano fuori da un blocco intero";
    QTest::newRow("an empty part") << "aree1.txt" << withLine(generated(4, 3), 2, "a, , c, d")
                                   << daCorreggere << 2 << "la parte 2";
    QTest::newRow("a record repeated the other way round")
        << "sinonimi.txt" << withLine(pairs(9), 9, "w1x2, w1x1") << daCorreggere << 9
        << "ripete la voce della riga 1";
    QTest::newRow("the same text twice in a matching column")
        << "gradi.txt" << withLine(pairs(10), 10, "w2x1, altro") << daCorreggere << 10
        << "«w2x1» c'è già alla riga 2";
    QTest::newRow("a pair both synonyms and antonyms")
        << "sinonimi.txt" << withLine(pairs(9), 5, "alto, basso") << daCorreggere << 5
        << "è anche tra i contrari";
    QTest::newRow("a word in two groups of the odd word out")
        << "aree2.txt" << withLine(generated(3, 4), 3, "w1x2, e, f") << daCorreggere << 3
        << "«w1x2» è anche nel gruppo della riga 1";
    QTest::newRow("the same choice twice in one record")
        << "vocario.txt" << withLine(generated(5, 2), 2, "frase, parola, uno, due, uno")
        << daCorreggere << 2 << "«uno» compare due volte";
    QTest::newRow("an idiom too long for its place")
        << "modididire.txt"
        << withLine(pairs(4), 3,
                    "questo modo di dire è così lungo che nemmeno con le lettere più piccole "
                    "ci sta tutto nello spazio che ha sullo schermo perché va avanti "
                    "e avanti e avanti senza mai fermarsi come una storia che non "
                    "finisce più e che nessun alunno riuscirebbe a leggere, senso")
        << daCorreggere << 3 << "è troppo lunga";
    QTest::newRow("a line pasted in another encoding")
        << "contrari.txt"
        << withLine(withLine(pairs(10), 2, "verità, bugia"), 4, "citt\xE0, campagna") << consiglio
        << 4 << "Windows-1252";
    QTest::newRow("a right meaning that gives itself away by its length")
        << "vocario.txt"
        << withLine(generated(5, 2), 1, "frase, parola, giusto e molto più lungo, no, neanche")
        << consiglio << 1 << "si fa indovinare";
    QTest::newRow("a stray comma at the end of every line, named once")
        << "contrari.txt" << pairs(12).replace("\n", ",\n") << consiglio << 0
        << "ogni riga finisce con una virgola in più";
    QTest::newRow("semicolons, then a line with a comma")
        << "gradi.txt" << withLine(pairs(10).replace(", ", ";"), 6, "a, b") << errore << 6
        << "la riga 1 separa le parti con il punto e virgola (;) e la riga 6 con la virgola";
    QTest::newRow("columns pasted with tabs: one part per line, lines paired")
        << "contrari.txt" << pairs(20).replace(", ", "\t") << daCorreggere << 0
        << "separate da tabulazioni";
    QTest::newRow("a spreadsheet's header row, read as an item")
        << "contrari.txt"
        << "Parola;Contrario\n" + pairs(10).replace(", ", ";") << daCorreggere << 1
        << "«Parola, Contrario» sembra la riga dei nomi delle colonne";
    QTest::newRow("two records on one line")
        << "aree1.txt" << generated(4, 2).replace("\nw2", ", w2") << consiglio << 1
        << "è letta come 2 voci";
}

void ListCheckerTest::namesEachFaultAtItsLine() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, gravita);
    QFETCH(int, line);
    QFETCH(QString, said);
    TestEnvironment env;
    env.useShippedLists();
    env.writeListBytes(QStringLiteral("contrari.txt"),
                       generated(2, 9, QStringLiteral("c")) + "alto, basso\n");
    if (content == kFine.toUtf8())
        QVERIFY(QFile::remove(env.folder() + QStringLiteral("/testi/") + file));
    else
        env.writeListBytes(file, content);

    const RapportoElenchi rapporto = verificaElenchi(CartelleElenchi::perLaLettura(env.state));
    const QString report = testoRapporto(rapporto, CartelleElenchi::perIlRapporto(env.state));
    QVERIFY2(rapporto.segnalazioni.size() == 1, qPrintable(report));
    const Segnalazione& found = rapporto.segnalazioni.first();
    QVERIFY2(found.testo.contains(said), qPrintable(report));
    QCOMPARE(found.file, file);
    QCOMPARE(int(found.gravita), gravita);
    QCOMPARE(found.riga, line);
    if (line > 0)
        QVERIFY(found.testo.contains(QStringLiteral("riga %1").arg(line)));
    QCOMPARE(rapporto.tuttiUtilizzabili(), gravita != int(Gravita::Errore));
    QVERIFY2(report.contains(QString(found.testo).replace(u'\n', u' ')), qPrintable(report));
}

void ListCheckerTest::tableAgreesWithWhatTheExercisesOpen_data() {
    QTest::addColumn<QString>("file");
    for (const SchedaElenco& scheda : schedeElenchi())
        QTest::newRow(qPrintable(scheda.file)) << scheda.file;
}

// The checker tells a teacher what the exercises accept: its fewest and most
// records must be what every window that reads the list opens with, and one
// step beyond them what one of them refuses.
void ListCheckerTest::tableAgreesWithWhatTheExercisesOpen() {
    QFETCH(QString, file);
    const int fields = schedaElenco(file)->campiPerVoce();
    const LimitiElenco limiti = limitiElenco(catalogoEsercizi(), file);
    QList<int> exercises;
    for (int numero = 1; numero <= int(catalogoEsercizi().size()); ++numero)
        for (const ListNeed& need : catalogoEsercizi()[size_t(numero - 1)].lists)
            if (need.file == file)
                exercises << numero;
    QVERIFY(!exercises.isEmpty());
    TestEnvironment env;
    env.useShippedLists();
    const int step = limiti.vociMultiploDi;
    for (int records : {limiti.vociMinime, limiti.vociMassime}) {
        env.writeListBytes(file, generated(fields, records));
        for (int numero : exercises) {
            QVERIFY2(Navigazione::apriEsercizio(numero, nullptr),
                     qPrintable(QStringLiteral("Form%1, %2 records").arg(numero).arg(records)));
            TestEnvironment::closeAllWindows();
        }
    }
    for (int records : {limiti.vociMinime - step, limiti.vociMassime + step}) {
        env.writeListBytes(file, generated(fields, records));
        int refused = 0;
        for (int numero : exercises) {
            MessageBoxAnswerer answerer;
            answerer.answerNext(QStringLiteral("OK"));
            if (Navigazione::apriEsercizio(numero, nullptr)) {
                TestEnvironment::closeAllWindows();
                continue;
            }
            ++refused;
            QCOMPARE(answerer.pending(), 0);
            QVERIFY(answerer.texts().first().contains(file));
        }
        QVERIFY2(refused > 0, qPrintable(QStringLiteral("%1 records").arg(records)));
        const RapportoElenchi rapporto = verificaElenchi(CartelleElenchi::perLaLettura(env.state));
        QVERIFY(!rapporto.tuttiUtilizzabili());
    }
}

void ListCheckerTest::reportWindowChecksAgainCopiesAndOpensTheTeachersFolder() {
    TestEnvironment env;
    env.useShippedLists();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "fileManagerOpened");
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    // In "Opzioni", the teacher's part names the folder and checks the lists.
    menu->control<QPushButton>(QStringLiteral("BottoneOpzioni"))->click();
    auto* dialogo = menu->findChild<DialogoOpzioni*>();
    QVERIFY(dialogo && dialogo->isVisible());
    QVERIFY(dialogo->findChild<QLabel*>(QStringLiteral("CartellaInsegnante"))
                ->text()
                .contains(QDir::toNativeSeparators(env.teacherFolder())));
    auto* button = dialogo->findChild<QPushButton*>(QStringLiteral("BottoneElenchi"));
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->text(), QStringLiteral("Controlla gli elenchi"));
    button->click();
    auto* finestra = dialogo->findChild<FinestraControlloElenchi*>();
    QVERIFY(finestra);
    QVERIFY(finestra->isVisible());
    QVERIFY(
        finestra->testo().contains(QStringLiteral("Esito: tutti gli elenchi si possono usare")));
    QVERIFY(finestra->testo().contains(QDir::toNativeSeparators(env.teacherFolder())));
    QVERIFY(finestra->findChild<QPlainTextEdit*>()->isReadOnly());

    // A list of the teacher's, broken after the window opened.
    env.writeTeacherList(QStringLiteral("gradi.txt"), QStringLiteral("poco, molto, troppo\n"));
    finestra->findChild<QPushButton*>(QStringLiteral("BottoneControllaDiNuovo"))->click();
    QVERIFY2(finestra->testo().contains(QStringLiteral("ERRORI")), qPrintable(finestra->testo()));
    QVERIFY(finestra->testo().contains(
        QDir::toNativeSeparators(env.teacherFolder() + QStringLiteral("/gradi.txt"))));

    finestra->findChild<QPushButton*>(QStringLiteral("BottoneCopia"))->click();
    QCOMPARE(QApplication::clipboard()->text(), finestra->testo());

    QVERIFY(QDir(env.teacherFolder()).removeRecursively());
    finestra->findChild<QPushButton*>(QStringLiteral("BottoneApriCartella"))->click();
    QVERIFY(QFileInfo(env.teacherFolder()).isDir());
    QCOMPARE(opened_, QList<QUrl>{QUrl::fromLocalFile(env.teacherFolder())});
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    finestra->findChild<QPushButton*>(QStringLiteral("BottoneChiudi"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!menu->findChild<FinestraControlloElenchi*>());
    QCOMPARE(TestEnvironment::visibleWindows(), QList<QWidget*>{menu});
}

QTEST_MAIN(ListCheckerTest)
#include "tst_listchecker.moc"
