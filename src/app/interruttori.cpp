#include "interruttori.h"

#include "core/programma.h"
#include "options/opzioniriga.h"

#include <QCommandLineParser>

namespace vocario::Interruttori {
namespace {

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

std::vector<Interruttore> delProgramma() {
    return {
        {.nomi = {"h", "help"}, .aiuto = "Mostra questo aiuto ed esce."},
        {.nomi = {"v", "version"}, .aiuto = "Mostra la versione del programma ed esce."},
        {.nomi = {"verifica"},
         .aiuto = "Controlla gli elenchi di parole ed esce (0: si possono usare tutti, 1: no). "
                  "Dopo l'opzione si può indicare una CARTELLA di elenchi.",
         .ambito = Ambito::Verifica},
        {.nomi = {"scheda"},
         .aiuto = "Scrive nel PDF di --pdf una scheda da stampare, con le soluzioni, ed esce. "
                  "ESERCIZI: i nomi del menu con i trattini al posto degli spazi "
                  "(abbina-contrari, ..., vocario), separati da virgole, o tutti.",
         .valore = "ESERCIZI",
         .ambito = Ambito::Scheda},
        {.nomi = {"voci"},
         .aiuto = "Con --scheda: quante voci per esercizio (senza: quante stanno in una pagina).",
         .valore = "N",
         .ambito = Ambito::Scheda},
        {.nomi = {"seme"},
         .aiuto = "Con --scheda: lo stesso seme dà di nuovo la stessa scheda.",
         .valore = "N",
         .ambito = Ambito::Scheda},
        {.nomi = {"classe"},
         .aiuto = "Con --scheda: la scheda con gli elenchi che la CLASSE del registro ha dei "
                  "suoi.",
         .valore = "CLASSE",
         .ambito = Ambito::Scheda},
        {.nomi = {"pdf"},
         .aiuto = "Con --scheda: il file PDF da scrivere.",
         .valore = "FILE",
         .ambito = Ambito::Scheda},
        {.nomi = {"alunno"},
         .aiuto = "Gioca l'alunno NOME del registro di classe (\"classe/nome\" se il nome è in "
                  "più classi), senza chiedere \"Chi gioca?\".",
         .valore = "NOME",
         .ambito = Ambito::Gioco},
        {.nomi = {"importa-classi"},
         .aiuto = "Aggiunge al registro le classi e gli alunni del FILE (una riga per alunno: "
                  "classe, nome) ed esce.",
         .valore = "FILE",
         .ambito = Ambito::Registro},
        {.nomi = {"azzera-password"},
         .aiuto = "Toglie la password dell'insegnante del registro con la sua chiave di recupero "
                  "(chiesta sullo standard input) ed esce; i dati restano.",
         .ambito = Ambito::Registro},
        {.nomi = {"chiave-di-recupero"},
         .aiuto = "Con --azzera-password: la CHIAVE di recupero, mostrata quando si è scelta la "
                  "password.",
         .valore = "CHIAVE",
         .ambito = Ambito::Registro},
        {.nomi = {"conferma"},
         .aiuto = "Con --azzera-password: toglie una password scelta con una versione che non "
                  "dava la chiave di recupero.",
         .ambito = Ambito::Registro},
        {.nomi = {"registro"},
         .aiuto = "Per questa volta il registro di classe è sul server della scuola INDIRIZZO "
                  "(postgresql://utente@host:porta/database).",
         .valore = "INDIRIZZO",
         .ambito = Ambito::Gioco},
        {.nomi = {"elenchi-classe"},
         .aiuto = "Dà alla classe CLASSE del registro gli elenchi di parole della CARTELLA scritta "
                  "dopo (controllati come con --verifica), su ogni PC, ed esce; con --programma "
                  "la classe torna agli elenchi del programma.",
         .valore = "CLASSE",
         .ambito = Ambito::Registro},
        {.nomi = {"programma"},
         .aiuto = "Con --elenchi-classe: la classe torna agli elenchi del programma.",
         .ambito = Ambito::Registro},
        {.nomi = {"registro-prepara"},
         .aiuto = "Prepara il server della scuola INDIRIZZO per il registro (lo schema e i ruoli "
                  "DATABASE_pc e DATABASE_insegnante, per esempio vocario_pc e "
                  "vocario_insegnante) ed esce.",
         .valore = "INDIRIZZO",
         .ambito = Ambito::Registro},
    };
}

} // namespace

const std::vector<Interruttore>& tutti() {
    static const std::vector<Interruttore> elenco = [] {
        std::vector<Interruttore> righe = delProgramma();
        for (const QCommandLineOption& opzione : OpzioniRiga::tutte())
            righe.push_back({.nomi = opzione.names(),
                             .aiuto = opzione.description(),
                             .valore = opzione.valueName(),
                             .ambito = Ambito::Opzioni});
        return righe;
    }();
    return elenco;
}

const Interruttore* di(const QString& nome) {
    for (const Interruttore& interruttore : tutti())
        if (interruttore.nomi.contains(nome))
            return &interruttore;
    return nullptr;
}

void prepara(QCommandLineParser& parser, bool anchePerQt) {
    // "-reverse" (one of Qt's own) must not read as -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Interruttore& interruttore : tutti())
        parser.addOption(
            QCommandLineOption(interruttore.nomi, interruttore.aiuto, interruttore.valore));
    if (anchePerQt)
        for (const OpzioneDiQt& qt : kOpzioniDiQt)
            parser.addOption(
                QCommandLineOption(QString::fromLatin1(qt.nome), QString(),
                                   qt.conValore ? QStringLiteral("valore") : QString()));
}

QString scritto(const QString& nome) {
    return (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
}

QString aiuto() {
    QStringList colonna;
    qsizetype larghezza = 0;
    for (const Interruttore& interruttore : tutti()) {
        QStringList scritti;
        for (const QString& nome : interruttore.nomi)
            scritti << scritto(nome);
        QString voce = scritti.join(QStringLiteral(", "));
        if (!interruttore.valore.isEmpty())
            voce += QStringLiteral(" <%1>").arg(interruttore.valore);
        larghezza = std::max(larghezza, voce.size());
        colonna << voce;
    }
    QString testo = QStringLiteral("Uso: vocario [opzioni]\n%1\n\nOpzioni:\n")
                        .arg(questoProgramma().descrizione);
    for (size_t i = 0; i < tutti().size(); ++i)
        testo += QStringLiteral("  %1  %2\n")
                     .arg(colonna[qsizetype(i)].leftJustified(larghezza), tutti()[i].aiuto);
    return testo;
}

} // namespace vocario::Interruttori
