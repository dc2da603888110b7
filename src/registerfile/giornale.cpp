#include "giornale.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vocario::Giornale {
namespace {

QString impronta(const QString& giornale) {
    return QString::fromLatin1(
        QCryptographicHash::hash(giornale.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}

bool scriviTutto(int fd, const QByteArray& testo) {
    const char* dati = testo.constData();
    qsizetype resta = testo.size();
    while (resta > 0) {
        const ssize_t scritti = ::write(fd, dati, size_t(resta));
        if (scritti < 0 && errno == EINTR)
            continue;
        if (scritti <= 0)
            return false;
        dati += scritti;
        resta -= scritti;
    }
    return true;
}

bool sincronizzaCartella(const QString& cartella) {
    const int fd = ::open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool fatto = ::fsync(fd) == 0;
    ::close(fd);
    return fatto;
}

} // namespace

QString cartellaPrivata() {
    const QString cartella =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
        QStringLiteral("/vocario");
    QDir().mkpath(cartella);
    ::chmod(QFile::encodeName(cartella).constData(), 0700);
    return cartella;
}

bool scrivi(const QString& percorso, const QByteArray& testo) {
    const QByteArray finale = QFile::encodeName(percorso);
    const QByteArray nuovo = finale + ".nuovo";
    ::unlink(nuovo.constData());
    const int fd = ::open(nuovo.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    // Every step is checked: a write that the disk refuses is never taken
    // for a journal kept.
    bool fatto = scriviTutto(fd, testo) && ::fsync(fd) == 0;
    fatto = ::close(fd) == 0 && fatto;
    fatto = fatto && ::rename(nuovo.constData(), finale.constData()) == 0;
    if (!fatto) {
        ::unlink(nuovo.constData());
        return false;
    }
    // The rename itself reaches the disk with the folder's entry.
    sincronizzaCartella(QFileInfo(percorso).absolutePath());
    return true;
}

bool fidato(const QString& percorso) {
    struct stat info {};
    if (::lstat(QFile::encodeName(percorso).constData(), &info) != 0)
        return false;
    return S_ISREG(info.st_mode) && info.st_uid == ::getuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QStringList percorsi(const QString& giornale) {
    const QString nome = impronta(giornale);
    return {giornale, cartellaPrivata() + QStringLiteral("/registro-%1.attesa").arg(nome),
            QDir::tempPath() + QStringLiteral("/vocario-registro-%1.attesa").arg(nome)};
}

} // namespace vocario::Giornale
