#include "esportazione.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

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

bool scriviPdf(const QString& file, const QString& titolo, const QList<Sezione>& sezioni) {
    QString html = QStringLiteral("<h1>%1</h1>").arg(titolo.toHtmlEscaped());
    for (const Sezione& sezione : sezioni) {
        html += QStringLiteral("<h2>%1</h2><table border='1' cellspacing='0' cellpadding='3'>")
                    .arg(sezione.titolo.toHtmlEscaped());
        for (qsizetype i = 0; i < sezione.righe.size(); ++i) {
            html += QStringLiteral("<tr>");
            for (const QString& testo : sezione.righe[i])
                html += QString::fromLatin1(i == 0 ? "<th>%1</th>" : "<td>%1</td>")
                            .arg(testo.toHtmlEscaped());
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    QPdfWriter pdf(file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setTitle(titolo);
    pdf.setCreator(QStringLiteral("Vocario"));
    QTextDocument documento;
    documento.setHtml(html);
    documento.setPageSize(pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
    documento.print(&pdf);
    return true;
}

} // namespace vocario::Esportazione
