#include "stampatabelle.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <algorithm>
#include <memory>

namespace vocario::StampaTabelle {
namespace {

// One cell's text, wrapped to its column: at spaces, or anywhere in a word
// longer than the column.
struct Testo {
    std::unique_ptr<QTextLayout> layout;
    qreal altezza = 0;
};

Testo componi(const QString& testo, const QFont& font, qreal larghezza, Qt::Alignment allineamento,
              const QPaintDevice* dove) {
    Testo t{.layout = std::make_unique<QTextLayout>(testo, font, dove)};
    QTextOption opzione(allineamento);
    opzione.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    t.layout->setTextOption(opzione);
    t.layout->beginLayout();
    for (QTextLine riga = t.layout->createLine(); riga.isValid(); riga = t.layout->createLine()) {
        riga.setLineWidth(larghezza);
        riga.setPosition(QPointF(0, t.altezza));
        t.altezza += riga.height();
    }
    t.layout->endLayout();
    return t;
}

bool numero(const QString& testo) {
    bool ok = false;
    testo.toInt(&ok);
    return ok;
}

class Pagine {
  public:
    Pagine(QPagedPaintDevice* dove, const QString& piede)
        : dove_(dove), pittore_(dove), piede_(piede), base_(QStringLiteral("DejaVu Sans"), 10) {
        pittore_.setFont(base_);
        pittore_.setPen(QPen(Qt::black, dove->logicalDpiX() / 144.0)); // half a point
        margine_ = QFontMetricsF(base_, dove).height() / 3;
        fine_ = dove->height() - QFontMetricsF(base_, dove).height() * 2;
    }
    bool pronto() const { return pittore_.isActive(); }

    void titolo(const QString& testo, int punti) {
        QFont font = base_;
        font.setPointSize(punti);
        font.setBold(true);
        scrivi(testo, font);
    }
    void scrivi(const QString& testo) { scrivi(testo, base_); }
    void scrivi(const QString& testo, const QFont& font) {
        const Testo t = componi(testo, font, dove_->width(), Qt::AlignLeft, dove_);
        t.layout->draw(&pittore_, QPointF(0, y_));
        y_ += t.altezza + margine_;
    }

    void tabella(const Tabella& tabella) {
        if (tabella.righe.size() < 2) {
            titolo(tabella.titolo, 12);
            return scrivi(QStringLiteral("Nessuna risposta."));
        }
        QFont grassetto = base_;
        grassetto.setBold(true);
        const QList<qreal> larghezze = colonne(tabella.righe, grassetto);
        const auto altezza = [&](const QStringList& riga, const QFont& font) {
            qreal h = 0;
            for (qsizetype c = 0; c < riga.size(); ++c)
                h = std::max(
                    h, componi(riga[c], font, larghezze[c] - 2 * margine_, Qt::AlignLeft, dove_)
                           .altezza);
            return h + 2 * margine_;
        };
        const qreal intestazione = altezza(tabella.righe.first(), grassetto);
        // The section's title stays with its headers and first row.
        const qreal titoloAlto = QFontMetricsF(grassetto, dove_).height() * 2;
        if (y_ + titoloAlto + intestazione + altezza(tabella.righe[1], base_) > fine_)
            nuovaPagina();
        titolo(tabella.titolo, 12);
        riga(tabella.righe.first(), larghezze, grassetto, intestazione, true);
        for (qsizetype r = 1; r < tabella.righe.size(); ++r) {
            const qreal alta = altezza(tabella.righe[r], base_);
            if (y_ + alta > fine_) {
                nuovaPagina();
                riga(tabella.righe.first(), larghezze, grassetto, intestazione, true);
            }
            riga(tabella.righe[r], larghezze, base_, alta, false);
        }
        y_ += margine_ * 2;
    }

    void chiudi() {
        numeraPagina();
        pittore_.end();
    }

