#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace vocario {

/// Tables laid out on the pages of a printer or a PDF, drawn with QPainter:
/// the columns as wide as their contents, the widest text column taking the
/// room left, long words broken, the headers again on every page, a row
/// never split across two pages, a page number at the foot.
namespace StampaTabelle {

struct Tabella {
    QString titolo = {};
    QList<QStringList> righe = {}; ///< headers first
};

/// Draws `tabelle` under `titolo` and `sottotitolo` on `dove`, within the
/// margins of its page layout. False when the device cannot be drawn on.
bool stampa(QPagedPaintDevice* dove, const QString& titolo, const QString& sottotitolo,
            const QList<Tabella>& tabelle);

} // namespace StampaTabelle
} // namespace vocario
