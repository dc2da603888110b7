#include "testorapporto.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace vocario {
namespace {

// Findings shown for one file and one kind; a list broken throughout would
// otherwise bury the rest.
constexpr int kPerFile = 20;

QString titolo(Gravita gravita) {
    switch (gravita) {
    case Gravita::Errore:
        return QStringLiteral("ERRORI: gli esercizi non aprono questi elenchi");
    case Gravita::DaCorreggere:
        return QStringLiteral("DA CORREGGERE: gli esercizi si aprono, ma queste voci ingannano "
                              "gli alunni");
    case Gravita::Consiglio:
        break;
    }
    return QStringLiteral("CONSIGLI: tutto funziona, ma si può fare meglio");
}

QString rigaCartella(int numero, const CartellaElenchi& cartella) {
    const QFileInfo info(cartella.percorso);
    const QString stato =
        info.isDir() ? QString() : QStringLiteral(" (la cartella non c'è ancora)");
    return QStringLiteral("  %1. %2: %3%4")
        .arg(numero)
        .arg(cartella.nome, QDir::toNativeSeparators(cartella.percorso), stato);
}

QString rigaElenco(const ElencoLetto& elenco, const QList<CartellaElenchi>& cartelle) {
    QString voci = elenco.voci < 0 ? QStringLiteral("non si può usare")
                                   : QStringLiteral("%1 voci").arg(elenco.voci);
    if (elenco.cartella < 0)
        voci = QStringLiteral("manca");
    QString riga = QStringLiteral("  %1 %2").arg(elenco.file.leftJustified(16), voci);
    if (elenco.cartella >= 0 && cartelle.size() > 1)
        riga =
            riga.leftJustified(38) + QStringLiteral("dagli %1").arg(cartelle[elenco.cartella].nome);
    return riga;
}

} // namespace

QString testoRapporto(const RapportoElenchi& rapporto, const QList<CartellaElenchi>& cartelle) {
    QStringList testo;
    testo << QStringLiteral("Controllo degli elenchi di parole") << QString();
    testo << (cartelle.size() > 1 ? QStringLiteral("Cartelle lette, nell'ordine:")
                                  : QStringLiteral("Cartella letta:"));
    for (int i = 0; i < cartelle.size(); ++i)
        testo << rigaCartella(i + 1, cartelle[i]);
    if (cartelle.size() > 1)
        testo << QStringLiteral("Un elenco della prima cartella prende il posto di quello con lo "
                                "stesso nome della seconda.");
    testo << QString() << QStringLiteral("Elenchi:");
    for (const ElencoLetto& elenco : rapporto.elenchi)
        testo << rigaElenco(elenco, cartelle);
    // A teacher replaces only some lists: the others are not missing. A folder
    // with none of them may be the wrong one.
    const auto daCartella = [&](int n) {
        return std::count_if(rapporto.elenchi.cbegin(), rapporto.elenchi.cend(),
                             [n](const ElencoLetto& e) { return e.cartella == n; });
    };
    if (cartelle.size() > 1 && daCartella(1) > 0)
        testo << (daCartella(0) == 0
                      ? QStringLiteral("Tra gli %1 non c'è nessuno dei sette elenchi: gli esercizi "
                                       "usano quelli degli %2.")
                      : QStringLiteral("Un elenco che non c'è tra gli %1 va bene così: gli "
                                       "esercizi usano quello degli %2."))
                     .arg(cartelle[0].nome, cartelle[1].nome);

    if (!rapporto.ignorati.isEmpty()) {
        testo << QString() << QStringLiteral("File che gli esercizi non leggono:");
        for (const FileIgnorato& f : rapporto.ignorati)
            testo << QStringLiteral("  - %1: %2")
                         .arg(QDir::toNativeSeparators(
                                  QDir(cartelle.value(f.cartella).percorso).filePath(f.file)),
                              f.motivo);
    }

    for (Gravita gravita : {Gravita::Errore, Gravita::DaCorreggere, Gravita::Consiglio}) {
        QHash<QString, int> perFile;
        QStringList righe;
        for (const Segnalazione& s : rapporto.segnalazioni) {
            if (s.gravita != gravita)
                continue;
            const int n = ++perFile[s.file];
            if (n <= kPerFile)
                righe << QStringLiteral("  - ") + QString(s.testo).replace(u'\n', u' ');
            else if (n == kPerFile + 1)
                righe << QStringLiteral("  - (%1: le altre segnalazioni di questo tipo non sono "
                                        "mostrate)")
                             .arg(s.file);
        }
        if (!righe.isEmpty())
            testo << QString() << titolo(gravita) << righe;
    }

    testo << QString();
    if (!rapporto.tuttiUtilizzabili())
        testo << QStringLiteral("Esito: alcuni elenchi non si possono usare; correggi gli errori "
                                "e controlla di nuovo.");
    else if (rapporto.segnalazioni.isEmpty() && !rapporto.ignorati.isEmpty())
        testo << QStringLiteral("Esito: tutti gli elenchi si possono usare; guarda però i file "
                                "che gli esercizi non leggono.");
    else if (rapporto.segnalazioni.isEmpty())
        testo << QStringLiteral("Esito: tutti gli elenchi si possono usare e non c'è niente da "
                                "correggere.");
    else
        testo << QStringLiteral("Esito: tutti gli elenchi si possono usare.");
    return testo.join(u'\n') + u'\n';
}

} // namespace vocario
