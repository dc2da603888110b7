#pragma once

#include "stampatabelle.h"

#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace vocario::Esportazione {

/// The table as a CSV that LibreOffice Calc and Excel open as it is, with an
/// Italian locale: UTF-8 with a byte-order mark, fields separated by ';',
/// quoted where they hold ';', quotes or line breaks, lines ended by CR LF.
/// A text that begins with '=', '+', '-', '@', a tab or a carriage return,
/// and is not a number, gets a leading apostrophe, so that it is shown and
/// never evaluated.
QByteArray csv(const QList<QStringList>& righe);
bool scriviCsv(const QString& file, const QList<QStringList>& righe);

/// A titled table, headers first.
using Sezione = StampaTabelle::Tabella;
/// The tables under a title and the day's date, on the pages of `dove` (a
/// printer chosen in the print dialog) or of a PDF of A4 pages.
bool stampa(QPagedPaintDevice* dove, const QString& titolo, const QList<Sezione>& sezioni);
bool scriviPdf(const QString& file, const QString& titolo, const QList<Sezione>& sezioni);

} // namespace vocario::Esportazione
