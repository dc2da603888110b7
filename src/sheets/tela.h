#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
class QTextLayout;

namespace vocario {

/// Where a worksheet is drawn, in millimetres of the page: the painter, the
/// letters, and whether the answers are shown. Every drawing function
/// measures what it would draw and draws it only when `disegna` is set, so
/// that a page can be planned before it is drawn.
class Tela {
  public:
    Tela(QPainter& painter, bool altaLeggibilita, bool maiuscolo);

    QPainter& painter() const { return painter_; }
    /// Device units in a millimetre.
    double mm() const { return mm_; }
    /// The text of a list as the options show it (capitals or not).
    QString parola(const QString& testo) const;

    /// The letters: ordinary, bold, the instruction's, the foot's.
    const QFont& testo() const { return testo_; }
    const QFont& grassetto() const { return grassetto_; }
    const QFont& istruzione() const { return istruzione_; }
    const QFont& piccolo() const { return piccolo_; }

    /// The answers are drawn (the key), not left to the pupil.
    bool soluzioni = false;
    /// Drawing, not only measuring.
    bool disegna = true;

    /// Height (mm) of `testo` wrapped into `larghezza` mm; drawn at (x, y).
    double scrivi(const QString& testo, const QFont& font, double x, double y, double larghezza,
                  Qt::Alignment allineamento = Qt::AlignLeft) const;
    /// Height (mm) of `testo` wrapped into `larghezza` mm, never drawn.
    double altezza(const QString& testo, const QFont& font, double larghezza) const;
    /// `font`, smaller when a word of `testo` is wider than `larghezza` mm,
    /// so that an ordinary long word ("moltiplicazione") stays whole in a
    /// narrow place; never below `minimo` of its size: a longer word is then
    /// broken where the line ends.
    QFont adattato(const QFont& font, const QString& testo, double larghezza,
                   double minimo = 0.7) const;
    /// Width (mm) of `testo` on one line.
    double larghezza(const QString& testo, const QFont& font) const;
    /// Height (mm) of one line of `font`.
    double riga(const QFont& font) const;
    /// A sentence with `evidenziata` in bold wherever it stands as a word,
    /// wrapped into `larghezza`; its height.
    double scriviFrase(const QString& frase, const QString& evidenziata, double x, double y,
                       double larghezza) const;

    /// Lines (mm), black.
    void linea(double x1, double y1, double x2, double y2, double spessore = 0.3) const;
    void casella(double x, double y, double lato, double altezza) const;
    void punto(double x, double y) const;
    void ovale(const QRectF& attorno) const;

  private:
    double componi(QTextLayout& layout, double larghezza, Qt::Alignment allineamento) const;
    QRectF inDevice(double x, double y, double w, double h) const;

    QPainter& painter_;
    double mm_;
    bool maiuscolo_;
    QFont testo_;
    QFont grassetto_;
    QFont istruzione_;
    QFont piccolo_;
};

} // namespace vocario
