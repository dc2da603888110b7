// "Opzioni": the choices kept between runs (and a broken settings file),
// the command line, the dialog from the menu, and the readable letters and
// capitals, which change what the pupil sees and never which answer is right.

#include "dropdelivery.h"
#include "testenvironment.h"

#include "app/dialogoopzioni.h"
#include "app/formmenu.h"
#include "app/interruttori.h"
#include "app/navigazione.h"
#include "app/rigadicomando.h"
#include "exercises/choice/form9vocario.h"
#include "exercises/matching/dragmatchwindow.h"
#include "geometry/designscale.h"
#include "layouts/aspettoparole.h"
#include "layouts/designlabel.h"
#include "layouts/designtextbox.h"
#include "layouts/displaytext.h"
#include "layouts/dragpayload.h"
#include "options/opzioniriga.h"
#include "options/opzionisalvate.h"
#include "options/tabellaopzioni.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>
#include <memory>

using namespace vocario;
using namespace vocario::testing;

namespace {

const QString kContrariConAccenti = QStringLiteral("città, campagna\n"
                                                   "più, meno\n"
                                                   "così, diverso\n"
                                                   "già, ancora\n"
                                                   "perché, però\n"
                                                   "caffè, tè\n"
                                                   "virtù, vizio\n"
                                                   "felicità, tristezza\n"
                                                   "verità, bugia\n");

// Where a label's letters are drawn: its dark pixels inside its border.
QRect ink(DesignLabel* label) {
    const QImage image = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect found;
    const QRect inside = label->contentsRect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                found |= QRect(x, y, 1, 1);
    return found;
}

// Readable letters at least as large as the design's where they fit, clear
// of the border, at one size in every member of an array.
void checkReadableLetters(VocarioWindow* window, const QString& array, int members) {
    QFont design = window->member<DesignLabel>(array, 0)->font();
    design.setFamily(QStringLiteral("Arial"));
    std::optional<qreal> size;
    for (int k = 0; k < members; ++k) {
        auto* label = window->member<DesignLabel>(array, k);
        const QRect letters = ink(label);
        if (letters.isEmpty())
            continue;
        QVERIFY2(label->contentsRect().adjusted(2, 2, -2, -2).contains(letters),
                 qPrintable(label->objectName() + u' ' + label->text()));
        QCOMPARE(label->drawnFont().pointSizeF(), size.value_or(label->drawnFont().pointSizeF()));
        size = label->drawnFont().pointSizeF();
        if (!label->text().contains(u' '))
            QVERIFY2(QFontMetricsF(label->drawnFont()).capHeight() >=
                         QFontMetricsF(design).capHeight(),
                     qPrintable(label->text()));
    }
    QVERIFY(size);
}

QString settingsFile() {
    return QSettings(QStringLiteral("vocario"), QStringLiteral("vocario")).fileName();
}

void writeSettings(const QByteArray& content) {
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

ScelteOpzioni parse(const QStringList& arguments, QStringList* errori = nullptr,
                    QString* help = nullptr) {
    QCommandLineParser parser;
    OpzioniRiga::registra(parser);
    if (!parser.parse(QStringList{QStringLiteral("vocario")} + arguments))
        qFatal("%s", qPrintable(parser.errorText()));
    if (help) // what `vocario --help` prints
        *help = RigaDiComando::aiuto();
    return OpzioniRiga::leggi(parser, errori);
}

// The check box or radio button that shows `valore` of `riga` in the dialog,
// and whether it is checked for it: named after the row's key and the value's word.
std::pair<QAbstractButton*, bool> shownChoice(QWidget* dialogo, const RigaOpzione& riga,
                                              int valore) {
    const auto capitalised = [](const char* words) {
        QString name;
        for (const QString& word : QString::fromUtf8(words).split(u'-'))
            name += word.left(1).toUpper() + word.mid(1);
        return name;
    };
    if (riga.siNo())
        return {dialogo->findChild<QCheckBox*>(capitalised(riga.chiave)), valore == 1};
    for (const ValoreOpzione& v : riga.valori)
        if (v.valore == valore)
            return {
                dialogo->findChild<QRadioButton*>(capitalised(riga.chiave) + capitalised(v.parola)),
                true};
    return {nullptr, false};
}

// What the command line writes to choose `valore` of `riga`.
QStringList switchesFor(const RigaOpzione& riga, int valore) {
    if (riga.siNo())
        return {QStringLiteral("--") + (valore ? riga.si : riga.no).nomi.constLast()};
    return {QStringLiteral("--") + QLatin1String(riga.chiave), riga.parola(valore)};
}

template <typename T> T* openedWindow() {
    const QList<QWidget*> windows = TestEnvironment::visibleWindows();
    return windows.size() == 1 ? qobject_cast<T*>(windows.first()) : nullptr;
}

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void choicesSurviveARestartAndABrokenFileGivesTheDefaults();
    void theCommandLineChoosesForOneRunAndItsHelpIsItalian();
    void theDialogAppliesAtOnceKeepsTheChoicesAndSaysWhyNoVoice();
    void everyRowOfTheTableIsInTheDialogTheSettingsTheCommandLineAndHelp();
    void capitalsAndReadableLettersChangeWhatIsShownNotWhatIsRight();
};

void OptionsTest::choicesSurviveARestartAndABrokenFileGivesTheDefaults() {
    TestEnvironment env;
    QCOMPARE(OpzioniSalvate::carica(), Opzioni{}); // nothing stored: the design
    const Opzioni scelte{.dimensione = Dimensione::SchermoIntero,
                         .leggiAdAltaVoce = true,
                         .altaLeggibilita = true,
                         .maiuscolo = true};
    QVERIFY(OpzioniSalvate::salva(scelte));
    QCOMPARE(OpzioniSalvate::carica(), scelte);

    // What an earlier version kept in Qt's place for a program of no
    // organisation moves into this file once; what is here already stays.
    const auto vecchie = [] {
        return std::make_unique<QSettings>(QStringLiteral("Unknown Organization"),
                                           QCoreApplication::applicationName());
    };
    vecchie()->setValue(QStringLiteral("registro/server"), QStringLiteral("postgresql://pc@lab/r"));
    vecchie()->setValue(QStringLiteral("opzioni/maiuscolo"), QStringLiteral("false"));
    QCOMPARE(OpzioniSalvate::impostazioni().value(QStringLiteral("registro/server")).toString(),
             QStringLiteral("postgresql://pc@lab/r"));
    QCOMPARE(OpzioniSalvate::carica(), scelte);
    QVERIFY(!QFile::exists(vecchie()->fileName()));

    // Edited by hand: what is understood counts, the rest is the default.
    writeSettings("[opzioni]\ndimensione=Grande\nleggiAdAltaVoce=forse\nmaiuscolo=true\n"
                  "altaLeggibilita=1\n");
    QCOMPARE(OpzioniSalvate::carica(), (Opzioni{.dimensione = Dimensione::Grande,
                                                .leggiAdAltaVoce = false,
                                                .altaLeggibilita = false,
                                                .maiuscolo = true}));
    // Broken beyond reading: the defaults, without a message.
    writeSettings(QByteArray("\x00\xff[[opzioni\ndimensione=\"schermo\n\x01=\x02", 33));
    QCOMPARE(OpzioniSalvate::carica(), Opzioni{});
    writeSettings("[opzioni]\ndimensione=enorme\n");
    QCOMPARE(OpzioniSalvate::carica().dimensione, Dimensione::Normale);
}

void OptionsTest::theCommandLineChoosesForOneRunAndItsHelpIsItalian() {
    TestEnvironment env;
    const Opzioni salvate{.dimensione = Dimensione::Grande, .leggiAdAltaVoce = true};
    QVERIFY(OpzioniSalvate::salva(salvate));

    QString help;
    const ScelteOpzioni scelte =
        parse({QStringLiteral("--dimensione"), QStringLiteral("schermo-intero"),
               QStringLiteral("--leggi"), QStringLiteral("--alta-leggibilità"),
               QStringLiteral("--maiuscolo"), QStringLiteral("--non-leggere")},
              nullptr, &help);
    // The later of two opposites counts; what is not given keeps its stored value.
    QCOMPARE(scelte.applicate(OpzioniSalvate::carica()),
             (Opzioni{.dimensione = Dimensione::SchermoIntero,
                      .leggiAdAltaVoce = false,
                      .altaLeggibilita = true,
                      .maiuscolo = true}));
    QCOMPARE(parse({QStringLiteral("--minuscolo"), QStringLiteral("--caratteri-normali")})
                 .applicate({.altaLeggibilita = true, .maiuscolo = true}),
             Opzioni{});
    QCOMPARE(parse({QStringLiteral("--dimensione=schermo intero")}).dimensione,
             Dimensione::SchermoIntero);
    QCOMPARE(parse({}).applicate(salvate), salvate);
    // For that run only: the stored choices stay.
    QCOMPARE(OpzioniSalvate::carica(), salvate);

    QStringList errori;
    QVERIFY(!parse({QStringLiteral("--dimensione"), QStringLiteral("enorme")}, &errori).dimensione);
    QCOMPARE(errori.size(), 1);
    QVERIFY2(errori.first().contains(u"enorme") && errori.first().contains(u"schermo-intero"),
             qPrintable(errori.first()));

    for (const char* shown :
         {"--dimensione <dimensione>", "schermo-intero", "--leggi", "--non-leggere",
          "--alta-leggibilita", "--caratteri-normali", "--maiuscolo", "--minuscolo",
          "Legge ad alta voce", "STAMPATO MAIUSCOLO"})
        QVERIFY2(help.contains(QString::fromUtf8(shown)), shown);
}

void OptionsTest::theDialogAppliesAtOnceKeepsTheChoicesAndSaysWhyNoVoice() {
    TestEnvironment env;
    env.useShippedLists();
    env.speech->makeUnavailable(QStringLiteral("La sintesi vocale non ha una voce italiana."));
    FormMenu* menu = Navigazione::mostraMenu(nullptr);
    auto* bottone = menu->control<QPushButton>(QStringLiteral("BottoneOpzioni"));
    QCOMPARE(bottone->text(), QStringLiteral("Opzioni"));
    QCOMPARE(bottone->font(), menu->control(QStringLiteral("Command2"))->font());
    QCOMPARE(bottone->geometry().bottom() + 1 + 16, menu->centralWidget()->height());
    bottone->click();
    DialogoOpzioni* dialogo = menu->findChild<DialogoOpzioni*>();
    QVERIFY(dialogo && dialogo->isVisible());
    QCOMPARE(dialogo->windowTitle(), QStringLiteral("Vocario – Opzioni"));

    // No Italian voice: shown off and greyed, with the reason.
    auto* leggi = dialogo->findChild<QCheckBox*>(QStringLiteral("LeggiAdAltaVoce"));
    QVERIFY(!leggi->isEnabled() && !leggi->isChecked());
    auto* motivo = dialogo->findChild<QLabel*>(QStringLiteral("MotivoVoce"));
    QVERIFY(motivo->isVisible());
    QCOMPARE(motivo->text(), QStringLiteral("La sintesi vocale non ha una voce italiana."));
    // The teacher's row, with the check of the word lists.
    QVERIFY(dialogo->findChild<QGroupBox*>(QStringLiteral("SezioneInsegnante"))->isVisible());
    QVERIFY(dialogo->findChild<QPushButton*>(QStringLiteral("BottoneElenchi"))->isVisible());
    // Tab reaches every choice, the teacher's buttons and "Chiudi", and passes over the folder's
    // name.
    QVERIFY(QTest::qWaitForWindowActive(dialogo));
    QStringList stops;
    for (int k = 0; k < 12; ++k) {
        QWidget* at = QApplication::focusWidget();
        stops << (at ? at->objectName() : QString());
        QTest::keyClick(at ? at : dialogo, Qt::Key_Tab);
    }
    QVERIFY2(stops.join(u' ').contains(
                 QStringLiteral("Maiuscolo BottoneElenchi BottoneSchede Chiudi")) &&
                 !stops.contains(QStringLiteral("CartellaInsegnante")),
             qPrintable(stops.join(u' ')));

    QVERIFY(AspettoParole::carattereLeggibileInstallato());
    dialogo->findChild<QCheckBox*>(QStringLiteral("AltaLeggibilita"))->click();
    dialogo->findChild<QCheckBox*>(QStringLiteral("Maiuscolo"))->click();
    dialogo->findChild<QRadioButton*>(QStringLiteral("DimensioneGrande"))->click();
    const Opzioni scelte{
        .dimensione = Dimensione::Grande, .altaLeggibilita = true, .maiuscolo = true};
    QCOMPARE(env.state.opzioni, scelte);        // at once
    QCOMPARE(OpzioniSalvate::carica(), scelte); // and kept
    dialogo->findChild<QPushButton*>(QStringLiteral("Chiudi"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // A new size shows at once: the menu comes again at it.
    menu = openedWindow<FormMenu>();
    QVERIFY(menu);
    QVERIFY(designScaleOf(menu->centralWidget()).factor > 1.0);
    QVERIFY(Navigazione::apriEsercizio(1, menu));
    auto* form1 = openedWindow<DragMatchWindow>();
    QVERIFY(form1);
    QVERIFY(designScaleOf(form1->centralWidget()).factor > 1.0);
    QCOMPARE(form1->member(QStringLiteral("Label3"), 0)->font().family(),
             QString::fromLatin1(AspettoParole::kCarattereLeggibile));
}

void OptionsTest::everyRowOfTheTableIsInTheDialogTheSettingsTheCommandLineAndHelp() {
    TestEnvironment env;
    // Every switch of the one table has its line in --help, the options'
    // rows theirs, with their words.
    const QStringList help = RigaDiComando::aiuto().split(u'\n');
    QVERIFY(help.constFirst().startsWith(QStringLiteral("Uso: vocario [opzioni]")));
    const auto helpLine = [&help](const QString& written, const QString& text) {
        for (const QString& line : help) {
            const QString head = line.trimmed();
            if (head.startsWith(written) &&
                QStringLiteral(" ,").contains(head.at(written.size())) &&
                line.endsWith(QStringLiteral("  ") + text))
                return true;
        }
        return false;
    };
    for (const Interruttori::Interruttore& row : Interruttori::tutti())
        QVERIFY2(helpLine(Interruttori::scritto(row.nomi.constFirst()), row.aiuto),
                 qPrintable(row.nomi.constFirst()));
    for (const RigaOpzione& riga : tabellaOpzioni()) {
        const QString key = QString::fromLatin1(riga.chiave);
        QVERIFY2(riga.siNo() ? helpLine(QStringLiteral("--") + riga.si.nomi.constFirst(),
                                        QString::fromUtf8(riga.si.aiuto)) &&
                                   helpLine(QStringLiteral("--") + riga.no.nomi.constFirst(),
                                            QString::fromUtf8(riga.no.aiuto))
                             : helpLine(QStringLiteral("--%1 <%1>").arg(key),
                                        QString::fromUtf8(riga.aiuto).arg(riga.valoriAmmessi())),
                 riga.chiave);
        for (const QString& name : riga.siNo() ? riga.si.nomi + riga.no.nomi : QStringList{key})
            QVERIFY(Interruttori::di(name) &&
                    Interruttori::di(name)->ambito == Interruttori::Ambito::Opzioni);
    }

    // Each value of each row: stored and read back under its key, chosen on
    // the command line over another stored value, shown in the dialog, and
    // chosen there.
    for (const RigaOpzione& riga : tabellaOpzioni()) {
        const QList<int> values = riga.siNo() ? QList<int>{1, 0} : [&riga] {
            QList<int> all;
            for (const ValoreOpzione& v : riga.valori)
                all << v.valore;
            return all;
        }();
        for (qsizetype i = 0; i < values.size(); ++i) {
            const int value = values[i];
            const int other = values[(i + 1) % values.size()];
            const QByteArray what = QByteArray(riga.chiave) + ' ' + QByteArray::number(value);
            Opzioni stored;
            riga.campo.imposta(stored, other);
            QVERIFY(OpzioniSalvate::salva(stored));
            QCOMPARE(QSettings(settingsFile(), QSettings::IniFormat)
                         .value(QStringLiteral("opzioni/") + QLatin1String(riga.chiave))
                         .toString(),
                     riga.parola(other));
            QCOMPARE(OpzioniSalvate::carica(), stored);

            const RigaDiComando::Richiesta line =
                RigaDiComando::leggi(QStringList{"vocario"} + switchesFor(riga, value));
            QVERIFY2(!line.esito, what);
            Opzioni expected = stored;
            riga.campo.imposta(expected, value);
            QCOMPARE(line.scelte.applicate(OpzioniSalvate::carica()), expected);

            env.state.opzioni = expected;
            auto* dialogo = new DialogoOpzioni(env.state, nullptr);
            const auto [shown, checked] = shownChoice(dialogo, riga, value);
            QVERIFY2(shown && shown->isChecked() == checked, what);
            const auto [choice, _] = shownChoice(dialogo, riga, other);
            choice->click();
            QCOMPARE(env.state.opzioni, stored);
            QCOMPARE(OpzioniSalvate::carica(), stored);
            delete dialogo;
        }
    }
}

void OptionsTest::capitalsAndReadableLettersChangeWhatIsShownNotWhatIsRight() {
    TestEnvironment env;
    env.useShippedLists();
    env.writeList(QStringLiteral("contrari.txt"), kContrariConAccenti);
    env.state.opzioni.maiuscolo = true;
    env.state.opzioni.altaLeggibilita = true;
    QVERIFY(Navigazione::apriEsercizio(1, nullptr));
    auto* form1 = openedWindow<DragMatchWindow>();
    QVERIFY(form1);
    QStringList shown;
    for (int k = 0; k < DragMatchWindow::kMaxSlots; ++k) {
        auto* word = form1->member<DesignLabel>(QStringLiteral("Label3"), k);
        // The label keeps the list's word; it draws it in capitals.
        QCOMPARE(word->text(), form1->modello().turno().coppie[k].parola);
        shown << shownText(word, word->text());
        QCOMPARE(word->font().family(), QString::fromLatin1(AspettoParole::kCarattereLeggibile));
    }
    QVERIFY2(shown.contains(QStringLiteral("CITTÀ")) && shown.contains(QStringLiteral("PERCHÉ")),
             qPrintable(shown.join(u' ')));
    // Only the words change their look.
    QVERIFY(form1->control(QStringLiteral("Label5"))->font().family() !=
            QString::fromLatin1(AspettoParole::kCarattereLeggibile));
    QCOMPARE(shownText(form1->control(QStringLiteral("Label5")), QStringLiteral("Trascina")),
             QStringLiteral("Trascina"));
    // What the pupil sees is the word in capitals, drawn as such.
    auto* word = form1->member<DesignLabel>(QStringLiteral("Label3"), 0);
    DesignLabel plain;
    plain.resize(word->size());
    plain.setFont(word->font());
    plain.setAlignment(word->alignment());
    plain.setFrameShape(word->frameShape());
    plain.setPalette(word->palette());
    plain.setAutoFillBackground(word->autoFillBackground());
    plain.setText(word->text().toUpper());
    plain.setTallFace(true);
    QCOMPARE(word->grab().toImage().convertToFormat(QImage::Format_RGB32),
             plain.grab().toImage().convertToFormat(QImage::Format_RGB32));
    checkReadableLetters(form1, QStringLiteral("Label3"), DragMatchWindow::kMaxSlots);
    checkReadableLetters(form1, QStringLiteral("Label4"), DragMatchWindow::kMaxSlots);

    // Right and wrong as without capitals: a word on its partner, then a
    // word on another's.
    auto* target0 = form1->member<DesignLabel>(QStringLiteral("Label4"), 0);
    auto* target1 = form1->member<DesignLabel>(QStringLiteral("Label4"), 1);
    deliverDropAt(target1, target1->rect().center(),
                  DragPayload::encode(QStringLiteral("Label3(2)")));
    QCOMPARE(env.state.NumeroErrati, 1);
    deliverDropAt(target0, target0->rect().center(),
                  DragPayload::encode(QStringLiteral("Label3(0)")));
    QCOMPARE(env.state.NumeroEsatti, 1);
    QCOMPARE(env.state.NumeroErrati, 1);
    QVERIFY(target0->text().startsWith(form1->modello().turno().coppie[0].posto));

    // The long idioms of "parola corretta" too.
    QVERIFY(Navigazione::apriEsercizio(8, form1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* form8 = openedWindow<DragMatchWindow>();
    QVERIFY(form8);
    checkReadableLetters(form8, QStringLiteral("Label3"), 4);
    checkReadableLetters(form8, QStringLiteral("Label4"), 4);

    // The meanings on the buttons and the sentence in the box, too.
    env.state.NumeroEsatti = 0;
    QVERIFY(Navigazione::apriEsercizio(9, form8));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* form9 = openedWindow<Form9Vocario>();
    QVERIFY(form9);
    auto* text1 = form9->control<DesignTextBox>(QStringLiteral("Text1"));
    QCOMPARE(text1->toPlainText(), text1->text().toUpper());
    QVERIFY(text1->text() != text1->toPlainText());
    auto* giusto = form9->member<QPushButton>(QStringLiteral("Bottone"), 0);
    QCOMPARE(giusto->text(), giusto->text().toUpper());
    // A screen reader and the voice get the list's own text.
    QCOMPARE(giusto->accessibleName().toUpper(), giusto->text().simplified());
    QVERIFY(giusto->accessibleName() != giusto->accessibleName().toUpper());
    giusto->click();
    QCOMPARE(env.state.NumeroEsatti, 1);
}

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
