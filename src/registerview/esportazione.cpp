#include "esportazione.h"

#include <QDate>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

namespace vocario::Esportazione {
namespace {

// A number stays as it is: it is no formula, and its column stays numeric.
bool numero(const QString& testo) {
    static const QRegularExpression cifre(QStringLiteral("^[+-]?[0-9]+([.,][0-9]+)*$"));
    return cifre.match(testo).hasMatch();
}

// A name, an item or an answer that Calc or Excel would read as a formula
// (a tab or a carriage return before one is dropped on reading) gets an
// apostrophe before it, as the spreadsheets' own advice on untrusted data
// says: it is then shown as text, never evaluated.
bool leggibileComeFormula(const QString& testo) {
    return !testo.isEmpty() && QStringView(u"=+-@\t\r").contains(testo.front()) && !numero(testo);
}

QByteArray campo(const QString& testo) {
    QString uscita = leggibileComeFormula(testo) ? u'\'' + testo : testo;
    // Calc offers comma, semicolon and tab as separators at once: a field
    // holding any of them ("14,1", "Mattia, detto Matti") is quoted.
    if (uscita.contains(u';') || uscita.contains(u',') || uscita.contains(u'\t') ||
        uscita.contains(u'"') || uscita.contains(u'\n') || uscita.contains(u'\r'))
        uscita = u'"' + uscita.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return uscita.toUtf8();
}

} // namespace

QByteArray csv(const QList<QStringList>& righe) {
    QByteArray uscita("\xEF\xBB\xBF");
    for (const QStringList& riga : righe) {
        QByteArrayList campi;
        for (const QString& testo : riga)
            campi << campo(testo);
        uscita += campi.join(';') + "\r\n";
    }
    return uscita;
}

bool scriviCsv(const QString& file, const QList<QStringList>& righe) {
    QSaveFile uscita(file);
    return uscita.open(QIODevice::WriteOnly) && uscita.write(csv(righe)) >= 0 && uscita.commit();
}

bool stampa(QPagedPaintDevice* dove, const QString& titolo, const QList<Sezione>& sezioni) {
    return StampaTabelle::stampa(
        dove, titolo,
        QStringLiteral("Stampato il %1")
            .arg(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))),
        sezioni);
}

bool scriviPdf(const QString& file, const QString& titolo, const QList<Sezione>& sezioni) {
    QPdfWriter pdf(file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(titolo);
    pdf.setCreator(QStringLiteral("Vocario"));
    return stampa(&pdf, titolo, sezioni);
}

} // namespace vocario::Esportazione
