#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vocario::Esportazione {

/// The table as a CSV that LibreOffice Calc and Excel open as it is, with an
/// Italian locale: UTF-8 with a byte-order mark, fields separated by ';',
/// quoted where they hold ';', quotes or line breaks, lines ended by CR LF.
QByteArray csv(const QList<QStringList>& righe);
bool scriviCsv(const QString& file, const QList<QStringList>& righe);

/// A document of titled tables, written as a PDF of A4 pages.
struct Sezione {
    QString titolo = {};
    QList<QStringList> righe = {}; ///< headers first
};
bool scriviPdf(const QString& file, const QString& titolo, const QList<Sezione>& sezioni);

} // namespace vocario::Esportazione
