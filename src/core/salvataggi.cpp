#include "salvataggi.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vocario::Salvataggi {

QString cartella() {
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documenti.isEmpty() && QFileInfo(documenti).isDir() ? documenti : QDir::homePath();
}

QString nomeFile(const QStringList& parti, const QString& estensione, const QDate& giorno) {
    QStringList nomi;
    for (const QString& parte : parti) {
        // Letters and digits of any script stay ("2ª C" is "2ª-C"); slashes,
        // blanks, quotes and the like would trouble a file manager or a USB stick.
        QString nome;
        for (const QChar c : parte.simplified())
            nome += c.isLetterOrNumber() || c == u'_' ? c : u'-';
        while (nome.contains(QStringLiteral("--")))
            nome.replace(QStringLiteral("--"), QStringLiteral("-"));
        while (nome.startsWith(u'-'))
            nome.remove(0, 1);
        while (nome.endsWith(u'-'))
            nome.chop(1);
        if (!nome.isEmpty())
            nomi << nome.left(60);
    }
    nomi << giorno.toString(Qt::ISODate);
    return nomi.join(u'_') + u'.' + estensione;
}

QString proposta(const QStringList& parti, const QString& estensione) {
    return QDir(cartella()).filePath(nomeFile(parti, estensione));
}

} // namespace vocario::Salvataggi
