#include "rigadicomando.h"

#include "core/programma.h"
#include "interruttori.h"
#include "moduloinsegnante.h"
#include "options/opzioniriga.h"
#include "teacher/verificadariga.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>

namespace vocario::RigaDiComando {
namespace {

using Interruttori::Ambito;
using Interruttori::scritto;

void scrivi(std::FILE* dove, const QString& testo) {
    std::fputs(qPrintable(testo), dove);
    std::fflush(dove);
}

int errore(const QString& cosa) {
    scrivi(stderr,
           QStringLiteral("vocario: %1\nPer l'elenco delle opzioni: vocario --help\n").arg(cosa));
    return 2;
}

// What is wrong with a command line that the parser refused without an
// unknown switch: most often a value left out at the end.
QString rigaNonValida(const QStringList& argomenti) {
    const QString ultimo = argomenti.size() > 1 ? argomenti.last() : QString();
    const QString nome = ultimo.mid(ultimo.startsWith(QStringLiteral("--")) ? 2 : 1);
    const Interruttori::Interruttore* interruttore = Interruttori::di(nome);
    if (!ultimo.startsWith(u'-') || !interruttore || interruttore->valore.isEmpty())
        return QStringLiteral("riga di comando non valida.");
    const QString valori = OpzioniRiga::valoriAmmessi(nome);
    return QStringLiteral("manca il valore di %1: %2.")
        .arg(scritto(nome), valori.isEmpty() ? u'<' + interruttore->valore + u'>'
                                             : QStringLiteral("si può scegliere ") + valori);
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

std::optional<QString> valore(const QCommandLineParser& parser, const char* nome) {
    const QStringList valori = parser.values(QLatin1String(nome));
    return valori.isEmpty() ? std::nullopt : std::optional(valori.constLast());
}

} // namespace

Lettura::Lettura(int argc, char* argv[])
    : argomenti_(argomentiDi(argc, argv)), parser_(std::make_unique<QCommandLineParser>()) {
    Interruttori::prepara(*parser_, true);
    letta_ = parser_->parse(argomenti_);
}

Lettura::~Lettura() = default;

std::optional<int> Lettura::rispostaImmediata() const {
    if (const std::optional<int> esito = rispondi(*parser_))
        return esito;
    // A mistake in the program's own switches is told now, display or not.
    // A word with one dash may still be one of Qt's that the table lacks,
    // and a stray word the value of one: leggi judges them once Qt has
    // taken its own.
    for (const QString& nome : parser_->unknownOptionNames()) {
        const QString conDueTrattini = QStringLiteral("--") + nome;
        for (const QString& argomento : argomenti_)
            if (argomento == conDueTrattini || argomento.startsWith(conDueTrattini + u'='))
                return errore(QStringLiteral("opzione sconosciuta: ") + conDueTrattini);
    }
    if (!letta_ && parser_->unknownOptionNames().isEmpty())
        return errore(rigaNonValida(argomenti_));
    return valoriSbagliati(*parser_, nullptr);
}

std::optional<QString> Lettura::verifica() const {
    // Asked for even beside a mistake: the teacher gets the report. The
    // folder is the word right after it.
    for (qsizetype i = 1; i < argomenti_.size(); ++i)
        if (argomenti_[i] == u"--verifica" || argomenti_[i] == u"-verifica") {
            const QString dopo = argomenti_.value(i + 1);
            return dopo.startsWith(u'-') ? QString() : dopo;
        }
    return std::nullopt;
}

std::optional<RigaScheda> Lettura::scheda() const {
    const std::optional<QString> esercizi = valore(*parser_, "scheda");
    if (!esercizi)
        return std::nullopt;
    return RigaScheda{.esercizi = *esercizi,
                      .voci = valore(*parser_, "voci"),
                      .seme = valore(*parser_, "seme"),
                      .pdf = valore(*parser_, "pdf"),
                      .classe = valore(*parser_, "classe")};
}

CompitiRegistro Lettura::compitiRegistro() const {
    return {.importaClassi = parser_->value(QStringLiteral("importa-classi")),
            .azzeraPassword = parser_->isSet(QStringLiteral("azzera-password")),
            .chiaveDiRecupero = parser_->value(QStringLiteral("chiave-di-recupero")),
            .conferma = parser_->isSet(QStringLiteral("conferma")),
            .prepara = parser_->value(QStringLiteral("registro-prepara")),
            .registro = parser_->value(QStringLiteral("registro")),
            .elenchiClasse = parser_->value(QStringLiteral("elenchi-classe")),
            // The folder is the word after the class.
            .cartellaElenchi = parser_->positionalArguments().value(0),
            .elenchiDelProgramma = parser_->isSet(QStringLiteral("programma"))};
}

std::optional<int> Lettura::soloPerLaScheda() const {
    // A worksheet is written and nothing else is done: a switch of another
    // task would be lost without a word.
    for (const QString& nome : parser_->optionNames()) {
        const Interruttori::Interruttore* interruttore = Interruttori::di(nome);
        if (interruttore &&
            (interruttore->ambito == Ambito::Gioco || interruttore->ambito == Ambito::Registro))
            return errore(QStringLiteral("%1 non si usa con --scheda.").arg(scritto(nome)));
    }
    return std::nullopt;
}

std::optional<int> rispondiSenzaDisplay(const Lettura& riga, int argc, char* argv[],
                                        const Catalogo& catalogo) {
    if (const std::optional<QString> cartella = riga.verifica()) {
        int conteggio = argc;
        QCoreApplication app(conteggio, argv);
        QCoreApplication::setApplicationName(QString::fromLatin1(kNomeApplicazione));
        return verificaElenchiDaRiga(*cartella);
    }
    if (const std::optional<int> esito = riga.rispostaImmediata())
        return esito;
    const std::optional<RigaScheda> scheda = riga.scheda();
    if (!scheda)
        return std::nullopt;
    if (const std::optional<int> esito = riga.soloPerLaScheda())
        return esito;
    // No window is shown: the letters are measured and drawn without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int conteggio = argc;
    QGuiApplication app(conteggio, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kNomeApplicazione));
    // What Qt has left is judged as in any run.
    const Richiesta resto = leggi(QCoreApplication::arguments());
    if (resto.esito)
        return resto.esito;
    return ModuloInsegnante::schedaDaRigaDiComando(*scheda, resto.scelte, catalogo);
}

std::optional<int> rispostaImmediata(int argc, char* argv[]) {
    return Lettura(argc, argv).rispostaImmediata();
}

Richiesta leggi(const QStringList& argomenti) {
    QCommandLineParser parser;
    Interruttori::prepara(parser, false);
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
    return Interruttori::aiuto();
}

} // namespace vocario::RigaDiComando
