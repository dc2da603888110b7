#pragma once

#include <QList>
#include <QString>

namespace vocario::testing {

/// A word of a PDF as pdftotext places it, in points from the page's top left.
struct ParolaPdf {
    QString testo;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    double larghezzaPagina = 0, altezzaPagina = 0;
    int pagina = 0;
};

/// Every word of `pdf` with its box (pdftotext -bbox, poppler-utils).
QList<ParolaPdf> parolePdf(const QString& pdf);

/// The words that reach beyond `margine` points of their page's edges: none
/// when every text was wrapped inside the page.
QStringList fuoriPagina(const QList<ParolaPdf>& parole, double margine);

} // namespace vocario::testing
