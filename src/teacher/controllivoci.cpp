#include "controllivoci.h"

#include "wordlists/listmessages.h"
#include "wordlists/recordshape.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <optional>

namespace vocario::ControlliVoci {
namespace {

// Part of a right meaning's length that gives it away: this many characters
// longer than the longer wrong one.
constexpr int kIndizioLunghezza = 8;

// What a pupil sees as the same text: case and spacing do not matter.
QString comeVisto(const QString& testo) {
    return testo.simplified().toLower();
}

QString citato(const QString& testo) {
    return QStringLiteral("«%1»").arg(testo.simplified());
}

Segnalazione alla(Gravita gravita, const SchedaElenco& scheda, const QString& mostrato, int riga,
                  const QString& testo) {
    return {gravita, scheda.file, riga,
            QStringLiteral("%1, riga %2: %3").arg(mostrato).arg(riga).arg(testo)};
}

// Does `testo` fit `righe` lines of `caratteri` characters, broken at blanks?
bool entra(const QString& testo, int righe, int caratteri) {
    int linee = 1;
    int usati = 0;
    for (const QString& parola : testo.simplified().split(u' ', Qt::SkipEmptyParts)) {
        if (parola.size() > caratteri)
            return false;
        if (usati == 0) {
            usati = int(parola.size());
        } else if (usati + 1 + parola.size() <= caratteri) {
            usati += 1 + int(parola.size());
        } else {
            ++linee;
            usati = int(parola.size());
        }
    }
    return linee <= righe;
}

// The record's texts as a key; a pair written the other way round is the same.
QString chiaveVoce(const QStringList& voce) {
    QStringList chiave;
    for (const QString& campo : voce)
        chiave << comeVisto(campo);
    if (chiave.size() == 2)
        chiave.sort();
    return chiave.join(u'\x1f');
}

void campiVuotiELunghi(const SchedaElenco& scheda, const QString& mostrato, const QStringList& voce,
                       int riga, QList<Segnalazione>& trovate) {
    for (int c = 0; c < scheda.campiPerVoce(); ++c) {
        const ColonnaElenco& colonna = scheda.colonne[size_t(c)];
        if (voce[c].trimmed().isEmpty())
            trovate << alla(
                Gravita::DaCorreggere, scheda, mostrato, riga,
                QStringLiteral("la parte %1 (%2) è vuota.").arg(c + 1).arg(colonna.nome));
        else if (!entra(voce[c], colonna.righe, colonna.caratteriPerRiga))
            trovate << alla(Gravita::DaCorreggere, scheda, mostrato, riga,
                            QStringLiteral("la parte %1 (%2) è troppo lunga per essere letta "
                                           "per intero anche con i caratteri più piccoli: ci "
                                           "stanno %3 righe di circa %4 lettere.")
                                .arg(c + 1)
                                .arg(colonna.nome)
                                .arg(colonna.righe)
                                .arg(colonna.caratteriPerRiga));
    }
}

void scelteUguali(const SchedaElenco& scheda, const QString& mostrato, const QStringList& voce,
                  int riga, QList<Segnalazione>& trovate) {
    QSet<QString> viste;
    for (int c = scheda.primaScelta; c < scheda.campiPerVoce(); ++c) {
        if (viste.contains(comeVisto(voce[c])) && !voce[c].trimmed().isEmpty()) {
            trovate << alla(
                Gravita::DaCorreggere, scheda, mostrato, riga,
                QStringLiteral("%1 compare due volte nella stessa voce.").arg(citato(voce[c])));
            return;
        }
        viste.insert(comeVisto(voce[c]));
    }
}

void indizioLunghezza(const SchedaElenco& scheda, const QString& mostrato, const QStringList& voce,
                      int riga, QList<Segnalazione>& trovate) {
    const QString& giusta = voce[scheda.primaScelta];
    qsizetype altre = 0;
    for (int c = scheda.primaScelta + 1; c < scheda.campiPerVoce(); ++c)
        altre = std::max(altre, voce[c].simplified().size());
    if (giusta.simplified().size() >= altre + kIndizioLunghezza)
        trovate << alla(Gravita::Consiglio, scheda, mostrato, riga,
                        QStringLiteral("%1 è molto più lungo delle altre scelte e si fa "
                                       "indovinare: rendi le scelte lunghe più o meno uguali.")
                            .arg(scheda.colonne[size_t(scheda.primaScelta)].nome));
}

// A first record of column names, as a spreadsheet saves its header row
// ("Parola;Contrario", "Frase, Parola, Significato giusto, …"): every part
// made of words that name columns, one of them a column's own name. The
// exercises read it as an item like any other, so it is only pointed out.
bool sembraIntestazione(const QStringList& voce) {
    static const QSet<QString> nomi{
        "parola",  "parole",  "contrario",   "contraria",   "contrari", "sinonimo", "sinonimi",
        "frase",   "frasi",   "significato", "significati", "gruppo",   "gruppi",   "categoria",
        "intruso", "intrusa", "risposta",    "risposte",    "voce",     "voci",     "termine",
        "colonna", "modo",    "modi",        "word",        "meaning",  "antonym",  "synonym"};
    static const QSet<QString> altre{
        "la",     "il",     "lo",      "le",        "i",         "di",        "del",
        "della",  "e",      "sua",     "suo",       "che",       "dire",      "giusto",
        "giusta", "esatto", "esatta",  "sbagliato", "sbagliata", "sbagliati", "sbagliate",
        "meno",   "più",    "intensa", "intenso",   "compresa",  "comprese",  "comprende",
        "altre",  "prima",  "primo",   "seconda",   "secondo",   "terza",     "terzo",
        "quarta", "quarto", "a",       "b",         "c",         "d"};
    static const QRegularExpression nonLettere(QStringLiteral("[^\\p{L}]+"));
    bool nome = false;
    for (const QString& campo : voce) {
        const QStringList parole = campo.toCaseFolded().split(nonLettere, Qt::SkipEmptyParts);
        if (parole.isEmpty())
            return false;
        for (const QString& parola : parole) {
            if (nomi.contains(parola))
                nome = true;
            else if (!altre.contains(parola))
                return false;
        }
    }
    return nome;
}

} // namespace

QList<Segnalazione> voci(const SchedaElenco& scheda, const QString& mostrato,
                         const WordListResult& letto) {
    QList<Segnalazione> trovate;
    if (!letto.records.isEmpty() && sembraIntestazione(letto.records.first()))
        trovate << alla(Gravita::DaCorreggere, scheda, mostrato, letto.recordLines.first(),
                        QStringLiteral("%1 sembra la riga dei nomi delle colonne, non una voce: "
                                       "gli esercizi la leggono come una voce. Se lo è, "
                                       "togli la riga.")
                            .arg(citato(letto.records.first().join(QStringLiteral(", ")))));
    QHash<QString, int> vociViste;
    std::vector<QHash<QString, int>> colonneViste(size_t(scheda.campiPerVoce()));
    QHash<QString, int> gruppoDi;
    for (qsizetype n = 0; n < letto.records.size(); ++n) {
        const QStringList& voce = letto.records[n];
        const int riga = letto.recordLines[n];
        campiVuotiELunghi(scheda, mostrato, voce, riga, trovate);
        if (const int prima = vociViste.value(chiaveVoce(voce), 0); prima > 0) {
            trovate << alla(Gravita::DaCorreggere, scheda, mostrato, riga,
                            QStringLiteral("ripete la voce della riga %1.").arg(prima));
            continue;
        }
        vociViste.insert(chiaveVoce(voce), riga);
        for (int c = 0; c < scheda.campiPerVoce(); ++c) {
            const QString chiave = comeVisto(voce[c]);
            if (!scheda.colonne[size_t(c)].senzaDoppioni || chiave.isEmpty())
                continue;
            if (const int prima = colonneViste[size_t(c)].value(chiave, 0); prima > 0)
                trovate << alla(Gravita::DaCorreggere, scheda, mostrato, riga,
                                QStringLiteral("%1 c'è già alla riga %2, nella stessa colonna "
                                               "(%3): con due testi uguali l'alunno può "
                                               "abbinare quello giusto e vederselo segnare "
                                               "sbagliato.")
                                    .arg(citato(voce[c]))
                                    .arg(prima)
                                    .arg(scheda.colonne[size_t(c)].nome));
            else
                colonneViste[size_t(c)].insert(chiave, riga);
        }
        if (scheda.primaScelta >= 0)
            scelteUguali(scheda, mostrato, voce, riga, trovate);
        if (scheda.sceltaGiustaNonPiuLunga)
            indizioLunghezza(scheda, mostrato, voce, riga, trovate);
        if (scheda.gruppiSeparati) {
            for (const QString& parola : voce) {
                const int altro = gruppoDi.value(comeVisto(parola), riga);
                if (altro != riga)
                    trovate << alla(Gravita::DaCorreggere, scheda, mostrato, riga,
                                    QStringLiteral("%1 è anche nel gruppo della riga %2: "
                                                   "l'intrusa non sarebbe più una sola.")
                                        .arg(citato(parola))
                                        .arg(altro));
                else
                    gruppoDi.insert(comeVisto(parola), riga);
            }
        }
    }
    return trovate;
}

namespace {

// Lines listed by number, the first five.
QString numeriDiRiga(const QList<int>& righe) {
    QStringList numeri;
    for (qsizetype i = 0; i < righe.size() && i < 5; ++i)
        numeri << QString::number(righe[i]);
    if (righe.size() > 5)
        numeri << QStringLiteral("…");
    return QStringLiteral("%1 %2").arg(righe.size() == 1 ? QStringLiteral("riga")
                                                         : QStringLiteral("righe"),
                                       numeri.join(QStringLiteral(", ")));
}

// One finding for the whole file: the spreadsheet's empty column is on every
// line as a rule, and naming each line would bury the rest.
QList<Segnalazione> partiVuoteInFondo(const SchedaElenco& scheda, const QString& mostrato,
                                      const WordListScan& scansione) {
    const QList<int>& righe = scansione.trailingEmptyLines;
    if (righe.isEmpty())
        return {};
    const QList<int>& campi = scansione.fieldLines;
    const bool ogniRiga = righe.size() == QSet<int>(campi.cbegin(), campi.cend()).size();
    const bool puntoEVirgola = scansione.separator.separator == u';';
    const QString dove =
        ogniRiga ? QStringLiteral(": ogni riga finisce")
                 : QStringLiteral(", %1: %2")
                       .arg(numeriDiRiga(righe), righe.size() == 1 ? QStringLiteral("finisce")
                                                                   : QStringLiteral("finiscono"));
    const QString testo =
        QStringLiteral("%1%2 con %3 in più, cioè con una parte vuota (una colonna vuota del "
                       "foglio di calcolo). Il programma non ne tiene conto, ma conviene "
                       "toglierl%4.")
            .arg(mostrato, dove,
                 puntoEVirgola ? QStringLiteral("un punto e virgola")
                               : QStringLiteral("una virgola"),
                 puntoEVirgola ? QStringLiteral("o") : QStringLiteral("a"));
    return {Segnalazione{Gravita::Consiglio, scheda.file, ogniRiga ? 0 : righe.first(), testo}};
}

// A file with no separator on any line: each line is one part and the lines
// pair up. Old lists may be written so; one saved from a spreadsheet with tabs
// pairs the wrong words.
std::optional<Segnalazione> unaPartePerRiga(const SchedaElenco& scheda, const QString& mostrato,
                                            const WordListScan& scansione) {
    const QList<int>& linee = scansione.fieldLines;
    if (scheda.campiPerVoce() < 2 || linee.size() < 2 ||
        std::adjacent_find(linee.cbegin(), linee.cend()) != linee.cend())
        return std::nullopt;
    const bool tabulazioni = std::any_of(scansione.fields.cbegin(), scansione.fields.cend(),
                                         [](const QString& f) { return f.contains(u'\t'); });
    const QString perche =
        tabulazioni ? QStringLiteral("le parti sono separate da tabulazioni, che il programma "
                                     "non riconosce, perciò")
                    : QStringLiteral("nessuna riga contiene una virgola o un punto e virgola:");
    return Segnalazione{
        tabulazioni ? Gravita::DaCorreggere : Gravita::Consiglio, scheda.file, 0,
        QStringLiteral("%1: %2 ogni riga è letta come una parte sola e %3 righe di seguito fanno "
                       "una voce. Se ogni riga è una voce, separa le parti con una virgola o un "
                       "punto e virgola.")
            .arg(mostrato, perche)
            .arg(scheda.campiPerVoce())};
}

} // namespace

QList<Segnalazione> righe(const SchedaElenco& scheda, const QString& mostrato,
                          const WordListScan& scansione) {
    // Lines that mix the separators are all read wrong: that one refusal says it.
    if (scansione.separator.otherLine > 0)
        return {Segnalazione{Gravita::Errore, scheda.file, scansione.separator.otherLine,
                             ListMessages::mixedSeparators(mostrato, scansione.separator)}};
    QList<Segnalazione> trovate = partiVuoteInFondo(scheda, mostrato, scansione);
    const int campi = scheda.campiPerVoce();
    if (const auto unaParte = unaPartePerRiga(scheda, mostrato, scansione))
        return trovate << *unaParte;
    for (const ShapeBreak& tratto : findShapeBreaks(scansione.fieldLines, campi)) {
        const int riga = tratto.lines.first().line;
        if (tratto.shifted) {
            trovate << Segnalazione{Gravita::Errore, scheda.file, riga,
                                    ListMessages::linesOutOfShape(mostrato, tratto.lines, campi,
                                                                  scansione.separator.separator)};
        } else if (!tratto.cutShort) {
            const QString come = tratto.lines.size() == 1
                                     ? QStringLiteral("è letta come %1 voci")
                                           .arg(tratto.lines.first().fields / campi)
                                     : QStringLiteral("insieme fanno una voce");
            trovate << alla(Gravita::Consiglio, scheda, mostrato, riga,
                            QStringLiteral("%1: %2. Il programma la legge bene, ma è più facile "
                                           "tenere in ordine l'elenco con una voce per riga.")
                                .arg(ListMessages::describeLines(tratto.lines), come));
        }
    }
    return trovate;
}

QList<Segnalazione> codifica(const SchedaElenco& scheda, const QString& mostrato,
                             const WordListScan& scansione) {
    const QList<int>& altre = scansione.windows1252Lines;
    if (altre.isEmpty() || scansione.utf8Lines == 0)
        return {};
    const QString testo =
        QStringLiteral("%1, %2: %3 scritt%4 in un'altra codifica (Windows-1252) rispetto al "
                       "resto del file (UTF-8). Il programma legge bene ogni riga, ma conviene "
                       "salvare tutto il file in UTF-8.")
            .arg(mostrato, numeriDiRiga(altre),
                 altre.size() == 1 ? QStringLiteral("è") : QStringLiteral("sono"),
                 altre.size() == 1 ? QStringLiteral("a") : QStringLiteral("e"));
    return {Segnalazione{Gravita::Consiglio, scheda.file, altre.first(), testo}};
}

QList<Segnalazione> sinonimiEContrari(const QString& mostratoSinonimi,
                                      const WordListResult& sinonimi,
                                      const QString& mostratoContrari,
                                      const WordListResult& contrari) {
    QHash<QString, int> coppieContrarie;
    for (qsizetype n = 0; n < contrari.records.size(); ++n)
        coppieContrarie.insert(chiaveVoce(contrari.records[n]), contrari.recordLines[n]);
    const SchedaElenco& scheda = *schedaElenco(QStringLiteral("sinonimi.txt"));
    QList<Segnalazione> trovate;
    for (qsizetype n = 0; n < sinonimi.records.size(); ++n) {
        const QStringList& voce = sinonimi.records[n];
        const int contraria = coppieContrarie.value(chiaveVoce(voce), 0);
        if (contraria > 0)
            trovate << alla(Gravita::DaCorreggere, scheda, mostratoSinonimi,
                            sinonimi.recordLines[n],
                            QStringLiteral("la coppia %1, %2 è anche tra i contrari (%3, riga "
                                           "%4): non può essere sia di sinonimi sia di contrari.")
                                .arg(citato(voce[0]), citato(voce[1]), mostratoContrari)
                                .arg(contraria));
    }
    return trovate;
}

} // namespace vocario::ControlliVoci
