#include "schedadariga.h"

#include "core/appstate.h"
#include "core/cartelle.h"
#include "core/cartelleelenchi.h"
#include "esercizischeda.h"
#include "estrazione.h"
#include "options/opzioniriga.h"
#include "options/opzionisalvate.h"
#include "stampaschede.h"
#include "teacher/verificadariga.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include <cstring>

namespace vocario {
namespace {

constexpr char kOpzione[] = "--scheda";
constexpr int kVociMassime = 200;

int errore(const QString& cosa, int esito) {
    QTextStream(stderr) << QStringLiteral("vocario: %1\n").arg(cosa);
    // A wrong command line: where the right one is told.
    if (esito == 2)
        QTextStream(stderr) << QStringLiteral("Per l'elenco delle opzioni: vocario --help\n");
    return esito;
}

// The catalogue's rows named on the command line, in the order given.
std::optional<QList<int>> esercizi(const QString& nomi, const Catalogo& catalogo,
                                   QString& sconosciuto) {
    QList<int> scelti;
    for (const QString& nome : nomi.split(u',', Qt::SkipEmptyParts)) {
        const QString cercato = nome.trimmed().toLower();
        bool trovato = false;
        for (int i = 0; i < int(catalogo.size()); ++i) {
            const EsercizioScheda* es = esercizioScheda(catalogo[size_t(i)]);
            if (es && (cercato == QStringLiteral("tutti") || cercato == es->nomeRiga())) {
                scelti << i;
                trovato = true;
            }
        }
        if (!trovato) {
            sconosciuto = nome;
            return std::nullopt;
        }
    }
    return scelti;
}

QString nomiEsercizi(const Catalogo& catalogo) {
    QStringList nomi;
    for (const ExerciseEntry& entry : catalogo)
        if (const EsercizioScheda* es = esercizioScheda(entry))
            nomi << es->nomeRiga();
    return nomi.join(QStringLiteral(", ")) + QStringLiteral(" o tutti");
}

} // namespace

std::optional<int> schedaDaRigaDiComando(int argc, char* argv[], const Catalogo& catalogo) {
    bool chiesta = false;
    for (int i = 1; i < argc && !chiesta; ++i)
        chiesta = std::strcmp(argv[i], kOpzione) == 0 ||
                  std::strncmp(argv[i], "--scheda=", std::strlen(kOpzione) + 1) == 0;
    if (!chiesta)
        return std::nullopt;

    // No window is shown: the letters are measured and drawn without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int conteggio = argc;
    QGuiApplication app(conteggio, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kNomeApplicazione));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption scheda(QStringLiteral("scheda"), {}, QStringLiteral("ESERCIZI"));
    const QCommandLineOption voci(QStringLiteral("voci"), {}, QStringLiteral("N"));
    const QCommandLineOption seme(QStringLiteral("seme"), {}, QStringLiteral("N"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), {}, QStringLiteral("FILE"));
    parser.addOptions({scheda, voci, seme, pdf});
    OpzioniRiga::registra(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        const QStringList sconosciute = parser.unknownOptionNames();
        return errore(sconosciute.isEmpty()
                          ? QStringLiteral("riga di comando non valida: --%1 vuole un valore.")
                                .arg(QStringLiteral("scheda, --voci, --seme o --pdf"))
                          : QStringLiteral("opzione sconosciuta: --") + sconosciute.constFirst(),
                      2);
    }
    if (!parser.positionalArguments().isEmpty())
        return errore(
            QStringLiteral("argomento inatteso: ") + parser.positionalArguments().constFirst(), 2);
    if (!parser.isSet(pdf))
        return errore(QStringLiteral("manca --pdf FILE, il file in cui scrivere la scheda."), 2);

    RichiestaScheda richiesta;
    if (parser.isSet(voci)) {
        bool numero = false;
        richiesta.voci = parser.value(voci).toInt(&numero);
        if (!numero || richiesta.voci < 1 || richiesta.voci > kVociMassime)
            return errore(QStringLiteral("--voci vuole un numero da 1 a %1.").arg(kVociMassime), 2);
    }
    AppState stato(Cartelle::datiProgramma());
    if (parser.isSet(seme)) {
        bool numero = false;
        const uint valore = parser.value(seme).toUInt(&numero);
        if (!numero)
            return errore(QStringLiteral("--seme vuole un numero intero non negativo."), 2);
        stato.random.seed(valore);
    }
    QString sconosciuto;
    const auto scelti = esercizi(parser.value(scheda), catalogo, sconosciuto);
    if (!scelti || scelti->isEmpty())
        return errore(QStringLiteral("non conosco l'esercizio «%1». Gli esercizi sono: %2.")
                          .arg(sconosciuto, nomiEsercizi(catalogo)),
                      1);
    richiesta.esercizi = *scelti;
    const Opzioni opzioni = OpzioniRiga::leggi(parser).applicate(OpzioniSalvate::carica());
    richiesta.altaLeggibilita = opzioni.altaLeggibilita;
    richiesta.maiuscolo = opzioni.maiuscolo;

    EsitoScheda esito =
        componiScheda(catalogo, richiesta, CartelleElenchi::lettoreElenchi(stato), stato.random);
    if (!esito.errore.isEmpty())
        return errore(esito.errore, 1);
    const QString scritto = salvaPdf(esito.scheda, parser.value(pdf));
    if (!scritto.isEmpty())
        return errore(scritto, 1);
    return 0;
}

} // namespace vocario
