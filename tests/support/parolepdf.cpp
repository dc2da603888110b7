#include "parolepdf.h"

#include <QProcess>
#include <QRegularExpression>

namespace vocario::testing {

QList<ParolaPdf> parolePdf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        qFatal("pdftotext -bbox failed on %s (poppler-utils)", qPrintable(pdf));
    const QString xhtml = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression elemento(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<ParolaPdf> parole;
    ParolaPdf pagina;
    for (auto it = elemento.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            pagina.larghezzaPagina = m.captured(1).toDouble();
            pagina.altezzaPagina = m.captured(2).toDouble();
            ++pagina.pagina;
            continue;
        }
        ParolaPdf parola = pagina;
        parola.xMin = m.captured(3).toDouble();
        parola.yMin = m.captured(4).toDouble();
        parola.xMax = m.captured(5).toDouble();
        parola.yMax = m.captured(6).toDouble();
        parola.testo = m.captured(7)
                           .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                           .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                           .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                           .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
                           .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        parole << parola;
    }
    return parole;
}

QStringList fuoriPagina(const QList<ParolaPdf>& parole, double margine) {
    QStringList fuori;
    for (const ParolaPdf& p : parole)
        if (p.xMin < margine || p.xMax > p.larghezzaPagina - margine || p.yMax > p.altezzaPagina)
            fuori << QStringLiteral("p. %1: «%2» %3–%4 of %5")
                         .arg(p.pagina)
                         .arg(p.testo.left(20))
                         .arg(p.xMin)
                         .arg(p.xMax)
                         .arg(p.larghezzaPagina);
    return fuori;
}

} // namespace vocario::testing
