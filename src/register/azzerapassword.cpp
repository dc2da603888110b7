#include "azzerapassword.h"

#include "passwordinsegnante.h"
#include "registro.h"

namespace vocario::AzzeraPassword {
namespace {

using namespace std::chrono_literals;
using PasswordInsegnante::Prova;

void riga(QTextStream& dove, const QString& testo) {
    dove << testo << '\n';
    dove.flush();
}

const QString kComeSiScrive = QStringLiteral("quattro gruppi di quattro lettere e cifre, come "
                                             "K7QF-9M2D-XW4P-HT6R");

int togli(Registro& registro, const Canali& canali) {
    if (!PasswordInsegnante::azzera(registro)) {
        riga(canali.errori, QStringLiteral("vocario: la password non si può togliere."));
        return 1;
    }
    riga(canali.uscita,
         QStringLiteral("La password dell'insegnante è stata tolta: alla prossima apertura del "
                        "registro se ne sceglie una nuova, con una nuova chiave di recupero. Le "
                        "classi e le risposte sono rimaste."));
    return 0;
}

// A password of an earlier version: nothing can tell the teacher from
// anyone else at this computer account, so it goes only when asked twice.
int senzaChiave(Registro& registro, bool conferma, const Canali& canali) {
    const QString perche = QStringLiteral(
        "questa password è stata scelta con una versione di Vocario che non dava una chiave di "
        "recupero, quindi nulla controlla chi la toglie: chiunque usi questo utente del computer "
        "può farlo (e può leggere il file del registro anche senza Vocario, per esempio con "
        "sqlite3).");
    if (!conferma) {
        riga(canali.errori,
             QStringLiteral("vocario: %1 Per toglierla lo stesso: «vocario --azzera-password "
                            "--conferma». Non si è tolto nulla.")
                 .arg(perche));
        return 1;
    }
    riga(canali.errori, QStringLiteral("vocario: attenzione: ") + perche);
    return togli(registro, canali);
}

QString chiediChiave(const Canali& canali) {
    canali.errori << QStringLiteral("Chiave di recupero (quella mostrata quando si è scelta la "
                                    "password), poi Invio: ");
    canali.errori.flush();
    return canali.leggiRiga().trimmed();
}

int spiegaCheServeLaChiave(const Canali& canali) {
    riga(canali.errori,
         QStringLiteral("vocario: per togliere la password dell'insegnante serve la chiave di "
                        "recupero che il programma ha mostrato quando la password è stata scelta "
                        "(%1). Con la chiave giusta, scritta qui o con «vocario --azzera-password "
                        "--chiave-di-recupero CHIAVE», la password si toglie, le classi e le "
                        "risposte restano e alla prossima apertura del registro se ne sceglie "
                        "una nuova. Senza la chiave non si è tolto nulla.")
             .arg(kComeSiScrive));
    return 1;
}

int rifiuta(const QString& perche, std::chrono::milliseconds attesa, const Canali& canali) {
    riga(canali.errori, QStringLiteral("vocario: %1 La password resta. %2")
                            .arg(perche, PasswordInsegnante::riprovaTra(attesa)));
    return 1;
}

} // namespace

int esegui(Registro& registro, const Richiesta& richiesta, const Canali& canali,
           const QDateTime& adesso) {
    if (!PasswordInsegnante::impostata(registro)) {
        riga(canali.uscita, QStringLiteral("Il registro non ha una password dell'insegnante: non "
                                           "c'è nulla da togliere."));
        return 0;
    }
    if (!PasswordInsegnante::haChiaveDiRecupero(registro))
        return senzaChiave(registro, richiesta.conferma, canali);
    if (!richiesta.chiave.isEmpty() &&
        PasswordInsegnante::chiaveNormalizzata(richiesta.chiave).isEmpty()) {
        riga(canali.errori, QStringLiteral("vocario: «%1» non è scritta come una chiave di "
                                           "recupero (%2).")
                                .arg(richiesta.chiave, kComeSiScrive));
        return 2;
    }
    // Told before the key is typed in vain.
    if (const auto rimasta = PasswordInsegnante::attesaRimasta(registro, adesso); rimasta > 0ms)
        return rifiuta(QStringLiteral("troppe prove sbagliate di fila."), rimasta, canali);
    const QString chiave = richiesta.chiave.isEmpty() ? chiediChiave(canali) : richiesta.chiave;
    if (chiave.isEmpty())
        return spiegaCheServeLaChiave(canali);
    if (PasswordInsegnante::chiaveNormalizzata(chiave).isEmpty()) {
        riga(canali.errori, QStringLiteral("vocario: questa non è una chiave di recupero (%1). "
                                           "Non si è tolto nulla.")
                                .arg(kComeSiScrive));
        return 1;
    }
    const Prova prova = PasswordInsegnante::provaChiaveDiRecupero(registro, chiave, adesso);
    switch (prova.esito) {
    case Prova::Esito::Giusta:
        return togli(registro, canali);
    case Prova::Esito::Presto:
        return rifiuta(QStringLiteral("troppe prove sbagliate di fila."), prova.attesa, canali);
    case Prova::Esito::Sbagliata:
        break;
    }
    return rifiuta(QStringLiteral("la chiave di recupero non è quella giusta."), prova.attesa,
                   canali);
}

} // namespace vocario::AzzeraPassword
