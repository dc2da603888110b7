#include "stampaschede.h"

#include "core/programma.h"
#include "impaginazione.h"
#include "vocischeda.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>

namespace vocario {

QString salvaPdf(Scheda& scheda, const QString& file) {
    QFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("Non riesco a scrivere il file %1.")
            .arg(QDir::toNativeSeparators(file));
    QPdfWriter pdf(&uscita);
    pdf.setCreator(questoProgramma().nome);
    pdf.setTitle(QStringLiteral("Scheda di %1").arg(questoProgramma().nome));
    pdf.setResolution(600);
    preparaPagine(pdf);
    if (!disegnaScheda(scheda, pdf))
        return QStringLiteral("Non riesco a scrivere il file %1.")
            .arg(QDir::toNativeSeparators(file));
    return {};
}

QString stampa(Scheda& scheda, QPrinter& printer) {
    preparaPagine(printer);
    if (!disegnaScheda(scheda, printer))
        return QStringLiteral("Non riesco a stampare su %1.").arg(printer.printerName());
    return {};
}

} // namespace vocario
