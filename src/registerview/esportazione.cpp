#include "esportazione.h"

#include <QDate>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace vocario::Esportazione {
namespace {

QByteArray campo(const QString& testo) {
    QString uscita = testo;
    if (uscita.contains(u';') || uscita.contains(u'"') || uscita.contains(u'\n') ||
        uscita.contains(u'\r'))
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
