#include "nomiesercizi.h"

namespace vocario::NomiEsercizi {
namespace {

struct NomeCambiato {
    const char* vecchio;
    const char* nuovo;
};

// Only ever grows: a PC updated late still holds answers under any name here.
// The register's schema renames the rows already kept (step 4).
constexpr NomeCambiato kNomiCambiati[] = {
    {.vecchio = "modi-di-dire", .nuovo = "parola-corretta"},
    {.vecchio = "parola-che-comprende", .nuovo = "parola-che-comprende-le-altre"},
};

} // namespace

QString attuale(const QString& esercizio) {
    for (const NomeCambiato& nome : kNomiCambiati)
        if (esercizio == QLatin1String(nome.vecchio))
            return QLatin1String(nome.nuovo);
    return esercizio;
}

} // namespace vocario::NomiEsercizi
