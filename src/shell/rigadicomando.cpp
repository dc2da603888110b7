#include "rigadicomando.h"

#include "opzioniriga.h"
#include "programma.h"

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
            {.nomi = {"alunno"},
             .descrizione = "Gioca l'alunno NOME del registro di classe (\"classe/nome\" se il "
                            "nome è in più classi), senza chiedere \"Chi gioca?\".",
             .valore = "nome"},
            {.nomi = {"importa-classi"},
             .descrizione = "Aggiunge al registro le classi e gli alunni del FILE (una riga per "
                            "alunno: classe, nome) ed esce.",
             .valore = "file"},
            {.nomi = {"azzera-password"},
             .descrizione = "Toglie la password dell'insegnante del registro (la prossima "
                            "apertura ne chiede una nuova) ed esce; i dati restano."},
        };
        for (const QCommandLineOption& opzione : OpzioniRiga::tutte())
            elenco.push_back({.nomi = opzione.names(),
                              .descrizione = opzione.description(),
                              .valore = opzione.valueName()});
        return elenco;
    }();
    return tutte;
}

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
    QCommandLineParser parser;
    prepara(parser);
    // Qt's own options are still there and unknown here: only --help and
    // --version count at this point.
    parser.parse(argomentiDi(argc, argv));
    return rispondi(parser);
}

CompitiRegistro compitiRegistro(int argc, char* argv[]) {
    QCommandLineParser parser;
    prepara(parser);
    parser.parse(argomentiDi(argc, argv));
    return {.importaClassi = parser.value(QStringLiteral("importa-classi")),
            .azzeraPassword = parser.isSet(QStringLiteral("azzera-password"))};
}

Richiesta leggi(const QStringList& argomenti) {
    QCommandLineParser parser;
    prepara(parser);
    if (!parser.parse(argomenti)) {
        const QStringList sconosciute = parser.unknownOptionNames();
        if (sconosciute.isEmpty())
            return {.esito = errore(QStringLiteral("riga di comando non valida."))};
        return {.esito = errore(QStringLiteral("opzione sconosciuta: ") +
                                scritto(sconosciute.constFirst()))};
    }
    if (const std::optional<int> esito = rispondi(parser))
        return {.esito = esito};
    if (!parser.positionalArguments().isEmpty())
        return {.esito = errore(QStringLiteral("argomento inatteso: ") +
                                parser.positionalArguments().constFirst())};
    QStringList avvisi;
    Richiesta richiesta{.scelte = OpzioniRiga::leggi(parser, &avvisi),
                        .alunno = parser.value(QStringLiteral("alunno"))};
    for (const QString& avviso : std::as_const(avvisi))
        scrivi(stderr, QStringLiteral("vocario: %1\n").arg(avviso));
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