  private:
    // As a browser lays out a table: every column at least as wide as its
    // longest word (a date or a number whole), the room left shared in
    // proportion to what each column would need to fit on one line. When the
    // longest words do not fit side by side (a word of 300 letters), the
    // widest columns give way, down to the same width, and break their words
    // there: the dates, numbers and short words of the others stay whole.
    QList<qreal> colonne(const QList<QStringList>& righe, const QFont& grassetto) const {
        const QFontMetricsF metrica(base_, dove_), metricaGrassetto(grassetto, dove_);
        const qsizetype quante = righe.first().size();
        const qreal pagina = dove_->width();
        QList<qreal> minime(quante, 0), intere(quante, 0);
        for (qsizetype r = 0; r < righe.size(); ++r) {
            const QFontMetricsF& m = r == 0 ? metricaGrassetto : metrica;
            for (qsizetype c = 0; c < quante; ++c) {
                const QString testo = righe[r].value(c);
                if (r > 0)
                    intere[c] = std::max(intere[c], m.horizontalAdvance(testo));
                for (const QString& pezzo : pezzi(testo))
                    minime[c] = std::max(minime[c], m.horizontalAdvance(pezzo));
            }
        }
        for (qreal& minima : minime)
            minima += 3 * margine_;
        const qreal livello = livelloPer(minime, pagina);
        qreal sommaMinime = 0, sommaIntere = 0;
        for (qsizetype c = 0; c < quante; ++c) {
            minime[c] = std::min(minime[c], livello);
            intere[c] = std::max(intere[c] + 3 * margine_, minime[c]);
            sommaMinime += minime[c];
            sommaIntere += intere[c];
        }
        QList<qreal> larghezze(quante);
        for (qsizetype c = 0; c < quante; ++c) {
            if (sommaMinime >= pagina) // words broken anywhere
                larghezze[c] = minime[c] * pagina / sommaMinime;
            else if (sommaIntere <= pagina)
                larghezze[c] = intere[c] * pagina / sommaIntere;
            else
                larghezze[c] = minime[c] + (intere[c] - minime[c]) * (pagina - sommaMinime) /
                                               (sommaIntere - sommaMinime);
        }
        return larghezze;
    }

    // The width no column may exceed for `minime` to fit `pagina`, the
    // narrower ones kept whole (no limit when they all fit).
    static qreal livelloPer(QList<qreal> minime, qreal pagina) {
        std::sort(minime.begin(), minime.end());
        qreal resta = pagina;
        for (qsizetype i = 0; i < minime.size(); ++i) {
            const qsizetype rimaste = minime.size() - i;
            if (minime[i] * rimaste >= resta)
                return resta / rimaste;
            resta -= minime[i];
        }
        return pagina;
    }

    // What a line may not break: a word (a hyphen may end a line), or a
    // date or number whole.
    static QStringList pezzi(const QString& testo) {
        if (std::none_of(testo.cbegin(), testo.cend(), [](QChar c) { return c.isLetter(); }))
            return {testo};
        QStringList elenco;
        for (const QString& parola : testo.split(u' ', Qt::SkipEmptyParts)) {
            QStringList parti = parola.split(u'-');
            for (qsizetype k = 0; k + 1 < parti.size(); ++k)
                parti[k] += u'-';
            elenco << parti;
        }
        return elenco;
    }

    void riga(const QStringList& celle, const QList<qreal>& larghezze, const QFont& font,
              qreal alta, bool intestazione) {
        qreal x = 0;
        for (qsizetype c = 0; c < larghezze.size(); ++c) {
            const QRectF cella(x, y_, larghezze[c], alta);
            if (intestazione)
                pittore_.fillRect(cella, QColor(0xE8, 0xE8, 0xE8));
            pittore_.drawRect(cella);
            const Qt::Alignment allineamento =
                intestazione ? Qt::AlignHCenter
                             : (numero(celle.value(c)) ? Qt::AlignRight : Qt::AlignLeft);
            componi(celle.value(c), font, larghezze[c] - 2 * margine_, allineamento, dove_)
                .layout->draw(&pittore_, cella.topLeft() + QPointF(margine_, margine_));
            x += larghezze[c];
        }
        y_ += alta;
    }

    void nuovaPagina() {
        numeraPagina();
        dove_->newPage();
        ++pagina_;
        y_ = 0;
    }

    void numeraPagina() {
        QFont piccolo = base_;
        piccolo.setPointSize(8);
        pittore_.setFont(piccolo);
        pittore_.drawText(QRectF(0, fine_, dove_->width(), dove_->height() - fine_),
                          Qt::AlignHCenter | Qt::AlignBottom,
                          QStringLiteral("%1 · pagina %2").arg(piede_).arg(pagina_));
        pittore_.setFont(base_);
    }

    QPagedPaintDevice* dove_;
    QPainter pittore_;
    const QString piede_;
    const QFont base_;
    qreal margine_ = 0;
    qreal fine_ = 0;
    qreal y_ = 0;
    int pagina_ = 1;
};

} // namespace

bool stampa(QPagedPaintDevice* dove, const QString& titolo, const QString& sottotitolo,
            const QList<Tabella>& tabelle) {
    Pagine pagine(dove, titolo);
    if (!pagine.pronto())
        return false;
    pagine.titolo(titolo, 16);
    pagine.scrivi(sottotitolo);
    for (const Tabella& tabella : tabelle)
        pagine.tabella(tabella);
    pagine.chiudi();
    return true;
}

} // namespace vocario::StampaTabelle
