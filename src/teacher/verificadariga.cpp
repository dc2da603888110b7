#include "verificadariga.h"

#include "core/appstate.h"
#include "core/cartelle.h"
#include "core/cartelleelenchi.h"
#include "schedeelenchi.h"
#include "testorapporto.h"
#include "verificaelenchi.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace vocario {
namespace {

// A program folder given instead of its `testi`: the lists are inside.
QString cartellaDegliElenchi(const QString& data) {
    const QDir cartella(data);
    for (const SchedaElenco& scheda : schedeElenchi())
        if (cartella.exists(scheda.file))
            return cartella.absolutePath();
    if (cartella.exists(QStringLiteral("testi")))
        return cartella.absoluteFilePath(QStringLiteral("testi"));
    return cartella.absolutePath();
}

} // namespace

int verificaElenchiDaRiga(const QString& data) {
    QTextStream out(stdout);
    const AppState stato(Cartelle::datiProgramma());
    QList<WordListFolder> cartelle = CartelleElenchi::perLaLettura(stato);
    QList<CartellaElenchi> nomi = CartelleElenchi::perIlRapporto(stato);
    if (!data.isEmpty()) {
        if (!QFileInfo(data).isDir()) {
            out << QStringLiteral("Non trovo la cartella %1.\n").arg(data);
            return 1;
        }
        // Read as the teacher's folder is: a list it lacks is the program's.
        const QString cartella = cartellaDegliElenchi(data);
        const QString programma = CartelleElenchi::programma(stato);
        cartelle = {{cartella, QDir::toNativeSeparators(cartella + u'/')}};
        nomi = {{QStringLiteral("elenchi indicati"), cartella}};
        if (QFileInfo(cartella).canonicalFilePath() != QFileInfo(programma).canonicalFilePath()) {
            cartelle << WordListFolder{programma, QStringLiteral("testi/")};
            nomi << CartellaElenchi{QStringLiteral("elenchi del programma"), programma};
        }
    }
    const RapportoElenchi rapporto = verificaElenchi(cartelle);
    out << testoRapporto(rapporto, nomi);
    return rapporto.tuttiUtilizzabili() ? 0 : 1;
}

} // namespace vocario
