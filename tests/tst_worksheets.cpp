#include "parolepdf.h"
#include "testenvironment.h"

#include "app/dialogoopzioni.h"
#include "app/formmenu.h"
#include "app/moduloinsegnante.h"
#include "app/navigazione.h"
#include "core/cartelleelenchi.h"
#include "exercises/catalogo.h"
#include "sheets/dialogoschede.h"
#include "sheets/esercizischeda.h"
#include "sheets/estrazione.h"
#include "sheets/schedadariga.h"
#include "sheets/stampaschede.h"
#include "wordlists/wordlistreader.h"

#include <QCheckBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

// Worksheets on paper: the items drawn from the lists the exercises read,
// printed to a PDF that is read back as text, and a key that agrees with
// the lists.
class WorksheetsTest : public QObject {
    Q_OBJECT
  private slots:
    void keyAgreesWithTheLists_data();
    void keyAgreesWithTheLists();
    void wordsLongerThanALineStayOnThePage();
    void shortListIsRefusedWithItsFolder();
    void commandLineWithoutADisplay();
    void commandLineNamesAsTheRegisterAndTheMenu_data();
    void commandLineNamesAsTheRegisterAndTheMenu();
    void teacherOpensItFromOptions();
};

namespace {

// The PDF's text, page by page (pdftotext keeps the columns apart).
QStringList pagine(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        qFatal("pdftotext failed on %s", qPrintable(pdf));
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    if (pages.size() > 1 && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QList<QStringList> records(const AppState& state, const QString& file, int fields) {
    const WordListResult read = CartelleElenchi::lettoreElenchi(state).read(file, fields, 500);
    if (!read.ok)
        qFatal("%s", qPrintable(read.error));
    return read.records;
}

QString simplified(const QString& text) {
    return text.simplified();
}

// Every text an item prints for the pupil.
QStringList printed(const VoceScheda& voce) {
    return voce.sinistra + voce.destra + voce.scelte +
           (voce.frase.isEmpty() ? QStringList{} : QStringList{voce.parola});
}

const QString kTeacherAntonyms = QStringLiteral("più, meno\n"
                                                "perché, però\n"
                                                "\"bello, buono\", \"brutto, cattivo\"\n"
                                                "l'alba, il tramonto\n"
                                                "città, campagna\n"
                                                "sì, no\n"
                                                "caldo, freddo\n"
                                                "alto, basso\n"
                                                "già, non ancora\n"
                                                "virtù, vizio\n");

} // namespace

void WorksheetsTest::keyAgreesWithTheLists_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<bool>("teacherList");
    QTest::newRow("matching, the teacher's antonyms with accents and quotes") << 0 << true;
    QTest::newRow("ordering on the intensity scale") << 6 << false;
    QTest::newRow("choice: synonyms or antonyms") << 2 << false;
    QTest::newRow("click: the odd word out") << 5 << false;
}

void WorksheetsTest::keyAgreesWithTheLists() {
    QFETCH(int, exercise);
    QFETCH(bool, teacherList);
    TestEnvironment env;
    env.useShippedLists();
    if (teacherList)
        env.writeTeacherList(QStringLiteral("contrari.txt"), kTeacherAntonyms);
    env.state.random.seed(26);
    EsitoScheda made = componiScheda(catalogoEsercizi(), {.esercizi = {exercise}, .voci = 0},
                                     CartelleElenchi::lettoreElenchi(env.state), env.state.random);
    QVERIFY2(made.errore.isEmpty(), qPrintable(made.errore));
    const QString pdf = env.folder() + QStringLiteral("/scheda.pdf");
    if (exercise == 6) {
        // The printer's way, as the print dialog leaves it, into a file.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QCOMPARE(stampa(made.scheda, printer), QString());
    } else {
        QCOMPARE(salvaPdf(made.scheda, pdf), QString());
    }
    const QList<VoceScheda>& voci = made.scheda.blocchi.front().voci;
    QVERIFY(!voci.isEmpty());

    // One page of items for the pupil, then the key on a page of its own.
    const QStringList pages = pagine(pdf);
    QCOMPARE(pages.size(), 2);
    const QString sheet = pages[0];
    const QString key = pages[1];
    QVERIFY(sheet.contains(QStringLiteral("Nome")) && sheet.contains(QStringLiteral("Classe")) &&
            sheet.contains(QStringLiteral("Data")) && sheet.contains(QStringLiteral("Vocario")));
    QVERIFY(key.contains(QStringLiteral("Soluzioni")));
    QVERIFY(!sheet.contains(QStringLiteral("→")));
    for (const VoceScheda& voce : voci)
        for (const QString& text : printed(voce))
            QVERIFY2(sheet.contains(text), qPrintable(text));

    const QStringList lines = key.split(u'\n');
    int answered = 0;
    if (exercise == 0) {
        // "1. più   (c) •   • a. no": every left word joined to its antonym.
        QList<QStringList> list = records(env.state, QStringLiteral("contrari.txt"), 2);
        QVERIFY(list.contains(
            QStringList{QStringLiteral("bello, buono"), QStringLiteral("brutto, cattivo")}));
        const QRegularExpression row(
            QStringLiteral("^\\s*(\\d+)\\.\\s+(.+?)\\s+\\(([a-z])\\)\\s+([a-z])\\.\\s+(.+?)\\s*$"));
        // The rows are numbered on across the groups; each group letters
        // its second column from a.
        QMap<QString, QString> lettered;
        int last = 0;
        QList<QPair<QString, QString>> joined;
        const auto check = [&] {
            for (const auto& [word, letter] : joined)
                if (!list.contains(QStringList{word, lettered.value(letter)}))
                    return false;
            answered += int(joined.size());
            joined.clear();
            return true;
        };
        for (const QString& line : lines)
            if (const auto m = row.match(line); m.hasMatch()) {
                if (m.captured(4) == QStringLiteral("a"))
                    QVERIFY2(check(), qPrintable(key));
                QCOMPARE(m.captured(1).toInt(), ++last);
                // No partner printed beside its word.
                QVERIFY(m.captured(3) != m.captured(4));
                lettered[m.captured(4)] = m.captured(5);
                joined << QPair(m.captured(2), m.captured(3));
            }
        QVERIFY2(check(), qPrintable(key));
        QCOMPARE(answered, 10);
    } else if (exercise == 6) {
        // The words written into the scale: less intense first.
        const QList<QStringList> list = records(env.state, QStringLiteral("gradi.txt"), 2);
        const QRegularExpression scale(
            QStringLiteral("meno intenso\\s+(.+?)\\s+…\\s+(.+?)\\s+più intenso"));
        for (const QString& line : lines)
            if (const auto m = scale.match(line); m.hasMatch()) {
                QVERIFY2(list.contains(QStringList{m.captured(1), m.captured(2)}),
                         qPrintable(line));
                ++answered;
            }
    } else if (exercise == 2) {
        const QList<QStringList> synonyms = records(env.state, QStringLiteral("sinonimi.txt"), 2);
        const QList<QStringList> antonyms = records(env.state, QStringLiteral("contrari.txt"), 2);
        const QRegularExpression pair(
            QStringLiteral("^\\s*\\d+\\.\\s+(.+?) / "
                           "(.+?)\\s+sinonimi\\s+/\\s+contrari\\s+→[\\s\\x{00A0}]+(\\w+)\\s*$"));
        for (const QString& line : lines)
            if (const auto m = pair.match(line); m.hasMatch()) {
                const QStringList words{m.captured(1), m.captured(2)};
                const bool synonym = m.captured(3) == QStringLiteral("sinonimi");
                QVERIFY2((synonym ? synonyms : antonyms).contains(words), qPrintable(line));
                ++answered;
            }
    } else {
        // Three words of one group and the intruder, which is not in it.
        const QList<QStringList> groups = records(env.state, QStringLiteral("aree2.txt"), 3);
        const QRegularExpression row(
            QStringLiteral("^\\s*\\d+\\.\\s+(.+?)\\s+→[\\s\\x{00A0}]+(.+?)\\s*$"));
        for (const QString& line : lines)
            if (const auto m = row.match(line); m.hasMatch()) {
                QStringList words =
                    m.captured(1).split(QRegularExpression(QStringLiteral("\\s{2,}")));
                QCOMPARE(words.size(), 4);
                QVERIFY(words.removeOne(m.captured(2)));
                std::sort(words.begin(), words.end());
                const bool aGroup = std::any_of(groups.begin(), groups.end(), [&](QStringList g) {
                    std::sort(g.begin(), g.end());
                    return g == words && !g.contains(m.captured(2));
                });
                QVERIFY2(aGroup, qPrintable(line));
                ++answered;
            }
    }
    if (exercise != 0)
        QCOMPARE(answered, voci.size());
    QVERIFY(answered >= 4);
}

void WorksheetsTest::wordsLongerThanALineStayOnThePage() {
    TestEnvironment env;
    env.useShippedLists();
    // Lists of the teacher's whose every record has a word of 300 letters.
    const QString lunga(300, u'w');
    QString contrari, gradi, vocario;
    for (int k = 0; k < 20; ++k) {
        contrari += QStringLiteral("%1%2, basso%2\n").arg(lunga).arg(k);
        gradi += QStringLiteral("tiepido%2, %1%2\n").arg(lunga).arg(k);
        vocario += QStringLiteral("La %1%2 era lì., %1%2, giusto%2, sbagliato%2, altro%2\n")
                       .arg(lunga)
                       .arg(k);
    }
    env.writeTeacherList(QStringLiteral("contrari.txt"), contrari);
    env.writeTeacherList(QStringLiteral("gradi.txt"), gradi);
    env.writeTeacherList(QStringLiteral("vocario.txt"), vocario);
    env.state.random.seed(3);
    // Matching, the scale, synonyms or antonyms, the meaning: two of each.
    EsitoScheda made = componiScheda(catalogoEsercizi(), {.esercizi = {0, 6, 2, 8}, .voci = 2},
                                     CartelleElenchi::lettoreElenchi(env.state), env.state.random);
    QVERIFY2(made.errore.isEmpty(), qPrintable(made.errore));
    const QString pdf = env.folder() + QStringLiteral("/lunghe.pdf");
    QCOMPARE(salvaPdf(made.scheda, pdf), QString());
    const QList<ParolaPdf> parole = parolePdf(pdf);
    // Within the page's margins (18 mm, some 51 points), every letter there.
    QVERIFY2(fuoriPagina(parole, 40).isEmpty(), qPrintable(fuoriPagina(parole, 40).join(u'\n')));
    qsizetype w = 0;
    for (const ParolaPdf& p : parole)
        w += p.testo.count(u'w');
    QVERIFY2(w >= 2 * 4 * 300 && w % 300 == 0, qPrintable(QString::number(w)));
    // Nothing drawn over another: no two words of a page share a point.
    for (qsizetype a = 0; a < parole.size(); ++a)
        for (qsizetype b = a + 1; b < parole.size() && parole[b].pagina == parole[a].pagina; ++b) {
            const ParolaPdf &p = parole[a], &q = parole[b];
            const bool sovrapposte = p.xMin + 0.5 < q.xMax && q.xMin + 0.5 < p.xMax &&
                                     p.yMin + 0.5 < q.yMax && q.yMin + 0.5 < p.yMax;
            QVERIFY2(!sovrapposte, qPrintable(QStringLiteral("p. %1: «%2» on «%3»")
                                                  .arg(p.pagina)
                                                  .arg(p.testo.left(12), q.testo.left(12))));
        }
}

void WorksheetsTest::shortListIsRefusedWithItsFolder() {
    TestEnvironment env;
    env.useShippedLists();
    env.writeTeacherList(QStringLiteral("gradi.txt"), QStringLiteral("tiepido, bollente\n"
                                                                     "fresco, gelido\n"
                                                                     "stanco, sfinito\n"));
    // "gradi" deals from one record; "abbina gradi" needs nine.
    EsitoScheda made = componiScheda(catalogoEsercizi(), {.esercizi = {6, 4}, .voci = 3},
                                     CartelleElenchi::lettoreElenchi(env.state), env.state.random);
    QVERIFY(made.scheda.blocchi.isEmpty());
    QVERIFY2(made.errore.contains(
                 QDir::toNativeSeparators(env.teacherFolder() + QStringLiteral("/gradi.txt"))),
             qPrintable(made.errore));
    QVERIFY2(made.errore.contains(QStringLiteral("contiene solo 3 voci")) &&
                 made.errore.contains(QStringLiteral("«abbina gradi» ne servono almeno 9")),
             qPrintable(made.errore));
}

void WorksheetsTest::commandLineWithoutADisplay() {
    QTemporaryDir home;
    const auto run = [&](const QStringList& arguments, QString* errors = nullptr) {
        QProcess vocario;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/dati"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           home.path() + QStringLiteral("/conf"));
        vocario.setProcessEnvironment(environment);
        vocario.start(QStringLiteral(VOCARIO_PROGRAM), arguments);
        if (!vocario.waitForFinished(60000))
            qFatal("vocario did not end");
        if (errors)
            *errors = QString::fromUtf8(vocario.readAllStandardError());
        return vocario.exitCode();
    };
    const QString first = home.filePath(QStringLiteral("uno.pdf"));
    const QString second = home.filePath(QStringLiteral("due.pdf"));
    const QStringList all{QStringLiteral("--scheda"), QStringLiteral("tutti"),
                          QStringLiteral("--seme"), QStringLiteral("7"), QStringLiteral("--pdf")};
    QCOMPARE(run(all + QStringList{first}), 0);
    QCOMPARE(run(all + QStringList{second}), 0);
    // The same seed, the same sheet; each exercise fills one page, the key
    // follows, its pages numbered on from the sheets'. The items are
    // numbered across the sheet, never from 1 again.
    const QStringList pages = pagine(first);
    QCOMPARE(pages, pagine(second));
    QCOMPARE(pages.size(), 18);
    const QRegularExpression item(QStringLiteral("^\\s*(\\d+)\\.\\s"),
                                  QRegularExpression::MultilineOption);
    int items = 0;
    for (int p = 0; p < 18; ++p) {
        QVERIFY(pages[p].contains(p < 9 ? QStringLiteral("Nome") : QStringLiteral("Soluzioni")));
        // The foot: "Vocario", then the page's number.
        QVERIFY2(pages[p].trimmed().section(QRegularExpression(QStringLiteral("\\s+")), -1) ==
                     QString::number(p + 1),
                 qPrintable(pages[p].right(80)));
        for (auto it = item.globalMatch(pages[p]); p < 9 && it.hasNext();)
            QCOMPARE(it.next().captured(1).toInt(), ++items);
    }
    QVERIFY(items > 60);
    QCOMPARE(run({QStringLiteral("--scheda"), QStringLiteral("vocario,gradi"),
                  QStringLiteral("--seme"), QStringLiteral("8"), QStringLiteral("--voci"),
                  QStringLiteral("2"), QStringLiteral("--pdf"), first}),
             0);
    QVERIFY(pagine(first).size() == 2 && pagine(first)[0].contains(QStringLiteral("vuol dire")));

    QString errors;
    QCOMPARE(run({QStringLiteral("--scheda"), QStringLiteral("abbina-colori"),
                  QStringLiteral("--pdf"), first},
                 &errors),
             1);
    QVERIFY2(errors.contains(QStringLiteral("non conosco l'esercizio «abbina-colori»")) &&
                 errors.contains(QStringLiteral("parola-che-comprende-le-altre")),
             qPrintable(errors));
    QDir().mkpath(home.path() + QStringLiteral("/dati/vocario/testi"));
    QFile short_(home.path() + QStringLiteral("/dati/vocario/testi/aree2.txt"));
    QVERIFY(short_.open(QIODevice::WriteOnly));
    short_.write("mela, pera, ciliegia\n");
    short_.close();
    QCOMPARE(run({QStringLiteral("--scheda"), QStringLiteral("parola-intrusa"),
                  QStringLiteral("--pdf"), first},
                 &errors),
             1);
    QVERIFY2(errors.contains(QStringLiteral("contiene una sola voce")), qPrintable(errors));
    QCOMPARE(run({QStringLiteral("--scheda"), QStringLiteral("gradi")}, &errors), 2);
    QVERIFY2(errors.contains(QStringLiteral("manca --pdf")), qPrintable(errors));
}

void WorksheetsTest::commandLineNamesAsTheRegisterAndTheMenu_data() {
    QTest::addColumn<QString>("nomi");
    QTest::addColumn<QList<int>>("scelti"); // empty: refused
    const Catalogo& catalogo = catalogoEsercizi();
    QList<int> tutti;
    for (int i = 0; i < int(catalogo.size()); ++i) {
        // The register's name, and the menu's caption as shown and in
        // capitals: a catalogue's name that left its caption fails here.
        const QString didascalia = esercizioScheda(catalogo[size_t(i)])->didascalia();
        QTest::addRow("%s", catalogo[size_t(i)].nome) << catalogo[size_t(i)].nome << QList{i};
        QTest::addRow("«%s»", qPrintable(didascalia)) << didascalia << QList{i};
        QTest::addRow("«%s»", qPrintable(didascalia.toUpper())) << didascalia.toUpper() << QList{i};
        tutti << i;
    }
    QTest::newRow("the register's old name of parola corretta")
        << QStringLiteral("modi-di-dire") << QList{7};
    QTest::newRow("the register's old name of parola che comprende le altre")
        << QStringLiteral("parola-che-comprende") << QList{3};
    QTest::newRow("a list, in the order given")
        << QStringLiteral("vocario, Parola  Corretta,abbina-contrari") << QList{8, 7, 0};
    QTest::newRow("tutti") << QStringLiteral("Tutti") << tutti;
    QTest::newRow("the menu's words cut short")
        << QStringLiteral("parola-che-comprende-le") << QList<int>{};
    QTest::newRow("one unknown in a list") << QStringLiteral("gradi,modi-di-fare") << QList<int>{};
}

void WorksheetsTest::commandLineNamesAsTheRegisterAndTheMenu() {
    QFETCH(QString, nomi);
    QFETCH(QList<int>, scelti);
    QString sconosciuto;
    const std::optional<QList<int>> trovati =
        eserciziNominati(nomi, catalogoEsercizi(), &sconosciuto);
    if (scelti.isEmpty()) {
        QVERIFY(!trovati);
        QCOMPARE(sconosciuto, nomi.split(u',').last());
    } else {
        QCOMPARE(trovati.value_or(QList<int>{}), scelti);
    }
}

void WorksheetsTest::teacherOpensItFromOptions() {
    TestEnvironment env;
    env.useShippedLists();
    // The worksheets are linked into this test, not loaded as the program's module.
    static const ModuloInsegnante::Voci voci{.mostraSchedeDaStampare = mostraSchedeDaStampare};
    ModuloInsegnante::impostaVoci(&voci);
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    menu->findChild<QPushButton*>(QStringLiteral("BottoneOpzioni"))->click();
    auto* options = menu->findChild<DialogoOpzioni*>();
    QVERIFY(options);
    auto* button = options->findChild<QPushButton*>(QStringLiteral("BottoneSchede"));
    QVERIFY(button && button->isVisibleTo(options));
    button->click();
    auto* dialog = options->findChild<DialogoSchede*>();
    QVERIFY(dialog);
    const QList<QCheckBox*> exercises =
        dialog->findChild<QWidget*>(QStringLiteral("Esercizi"))->findChildren<QCheckBox*>();
    QCOMPARE(exercises.size(), 9);
    QCOMPARE(exercises.front()->text(), QStringLiteral("abbina contrari"));
    QCOMPARE(exercises.back()->text(), QStringLiteral("vocario"));
    auto* save = dialog->findChild<QPushButton*>(QStringLiteral("SalvaPdf"));
    QVERIFY(save->isEnabled());
    exercises.front()->setChecked(false);
    QVERIFY(!save->isEnabled());
}

QTEST_MAIN(WorksheetsTest)
#include "tst_worksheets.moc"
