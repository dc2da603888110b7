#include "tabellaopzioni.h"

namespace vocario {

const std::vector<RigaOpzione>& tabellaOpzioni() {
    static const std::vector<RigaOpzione> righe = {
        {.chiave = "dimensione",
         .etichetta = "Dimensione delle finestre",
         .campo = accesso([](auto& o) -> auto& { return o.dimensione; }),
         .valori = {{.valore = int(Dimensione::Normale),
                     .parola = "normale",
                     .etichetta = "normale"},
                    {.valore = int(Dimensione::Grande), .parola = "grande", .etichetta = "grande"},
                    {.valore = int(Dimensione::SchermoIntero),
                     .parola = "schermo-intero",
                     .etichetta = "schermo intero"}},
         .aiuto = "Dimensione delle finestre: %1. Le scelte della riga di comando valgono per "
                  "questa volta; quelle salvate in Opzioni restano."},
        {.chiave = "leggiAdAltaVoce",
         .etichetta = "Leggi ad alta voce",
         .campo = accesso([](auto& o) -> auto& { return o.leggiAdAltaVoce; }),
         .si = {.nomi = {"leggi"},
                .aiuto = "Legge ad alta voce parole, frasi, significati e bottoni."},
         .no = {.nomi = {"non-leggere"}, .aiuto = "Non legge ad alta voce."}},
        {.chiave = "altaLeggibilita",
         .etichetta = "Caratteri ad alta leggibilità",
         .campo = accesso([](auto& o) -> auto& { return o.altaLeggibilita; }),
         .si = {.nomi = {"alta-leggibilita", "alta-leggibilità"},
                .aiuto = "Parole, frasi e significati in caratteri ad alta leggibilità."},
         .no = {.nomi = {"caratteri-normali"},
                .aiuto = "Parole, frasi e significati nei caratteri di sempre."}},
        {.chiave = "maiuscolo",
         .etichetta = "STAMPATO MAIUSCOLO",
         .campo = accesso([](auto& o) -> auto& { return o.maiuscolo; }),
         .si = {.nomi = {"maiuscolo"},
                .aiuto = "Parole, frasi e significati in STAMPATO MAIUSCOLO."},
         .no = {.nomi = {"minuscolo"},
                .aiuto = "Parole, frasi e significati come sono scritti negli elenchi."}},
    };
    return righe;
}

QString RigaOpzione::parola(int valore) const {
    if (siNo())
        return valore ? QStringLiteral("true") : QStringLiteral("false");
    for (const ValoreOpzione& v : valori)
        if (v.valore == valore)
            return QString::fromUtf8(v.parola);
    return QString::fromUtf8(valori.front().parola);
}

std::optional<int> RigaOpzione::valoreDi(const QString& scritta) const {
    // Only the two words Qt writes count for yes or no: a hand-written
    // "forse" is no choice. A teacher may write the words of a value apart.
    const QString cercata = scritta.trimmed().toLower().replace(u' ', u'-');
    if (siNo())
        return cercata == u"true"    ? std::optional(1)
               : cercata == u"false" ? std::optional(0)
                                     : std::nullopt;
    for (const ValoreOpzione& v : valori)
        if (cercata == QString::fromUtf8(v.parola))
            return v.valore;
    return std::nullopt;
}

QString RigaOpzione::valoriAmmessi() const {
    QStringList parole;
    for (const ValoreOpzione& v : valori)
        parole << QString::fromUtf8(v.parola);
    if (parole.size() < 2)
        return parole.join(QString());
    const QString ultima = parole.takeLast();
    return parole.join(QStringLiteral(", ")) + QStringLiteral(" o ") + ultima;
}

const RigaOpzione& rigaOpzione(const char* chiave) {
    for (const RigaOpzione& riga : tabellaOpzioni())
        if (qstrcmp(riga.chiave, chiave) == 0)
            return riga;
    qFatal("Nessuna opzione %s", chiave);
}

// What opzioni.h declares, made from the rows.

Opzioni ScelteOpzioni::applicate(Opzioni base) const {
    for (const RigaOpzione& riga : tabellaOpzioni())
        if (const std::optional<int> scelta = riga.campo.scelta(*this))
            riga.campo.imposta(base, *scelta);
    return base;
}

QString nomeDimensione(Dimensione dimensione) {
    return rigaOpzione("dimensione").parola(int(dimensione));
}

std::optional<Dimensione> dimensioneDalNome(const QString& nome) {
    if (const std::optional<int> valore = rigaOpzione("dimensione").valoreDi(nome))
        return Dimensione(*valore);
    return std::nullopt;
}

} // namespace vocario
