#include "schedadariga.h"

#include "register/assegnaelenchi.h"

#include "core/appstate.h"
#include "core/cartelle.h"
#include "core/cartelleelenchi.h"
#include "esercizischeda.h"
#include "estrazione.h"
#include "options/opzionisalvate.h"
#include "registerfile/nomiesercizi.h"
#include "stampaschede.h"

#include <QTextStream>

namespace vocario {
namespace {

int errore(const QString& cosa, int esito) {
    QTextStream(stderr) << QStringLiteral("vocario: %1\n").arg(cosa);
    // A wrong command line: where the right one is told.
    if (esito == 2)
        QTextStream(stderr) << QStringLiteral("Per l'elenco delle opzioni: vocario --help\n");
    return esito;
}

QString nomiEsercizi(const Catalogo& catalogo) {
    QStringList nomi;
    for (const ExerciseEntry& entry : catalogo)
        if (esercizioScheda(entry))
            nomi << QLatin1String(entry.nome);
    return nomi.join(QStringLiteral(", ")) + QStringLiteral(" o tutti");
}

// What the teacher wrote, as the catalogue names an exercise. That name is
// the menu's caption with hyphens for its blanks, so the caption as shown,
// in any case, serves too; a name the register once kept stands for today's.
QString nomeNelCatalogo(const QString& testo) {
    return NomiEsercizi::attuale(testo.simplified().toLower().replace(u' ', u'-'));
}

} // namespace

std::optional<QList<int>> eserciziNominati(const QString& nomi, const Catalogo& catalogo,
                                           QString* sconosciuto) {
    QList<int> scelti;
    for (const QString& nome : nomi.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype prima = scelti.size();
        const QString cercato = nomeNelCatalogo(nome);
        for (int i = 0; i < int(catalogo.size()); ++i)
            if (esercizioScheda(catalogo[size_t(i)]) &&
                (cercato == u"tutti" || cercato == QLatin1String(catalogo[size_t(i)].nome)))
                scelti << i;
        if (scelti.size() == prima) {
            if (sconosciuto)
                *sconosciuto = nome.trimmed();
            return std::nullopt;
        }
    }
    return scelti;
}

int schedaDaRigaDiComando(const RigaScheda& riga, const ScelteOpzioni& scelte,
                          const Catalogo& catalogo) {
    if (!riga.pdf)
        return errore(QStringLiteral("manca --pdf FILE, il file in cui scrivere la scheda."), 2);

    RichiestaScheda richiesta;
    if (riga.voci) {
        bool numero = false;
        richiesta.voci = riga.voci->toInt(&numero);
        if (!numero || richiesta.voci < 1 || richiesta.voci > kVociMassime)
            return errore(QStringLiteral("--voci vuole un numero da 1 a %1.").arg(kVociMassime), 2);
    }
    AppState stato(Cartelle::datiProgramma());
    if (riga.seme) {
        bool numero = false;
        const uint valore = riga.seme->toUInt(&numero);
        if (!numero)
            return errore(QStringLiteral("--seme vuole un numero intero non negativo."), 2);
        stato.random.seed(valore);
    }
    QString sconosciuto;
    const auto scelti = eserciziNominati(riga.esercizi, catalogo, &sconosciuto);
    if (!scelti || scelti->isEmpty())
        return errore(QStringLiteral("non conosco l'esercizio «%1». Gli esercizi sono: %2.")
                          .arg(sconosciuto, nomiEsercizi(catalogo)),
                      1);
    richiesta.esercizi = *scelti;
    const Opzioni opzioni = scelte.applicate(OpzioniSalvate::carica());
    richiesta.altaLeggibilita = opzioni.altaLeggibilita;
    richiesta.maiuscolo = opzioni.maiuscolo;

    QList<WordListFolder> cartelle = CartelleElenchi::perLaLettura(stato);
    if (riga.classe) {
        const ElenchiClasse::PerLaScheda dellaClasse =
            ElenchiClasse::perLaScheda(stato, *riga.classe);
        if (!dellaClasse.errore.isEmpty())
            return errore(dellaClasse.errore, 1);
        if (!dellaClasse.cartella.isEmpty())
            cartelle.prepend({dellaClasse.cartella, QStringLiteral("elenchi della classe: ")});
    }
    EsitoScheda esito = componiScheda(catalogo, richiesta, WordListReader(cartelle), stato.random);
    if (!esito.errore.isEmpty())
        return errore(esito.errore, 1);
    const QString scritto = salvaPdf(esito.scheda, *riga.pdf);
    if (!scritto.isEmpty())
        return errore(scritto, 1);
    return 0;
}

} // namespace vocario
