#include "disegnovoci.h"

#include "esercizischeda.h"
#include "tela.h"
#include "vocischeda.h"

#include <QList>
#include <algorithm>

namespace vocario {
namespace {

using Forma = EsercizioScheda::Forma;

constexpr double kSotto = 4;      // space below an item
constexpr double kRigaAbbina = 2; // space between the rows of a group
constexpr double kSpazioColonne = 24;
constexpr double kRisposta = 34; // the key's answer at the right of a choice item

QString numero(int n) {
    return QStringLiteral("%1.").arg(n);
}

QString lettera(int k) {
    return QStringLiteral("%1.").arg(QChar(u'a' + k));
}

// Room for the numbers up to `n`: two digits at least, so that items line up.
double larghezzaNumero(const Tela& t, int n) {
    return std::max(t.larghezza(QStringLiteral("00. "), t.testo()),
                    t.larghezza(numero(n) + u' ', t.testo()));
}

// The key's answer at the right edge of an item, so that a teacher can read
// the answers down the page. Its height, the same on the sheet, which keeps
// its room free, so that both lay out alike.
double risposta(const Tela& t, const QString& testo, double x, double y, double larghezza) {
    const QString scritta = QStringLiteral("→\u00A0") + t.parola(testo);
    const QFont font = t.adattato(t.grassetto(), scritta, kRisposta);
    if (t.soluzioni)
        return t.scrivi(scritta, font, x + larghezza - kRisposta, y, kRisposta, Qt::AlignRight);
    return t.altezza(scritta, font, kRisposta);
}

// Two columns, the second shuffled: a dot after each word of the first and
// before each of the second, to join with a line. The key writes the letter
// of the partner before the dot and draws the line.
double abbina(const Tela& t, const VoceScheda& v, int n, double x, double y, double w) {
    const double num = larghezzaNumero(t, n + int(v.sinistra.size()) - 1);
    const double colonna = (w - kSpazioColonne) / 2;
    const double fessura = t.larghezza(QStringLiteral("(m)"), t.grassetto()) + 1;
    const double puntoSinistro = x + colonna - 1.5;
    const double puntoDestro = x + colonna + kSpazioColonne + 1.5;
    const double testoDestro = puntoDestro + 3;
    const int righe = int(std::max(v.sinistra.size(), v.destra.size()));

    QList<double> centri(righe);
    double cy = y;
    for (int r = 0; r < righe; ++r) {
        double alta = t.riga(t.testo());
        if (r < v.sinistra.size())
            alta = std::max(
                alta, t.altezza(t.parola(v.sinistra[r]), t.testo(), colonna - num - fessura - 3));
        if (r < v.destra.size())
            alta = std::max(alta,
                            t.altezza(t.parola(v.destra[r]), t.testo(), x + w - testoDestro - num));
        const double centro = cy + t.riga(t.testo()) / 2;
        centri[r] = centro;
        if (r < v.sinistra.size()) {
            t.scrivi(numero(n + r), t.testo(), x, cy, num);
            t.scrivi(t.parola(v.sinistra[r]), t.testo(), x + num, cy, colonna - num - fessura - 3);
            t.punto(puntoSinistro, centro);
            if (t.soluzioni)
                t.scrivi(QStringLiteral("(%1)").arg(QChar(u'a' + v.giuste[r])), t.grassetto(),
                         puntoSinistro - 2.5 - fessura, cy, fessura, Qt::AlignRight);
        }
        if (r < v.destra.size()) {
            t.punto(puntoDestro, centro);
            t.scrivi(lettera(r), t.testo(), testoDestro, cy, num);
            t.scrivi(t.parola(v.destra[r]), t.testo(), testoDestro + num, cy,
                     x + w - testoDestro - num);
        }
        cy += alta + kRigaAbbina;
    }
    if (t.soluzioni)
        for (int r = 0; r < v.sinistra.size(); ++r)
            t.linea(puntoSinistro, centri[r], puntoDestro, centri[v.giuste[r]], 0.35);
    return cy - y + kSotto;
}

// The two words, then the scale: "meno intenso", a box, a box, "più intenso".
double gradi(const Tela& t, const VoceScheda& v, int n, double x, double y, double w) {
    const double num = larghezzaNumero(t, n);
    const double meta = (w - num) / 2;
    t.scrivi(numero(n), t.testo(), x, y, num);
    double alta = 0;
    for (int k = 0; k < 2; ++k)
        alta = std::max(alta, t.scrivi(t.parola(v.sinistra[k]), t.grassetto(), x + num + k * meta,
                                       y, meta - 4));
    const double sy = y + alta + 2.5;
    const QString meno = QStringLiteral("meno intenso");
    const QString piu = QStringLiteral("più intenso");
    const double lMeno = t.larghezza(meno, t.testo()) + 3;
    const double lPiu = t.larghezza(piu, t.testo()) + 3;
    const double mezzo = 12;
    const double lato = (w - num - lMeno - lPiu - mezzo) / 2;
    // As tall as the key's longer word needs, on the sheet too.
    double alto = t.riga(t.testo());
    for (const QString& parola : v.sinistra)
        alto = std::max(alto, t.altezza(t.parola(parola), t.grassetto(), lato));
    alto += 3.5;
    const double base = sy + 1.75;
    double bx = x + num;
    t.scrivi(meno, t.testo(), bx, base, lMeno);
    bx += lMeno;
    t.casella(bx, sy, lato, alto);
    if (t.soluzioni)
        t.scrivi(t.parola(v.sinistra[v.giuste[0]]), t.grassetto(), bx, base, lato,
                 Qt::AlignHCenter);
    t.scrivi(QStringLiteral("…"), t.testo(), bx + lato, base, mezzo, Qt::AlignHCenter);
    bx += lato + mezzo;
    t.casella(bx, sy, lato, alto);
    if (t.soluzioni)
        t.scrivi(t.parola(v.sinistra[v.giuste[1]]), t.grassetto(), bx, base, lato,
                 Qt::AlignHCenter);
    t.scrivi(piu, t.testo(), bx + lato + 3, base, lPiu);
    return sy + alto - y + kSotto + 1;
}

// The pair, then "sinonimi / contrari" to circle.
double sinonimiContrari(const Tela& t, const VoceScheda& v, int n, double x, double y, double w) {
    const double num = larghezzaNumero(t, n);
    const double scelte = x + w - kRisposta - 62;
    t.scrivi(numero(n), t.testo(), x, y, num);
    double alta = t.scrivi(t.parola(v.sinistra.join(QStringLiteral(" / "))), t.testo(), x + num, y,
                           scelte - x - num - 4);
    double sx = scelte;
    for (int k = 0; k < v.scelte.size(); ++k) {
        const double lw = t.larghezza(v.scelte[k], t.testo());
        t.scrivi(v.scelte[k], t.testo(), sx, y, lw + 1);
        if (t.soluzioni && v.giuste[0] == k)
            t.ovale(QRectF(sx - 2, y - 1, lw + 4, t.riga(t.testo()) + 2));
        sx += lw;
        if (k + 1 < v.scelte.size()) {
            t.scrivi(QStringLiteral("/"), t.testo(), sx + 3, y, 4);
            sx += 9;
        }
    }
    alta = std::max({alta, t.riga(t.testo()), risposta(t, v.scelte[v.giuste[0]], x, y, w)});
    return alta + kSotto;
}

// Four words side by side: one to circle, or to cross out.
double quattroParole(const Tela& t, const VoceScheda& v, bool cancella, int n, double x, double y,
                     double w) {
    const double num = larghezzaNumero(t, n);
    const double cella = (w - num - kRisposta) / v.scelte.size();
    t.scrivi(numero(n), t.testo(), x, y, num);
    double alta = t.riga(t.testo());
    for (int k = 0; k < v.scelte.size(); ++k) {
        const double cx = x + num + k * cella;
        const QString parola = t.parola(v.scelte[k]);
        const QFont font = t.adattato(t.testo(), parola, cella - 4);
        const double h = t.scrivi(parola, font, cx + 2, y, cella - 4, Qt::AlignHCenter);
        alta = std::max(alta, h);
        if (!t.soluzioni || v.giuste[0] != k)
            continue;
        const double lw = std::min(t.larghezza(parola, font), cella - 4);
        const double sx = cx + (cella - lw) / 2;
        if (cancella)
            t.linea(sx - 1, y + h / 2, sx + lw + 1, y + h / 2, 0.5);
        else
            t.ovale(QRectF(sx - 2, y - 1, lw + 4, h + 2));
    }
    alta = std::max(alta, risposta(t, v.scelte[v.giuste[0]], x, y, w));
    return alta + kSotto + 1;
}

// The sentence with its word in bold, then the three meanings with a box
// each; the key ticks the right one.
double significato(const Tela& t, const VoceScheda& v, int n, double x, double y, double w) {
    const double num = larghezzaNumero(t, n);
    t.scrivi(numero(n), t.testo(), x, y, num);
    double cy = y + t.scriviFrase(v.frase, v.parola, x + num, y, w - num) + 1.5;
    const QString parola = t.parola(v.parola);
    const double lw = t.larghezza(parola + u' ', t.grassetto());
    if (lw > (w - num) / 2) {
        // A word too long to share its line: on lines of its own, wrapped.
        cy += t.scrivi(parola, t.grassetto(), x + num, cy, w - num);
        cy += t.scrivi(QStringLiteral("vuol dire:"), t.testo(), x + num, cy, w - num) + 1;
    } else {
        t.scrivi(parola, t.grassetto(), x + num, cy, lw);
        cy += std::max(
                  t.scrivi(QStringLiteral("vuol dire:"), t.testo(), x + num + lw, cy, w - num - lw),
                  t.riga(t.testo())) +
              1;
    }
    const double lato = 4.5;
    for (int k = 0; k < v.scelte.size(); ++k) {
        const double alto = t.riga(t.testo());
        t.casella(x + num + 4, cy + (alto - lato) / 2, lato, lato);
        if (t.soluzioni && v.giuste[0] == k)
            t.scrivi(QStringLiteral("X"), t.grassetto(), x + num + 4, cy, lato, Qt::AlignHCenter);
        cy += std::max(alto,
                       t.scrivi(t.parola(v.scelte[k]), t.testo(), x + num + 12, cy, w - num - 12)) +
              1;
    }
    return cy - y + kSotto;
}

} // namespace

int numeriDi(const EsercizioScheda& esercizio, const VoceScheda& voce) {
    return esercizio.forma == Forma::Abbina ? std::max(1, int(voce.sinistra.size())) : 1;
}

double disegnaVoce(const Tela& tela, const EsercizioScheda& esercizio, const VoceScheda& voce,
                   int numero, double x, double y, double larghezza) {
    switch (esercizio.forma) {
    case Forma::Abbina:
        return abbina(tela, voce, numero, x, y, larghezza);
    case Forma::Gradi:
        return gradi(tela, voce, numero, x, y, larghezza);
    case Forma::SinonimiContrari:
        return sinonimiContrari(tela, voce, numero, x, y, larghezza);
    case Forma::Comprende:
        return quattroParole(tela, voce, false, numero, x, y, larghezza);
    case Forma::Intrusa:
        return quattroParole(tela, voce, true, numero, x, y, larghezza);
    case Forma::Significato:
        return significato(tela, voce, numero, x, y, larghezza);
    }
    return 0;
}

} // namespace vocario
