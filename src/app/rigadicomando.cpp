#include "rigadicomando.h"

#include "core/programma.h"
#include "options/opzioniriga.h"

#include <QCommandLineParser>
#include <cstdio>
#include <vector>

namespace vocario::RigaDiComando {
namespace {

struct Opzione {
    /// One letter is written "-h", a word "--help".
    QStringList nomi;
    QString descrizione;
    /// The name of the value the option takes; empty for a plain switch.
    QString valore = {};
};

// Every option of the program, in the order --help lists them: the
// program's own, then those of the pupil's options.
const std::vector<Opzione>& opzioni() {
    static const std::vector<Opzione> tutte = [] {
        std::vector<Opzione> elenco{
            {.nomi = {"h", "help"}, .descrizione = "Mostra questo aiuto ed esce."},
            {.nomi = {"v", "version"}, .descrizione = "Mostra la versione del programma ed esce."},
            {.nomi = {"verifica"},
             .descrizione = "Controlla gli elenchi di parole ed esce (0: si possono usare tutti, "
                            "1: no). Dopo l'opzione si può indicare una CARTELLA di elenchi."},
            {.nomi = {"scheda"},
             .descrizione = "Scrive nel PDF di --pdf una scheda da stampare, con le soluzioni, ed "
                            "esce. ESERCIZI: i nomi del menu con i trattini al posto degli spazi "
                            "(abbina-contrari, ..., vocario), separati da virgole, o tutti.",
             .valore = "ESERCIZI"},
            {.nomi = {"voci"},
             .descrizione = "Con --scheda: quante voci per esercizio (senza: quante stanno in "
                            "una pagina).",
             .valore = "N"},
            {.nomi = {"seme"},
             .descrizione = "Con --scheda: lo stesso seme dà di nuovo la stessa scheda.",
             .valore = "N"},
            {.nomi = {"pdf"},
             .descrizione = "Con --scheda: il file PDF da scrivere.",
             .valore = "FILE"},
            {.nomi = {"alunno"},
             .descrizione = "Gioca l'alunno NOME del registro di classe (\"classe/nome\" se il "
                            "nome è in più classi), senza chiedere \"Chi gioca?\".",
             .valore = "NOME"},
            {.nomi = {"importa-classi"},
             .descrizione = "Aggiunge al registro le classi e gli alunni del FILE (una riga per "
                            "alunno: classe, nome) ed esce.",
             .valore = "FILE"},
            {.nomi = {"azzera-password"},
             .descrizione = "Toglie la password dell'insegnante del registro (la prossima "
                            "apertura ne chiede una nuova) ed esce; i dati restano."},
            {.nomi = {"registro"},
             .descrizione = "Per questa volta il registro di classe è sul server della scuola "
                            "INDIRIZZO (postgresql://utente@host:porta/database).",
             .valore = "INDIRIZZO"},
            {.nomi = {"registro-prepara"},
             .descrizione = "Prepara il server della scuola INDIRIZZO per il registro (lo schema "
                            "e i ruoli vocario_pc e vocario_insegnante) ed esce.",
             .valore = "INDIRIZZO"},
        };
        for (const QCommandLineOption& opzione : OpzioniRiga::tutte())
            elenco.push_back({.nomi = opzione.names(),
                              .descrizione = opzione.description(),
                              .valore = opzione.valueName()});
        return elenco;
    }();
    return tutte;
}

// Qt's own options, which QApplication takes off the command line, written
// with one dash or two. Before it has, they must not read as mistakes.
struct OpzioneDiQt {
    const char* nome;
    bool conValore;
};

constexpr OpzioneDiQt kOpzioniDiQt[] = {
    {.nome = "platform", .conValore = true},
    {.nome = "platformpluginpath", .conValore = true},
    {.nome = "platformtheme", .conValore = true},
    {.nome = "plugin", .conValore = true},
    {.nome = "qwindowgeometry", .conValore = true},
    {.nome = "qwindowicon", .conValore = true},
    {.nome = "qwindowtitle", .conValore = true},
    {.nome = "geometry", .conValore = true},
    {.nome = "title", .conValore = true},
    {.nome = "icon", .conValore = true},
    {.nome = "display", .conValore = true},
    {.nome = "session", .conValore = true},
    {.nome = "style", .conValore = true},
    {.nome = "stylesheet", .conValore = true},
    {.nome = "name", .conValore = true},
    {.nome = "visual", .conValore = true},
    {.nome = "reverse", .conValore = false},
    {.nome = "widgetcount", .conValore = false},
    {.nome = "nograb", .conValore = false},
    {.nome = "dograb", .conValore = false},
    {.nome = "sync", .conValore = false},
};

QString scritto(const QString& nome) {
    return (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
}

void prepara(QCommandLineParser& parser) {
    // "-reverse" (one of Qt's own) must not read as -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Opzione& opzione : opzioni())
        parser.addOption(QCommandLineOption(opzione.nomi, opzione.descrizione, opzione.valore));
}

void scrivi(std::FILE* dove, const QString& testo) {
    std::fputs(qPrintable(testo), dove);
    std::fflush(dove);
}

int errore(const QString& cosa) {
    scrivi(stderr,
           QStringLiteral("vocario: %1\nPer l'elenco delle opzioni: vocario --help\n").arg(cosa));
    return 2;
}

// What is wrong with a command line that QCommandLineParser refused without
// an unknown option: most often a value left out at the end.
QString rigaNonValida(const QStringList& argomenti) {
    for (const Opzione& opzione : opzioni())
        for (const QString& nome : opzione.nomi)
            if (!opzione.valore.isEmpty() && argomenti.size() > 1 &&
                QStringList{u'-' + nome, QStringLiteral("--") + nome}.contains(argomenti.last())) {
                const QString valori = OpzioniRiga::valoriAmmessi(nome);
                return QStringLiteral("manca il valore di %1: %2.")
                    .arg(scritto(nome), valori.isEmpty()
                                            ? u'<' + opzione.valore + u'>'
                                            : QStringLiteral("si può scegliere ") + valori);
            }
    return QStringLiteral("riga di comando non valida.");
}

// A value the program cannot use ("--dimensione enorme").
std::optional<int> valoriSbagliati(const QCommandLineParser& parser, ScelteOpzioni* scelte) {
    QStringList errori;
    const ScelteOpzioni lette = OpzioniRiga::leggi(parser, &errori);
    if (!errori.isEmpty())
        return errore(errori.constFirst());
    if (scelte)
        *scelte = lette;
    return std::nullopt;
}

std::optional<int> rispondi(const QCommandLineParser& parser) {
    if (parser.isSet(QStringLiteral("help"))) {
        scrivi(stdout, aiuto());
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        const Programma& programma = questoProgramma();
        scrivi(stdout, programma.nome + u' ' + programma.versione + u'\n');
        return 0;
    }
    return std::nullopt;
}

QStringList argomentiDi(int argc, char* argv[]) {
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    return argomenti;
}

} // namespace

std::optional<int> rispostaImmediata(int argc, char* argv[]) {
    const QStringList argomenti = argomentiDi(argc, argv);
    QCommandLineParser parser;
    prepara(parser);
    for (const OpzioneDiQt& qt : kOpzioniDiQt)
        parser.addOption(QCommandLineOption(QString::fromLatin1(qt.nome), QString(),
                                            qt.conValore ? QStringLiteral("valore") : QString()));
    const bool letta = parser.parse(argomenti);
    if (const std::optional<int> esito = rispondi(parser))
        return esito;
    // A mistake in the program's own options is told now, display or not.
    // A word with one dash may still be one of Qt's that this table lacks,
    // and a stray word the value of one: leggi judges them once Qt has
    // taken its own.
    for (const QString& nome : parser.unknownOptionNames()) {
        const QString conDueTrattini = QStringLiteral("--") + nome;
        for (const QString& argomento : argomenti)
            if (argomento == conDueTrattini || argomento.startsWith(conDueTrattini + u'='))
                return errore(QStringLiteral("opzione sconosciuta: ") + conDueTrattini);
    }
    if (!letta && parser.unknownOptionNames().isEmpty())
        return errore(rigaNonValida(argomenti));
    return valoriSbagliati(parser, nullptr);
}

CompitiRegistro compitiRegistro(int argc, char* argv[]) {
    QCommandLineParser parser;
    prepara(parser);
    parser.parse(argomentiDi(argc, argv));
    return {.importaClassi = parser.value(QStringLiteral("importa-classi")),
            .azzeraPassword = parser.isSet(QStringLiteral("azzera-password")),
            .prepara = parser.value(QStringLiteral("registro-prepara")),
            .registro = parser.value(QStringLiteral("registro"))};
}

Richiesta leggi(const QStringList& argomenti) {
    QCommandLineParser parser;
    prepara(parser);
    if (!parser.parse(argomenti)) {
        const QStringList sconosciute = parser.unknownOptionNames();
        if (sconosciute.isEmpty())
            return {.esito = errore(rigaNonValida(argomenti))};
        return {.esito = errore(QStringLiteral("opzione sconosciuta: ") +
                                scritto(sconosciute.constFirst()))};
    }
    if (const std::optional<int> esito = rispondi(parser))
        return {.esito = esito};
    if (!parser.positionalArguments().isEmpty())
        return {.esito = errore(QStringLiteral("argomento inatteso: ") +
                                parser.positionalArguments().constFirst())};
    Richiesta richiesta;
    richiesta.esito = valoriSbagliati(parser, &richiesta.scelte);
    richiesta.alunno = parser.value(QStringLiteral("alunno"));
    richiesta.registro = parser.value(QStringLiteral("registro"));
    return richiesta;
}

QString aiuto() {
    QStringList colonna;
    qsizetype larghezza = 0;
    for (const Opzione& opzione : opzioni()) {
        QStringList scritti;
        for (const QString& nome : opzione.nomi)
            scritti << scritto(nome);
        QString voce = scritti.join(QStringLiteral(", "));
        if (!opzione.valore.isEmpty())
            voce += QStringLiteral(" <%1>").arg(opzione.valore);
        larghezza = std::max(larghezza, voce.size());
        colonna << voce;
    }
    QString testo = QStringLiteral("Uso: vocario [opzioni]\n%1\n\nOpzioni:\n")
                        .arg(questoProgramma().descrizione);
    for (size_t i = 0; i < opzioni().size(); ++i)
        testo += QStringLiteral("  %1  %2\n")
                     .arg(colonna[qsizetype(i)].leftJustified(larghezza), opzioni()[i].descrizione);
    return testo;
}

} // namespace vocario::RigaDiComando
