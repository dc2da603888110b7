#include "tela.h"

#include "layouts/aspettoparole.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>

namespace vocario {
namespace {

constexpr double kPuntiTesto = 13;
constexpr double kPuntiIstruzione = 12.5;
constexpr double kPuntiPiccolo = 8;

QFont carattere(const QString& famiglia, double punti, bool grassetto) {
    QFont font(famiglia);
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    // The same letters in print as measured: no hinting to the device's grid.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

Tela::Tela(QPainter& painter, bool altaLeggibilita, bool maiuscolo)
    : painter_(painter), mm_(painter.device()->logicalDpiY() / 25.4), maiuscolo_(maiuscolo) {
    const QString famiglia = altaLeggibilita && AspettoParole::carattereLeggibileInstallato()
                                 ? QString::fromLatin1(AspettoParole::kCarattereLeggibile)
                                 : QStringLiteral("Arial");
    testo_ = carattere(famiglia, kPuntiTesto, false);
    grassetto_ = carattere(famiglia, kPuntiTesto, true);
    istruzione_ = carattere(famiglia, kPuntiIstruzione, true);
    piccolo_ = carattere(famiglia, kPuntiPiccolo, false);
}

QString Tela::parola(const QString& testo) const {
    return maiuscolo_ ? testo.toUpper() : testo;
}

QRectF Tela::inDevice(double x, double y, double w, double h) const {
    return {x * mm_, y * mm_, w * mm_, h * mm_};
}

// `testo` broken into lines of `larghezza` mm: at blanks, and inside a word
// too long for a line (a word of 300 letters stays on the page); the lines
// spaced as QPainter::drawText spaces them. Its height in mm.
double Tela::componi(QTextLayout& layout, double larghezza, Qt::Alignment allineamento) const {
    QTextOption opzione(allineamento);
    opzione.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(opzione);
    const qreal interlinea = QFontMetricsF(layout.font(), painter_.device()).leading();
    qreal alta = 0;
    layout.beginLayout();
    for (QTextLine riga = layout.createLine(); riga.isValid(); riga = layout.createLine()) {
        riga.setLineWidth(larghezza * mm_);
        alta += interlinea;
        riga.setPosition(QPointF(0, alta));
        alta += riga.height();
    }
    layout.endLayout();
    return alta / mm_;
}

double Tela::altezza(const QString& testo, const QFont& font, double larghezza) const {
    QTextLayout layout(testo, font, painter_.device());
    return componi(layout, larghezza, Qt::AlignLeft);
}

double Tela::scrivi(const QString& testo, const QFont& font, double x, double y, double larghezza,
                    Qt::Alignment allineamento) const {
    QTextLayout layout(testo, font, painter_.device());
    const double altezza = componi(layout, larghezza, allineamento);
    if (disegna) {
        painter_.setPen(Qt::black);
        layout.draw(&painter_, QPointF(x * mm_, y * mm_));
    }
    return altezza;
}

QFont Tela::adattato(const QFont& font, const QString& testo, double larghezza,
                     double minimo) const {
    double piuLunga = 0;
    for (const QString& parola : testo.split(u' ', Qt::SkipEmptyParts))
        piuLunga = std::max(piuLunga, this->larghezza(parola, font));
    if (piuLunga <= larghezza)
        return font;
    QFont piccolo = font;
    // A little less than the exact ratio: sizes and advances are rounded.
    piccolo.setPointSizeF(font.pointSizeF() * std::max(minimo, 0.97 * larghezza / piuLunga));
    return piccolo;
}

double Tela::larghezza(const QString& testo, const QFont& font) const {
    return QFontMetricsF(font, painter_.device()).horizontalAdvance(testo) / mm_;
}

double Tela::riga(const QFont& font) const {
    return QFontMetricsF(font, painter_.device()).lineSpacing() / mm_;
}

namespace {

// One word of a sentence: the letters, and the marks before and after them.
struct Pezzo {
    qsizetype inizio;
    QString prima;
    QString lettere;
    QString dopo;
};

QList<Pezzo> pezzi(const QString& frase) {
    QList<Pezzo> risultato;
    static const QRegularExpression parola(QStringLiteral("\\S+"));
    for (auto it = parola.globalMatch(frase); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString testo = m.captured();
        qsizetype a = 0;
        qsizetype b = testo.size();
        while (a < b && !testo[a].isLetterOrNumber())
            ++a;
        while (b > a && !testo[b - 1].isLetterOrNumber())
            --b;
        risultato << Pezzo{m.capturedStart() + a, testo.left(a), testo.mid(a, b - a), testo.mid(b)};
    }
    return risultato;
}

qsizetype prefissoComune(const QString& a, const QString& b) {
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n].toLower() == b[n].toLower())
        ++n;
    return n;
}

// The words of `pezzi` that show `evidenziata`: a phrase where it stands
// whole; a single word where it stands or where a form of it does
// ("arguto" in "arguta", "trasalire" in "trasalirono"), told by the longest
// beginning it shares with a word of the sentence.
QList<bool> evidenziati(const QString& frase, const QList<Pezzo>& pezzi,
                        const QString& evidenziata) {
    QList<bool> scelti(pezzi.size(), false);
    const QString cercata = evidenziata.trimmed();
    if (cercata.contains(u' ')) {
        const qsizetype inizio = frase.indexOf(cercata, 0, Qt::CaseInsensitive);
        if (inizio < 0)
            return scelti;
        for (qsizetype k = 0; k < pezzi.size(); ++k)
            scelti[k] = pezzi[k].inizio >= inizio && pezzi[k].inizio < inizio + cercata.size();
        return scelti;
    }
    const qsizetype bastano =
        std::max<qsizetype>(std::min<qsizetype>(4, cercata.size()), cercata.size() - 4);
    qsizetype migliore = -1;
    qsizetype lunga = 0;
    for (qsizetype k = 0; k < pezzi.size(); ++k) {
        const qsizetype comune = prefissoComune(pezzi[k].lettere, cercata);
        if (comune >= bastano && comune > lunga) {
            migliore = k;
            lunga = comune;
        }
    }
    if (migliore >= 0)
        scelti[migliore] = true;
    return scelti;
}

} // namespace

double Tela::scriviFrase(const QString& frase, const QString& evidenziata, double x, double y,
                         double larghezza) const {
    const QList<Pezzo> parole = pezzi(frase);
    const QList<bool> inGrassetto = evidenziati(frase, parole, evidenziata);
    // Words laid one after the other, the marks around a bold word plain.
    const double spazio = this->larghezza(QStringLiteral(" "), testo_);
    const double alta = riga(testo_);
    const double ascesa = QFontMetricsF(testo_, painter_.device()).ascent();
    double cx = x;
    double cy = y;
    for (qsizetype k = 0; k < parole.size(); ++k) {
        const QFont& font = inGrassetto[k] ? grassetto_ : testo_;
        const QString prima = parola(parole[k].prima);
        const QString lettere = parola(parole[k].lettere);
        const QString dopo = parola(parole[k].dopo);
        const double w = this->larghezza(prima, testo_) + this->larghezza(lettere, font) +
                         this->larghezza(dopo, testo_);
        if (cx > x && cx + w > x + larghezza) {
            cx = x;
            cy += alta;
        }
        if (w > larghezza) {
            // A word longer than a line: its own lines, broken where they end.
            const double h = scrivi(prima + lettere + dopo, font, x, cy, larghezza);
            cy += h - alta;
            cx = x + larghezza;
            continue;
        }
        if (disegna) {
            painter_.setPen(Qt::black);
            double px = cx;
            for (const auto& [testo, f] : {std::pair<QString, const QFont*>{prima, &testo_},
                                           {lettere, &font},
                                           {dopo, &testo_}}) {
                painter_.setFont(*f);
                painter_.drawText(QPointF(px * mm_, cy * mm_ + ascesa), testo);
                px += this->larghezza(testo, *f);
            }
        }
        cx += w + spazio;
    }
    return cy + alta - y;
}

void Tela::linea(double x1, double y1, double x2, double y2, double spessore) const {
    if (!disegna)
        return;
    painter_.setPen(QPen(Qt::black, spessore * mm_, Qt::SolidLine, Qt::RoundCap));
    painter_.drawLine(QPointF(x1 * mm_, y1 * mm_), QPointF(x2 * mm_, y2 * mm_));
}

void Tela::casella(double x, double y, double lato, double altezza) const {
    if (!disegna)
        return;
    painter_.setPen(QPen(Qt::black, 0.35 * mm_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(inDevice(x, y, lato, altezza));
}

void Tela::punto(double x, double y) const {
    if (!disegna)
        return;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::black);
    painter_.drawEllipse(QPointF(x * mm_, y * mm_), 1.1 * mm_, 1.1 * mm_);
    painter_.setBrush(Qt::NoBrush);
}

void Tela::ovale(const QRectF& attorno) const {
    if (!disegna)
        return;
    painter_.setPen(QPen(Qt::black, 0.4 * mm_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(inDevice(attorno.x(), attorno.y(), attorno.width(), attorno.height()));
}

} // namespace vocario
