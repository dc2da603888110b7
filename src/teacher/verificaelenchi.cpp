#include "verificaelenchi.h"

#include "controllivoci.h"
#include "exercises/catalogo.h"
#include "limitielenchi.h"
#include "schedeelenchi.h"
#include "wordlists/listmessages.h"
#include "wordlists/wordlistfiles.h"
#include "wordlists/wordlistscan.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace vocario {
namespace {

struct Lettura {
    ElencoLetto elenco;
    QString mostrato;
    WordListResult letto;
};

Lettura leggi(const WordListReader& elenchi, const SchedaElenco& scheda,
              QList<Segnalazione>& trovate) {
    Lettura lettura;
    lettura.elenco.file = scheda.file;
    lettura.elenco.cartella = elenchi.sourceFolder(scheda.file);
    lettura.elenco.percorso = elenchi.pathOf(scheda.file);
    lettura.mostrato = elenchi.shownNameOf(scheda.file);
    // The reading the exercises make, with its refusals.
    const LimitiElenco limiti = limitiElenco(catalogoEsercizi(), scheda.file);
    lettura.letto =
        elenchi.read(scheda.file, scheda.campiPerVoce(), limiti.vociMassime, limiti.vociMultiploDi);
    QByteArray bytes;
    QString nonLetto;
    if (elenchi.load(scheda.file, bytes, nonLetto)) {
        const WordListScan scansione = scanWordList(bytes, scheda.campiPerVoce());
        trovate += ControlliVoci::righe(scheda, lettura.mostrato, scansione);
        trovate += ControlliVoci::codifica(scheda, lettura.mostrato, scansione);
    }
    if (!lettura.letto.ok) {
        // A refusal for lines out of shape is already among the findings,
        // with every such stretch of the file.
        const bool giaDetto = std::any_of(trovate.cbegin(), trovate.cend(),
                                          [&](auto& s) { return s.testo == lettura.letto.error; });
        if (!giaDetto)
            trovate << Segnalazione{Gravita::Errore, scheda.file, 0, lettura.letto.error};
        return lettura;
    }
    const int voci = int(lettura.letto.records.size());
    if (voci < limiti.vociMinime) {
        trovate << Segnalazione{Gravita::Errore, scheda.file, 0,
                                ListMessages::tooFewRecords(lettura.mostrato, voci,
                                                            limiti.vociMinime, limiti.esercizi)};
        lettura.letto.ok = false;
        return lettura;
    }
    lettura.elenco.voci = voci;
    trovate += ControlliVoci::voci(scheda, lettura.mostrato, lettura.letto);
    return lettura;
}

int posizione(const QString& file) {
    const std::vector<SchedaElenco>& schede = schedeElenchi();
    for (size_t i = 0; i < schede.size(); ++i)
        if (schede[i].file == file)
            return int(i);
    return int(schede.size());
}

// Why the exercises do not read `file`: a list's name in other capitals, or
// with another extension, is most likely a list the teacher meant them to.
QString motivoIgnorato(const QString& file) {
    const QString base = file.section(u'.', 0, 0).toCaseFolded();
    for (const SchedaElenco& scheda : schedeElenchi()) {
        if (file.compare(scheda.file, Qt::CaseInsensitive) == 0)
            return QStringLiteral("gli esercizi leggono «%1», con le lettere minuscole: "
                                  "maiuscole e minuscole contano. Rinominalo «%1».")
                .arg(scheda.file);
        if (base == scheda.file.section(u'.', 0, 0))
            return QStringLiteral("gli esercizi leggono solo «%1», con l'estensione .txt. Se è "
                                  "quell'elenco, rinominalo «%1» (un file CSV va bene così, "
                                  "basta il nome).")
                .arg(scheda.file);
    }
    return QStringLiteral("non è il nome di nessuno dei sette elenchi.");
}

// A few dozen at most: a folder of other things is named, not listed whole.
constexpr int kIgnoratiMostrati = 30;

QList<FileIgnorato> ignoratiIn(int cartella, const QString& percorso) {
    QList<FileIgnorato> ignorati;
    const QStringList files =
        QDir(percorso).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& file : files) {
        if (schedaElenco(file))
            continue;
        if (ignorati.size() == kIgnoratiMostrati)
            break;
        ignorati << FileIgnorato{cartella, file, motivoIgnorato(file)};
    }
    return ignorati;
}

} // namespace

bool RapportoElenchi::tuttiUtilizzabili() const {
    return std::none_of(segnalazioni.cbegin(), segnalazioni.cend(),
                        [](const Segnalazione& s) { return s.gravita == Gravita::Errore; });
}

RapportoElenchi verificaElenchi(const QList<WordListFolder>& cartelle) {
    const WordListReader elenchi(cartelle);
    RapportoElenchi rapporto;
    QList<Lettura> letture;
    for (const SchedaElenco& scheda : schedeElenchi()) {
        letture << leggi(elenchi, scheda, rapporto.segnalazioni);
        rapporto.elenchi << letture.last().elenco;
    }
    // The program's own folder, last when there are more, is not the teacher's to fill.
    const int cartelleProprie = cartelle.size() > 1 ? int(cartelle.size()) - 1 : 1;
    for (int c = 0; c < cartelleProprie && c < cartelle.size(); ++c)
        rapporto.ignorati += ignoratiIn(c, cartelle[c].path);
    const Lettura& sinonimi = letture[posizione(WordListFile::Sinonimi)];
    const Lettura& contrari = letture[posizione(WordListFile::Contrari)];
    if (sinonimi.letto.ok && contrari.letto.ok)
        rapporto.segnalazioni += ControlliVoci::sinonimiEContrari(
            sinonimi.mostrato, sinonimi.letto, contrari.mostrato, contrari.letto);
    std::stable_sort(rapporto.segnalazioni.begin(), rapporto.segnalazioni.end(),
                     [](const Segnalazione& a, const Segnalazione& b) {
                         return std::tuple(a.gravita, posizione(a.file), a.riga) <
                                std::tuple(b.gravita, posizione(b.file), b.riga);
                     });
    return rapporto;
}

} // namespace vocario
