#include "serverdiprova.h"

#include <QDebug>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <unistd.h>

namespace vocario::testing {

QString ServerDiProva::bin() {
    return QStringLiteral("/usr/lib/postgresql/15/bin/");
}

ServerDiProva::~ServerDiProva() {
    ferma(QStringLiteral("immediate"));
}

bool ServerDiProva::prepara(const QString& password) {
    QTcpServer libero;
    if (!cartella_.isValid() || !libero.listen(QHostAddress::LocalHost))
        return false;
    porta_ = libero.serverPort();
    libero.close();
    if (geteuid() == 0 && QProcess::execute("chown", {"postgres", cartella_.path()}) != 0)
        return false;
    if (password.isEmpty())
        return esegui("initdb", {"-D", dati(), "-A", "trust", "-U", "vocario", "--no-sync"});
    // As a school's server: every login by its password.
    QFile file(cartella_.filePath("password"));
    if (!file.open(QIODevice::WriteOnly) || file.write(password.toUtf8() + '\n') < 0)
        return false;
    file.close();
    if (geteuid() == 0 && QProcess::execute("chown", {"postgres", file.fileName()}) != 0)
        return false;
    return esegui("initdb", {"-D", dati(), "-A", "scram-sha-256", "--pwfile", file.fileName(), "-U",
                             "vocario", "--no-sync"});
}

bool ServerDiProva::avvia(const QStringList& impostazioni) {
    QString opzioni = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off")
                          .arg(porta_)
                          .arg(cartella_.path());
    for (const QString& impostazione : impostazioni)
        opzioni += QStringLiteral(" -c ") + impostazione;
    acceso_ = esegui("pg_ctl", {"-D", dati(), "-l", log(), "-w", "-o", opzioni, "start"});
    return acceso_;
}

bool ServerDiProva::ferma(const QString& modo) {
    if (!acceso_)
        return true;
    acceso_ = !esegui("pg_ctl", {"-D", dati(), "-m", modo, "-w", "stop"});
    return !acceso_;
}

QString ServerDiProva::indirizzo(const QString& utente, const QString& db) const {
    return QStringLiteral("postgresql://%1@127.0.0.1:%2/%3").arg(utente).arg(porta_).arg(db);
}

bool ServerDiProva::esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    if (geteuid() == 0)
        p.start("runuser", QStringList{"-u", "postgres", "--", bin() + programma} + argomenti);
    else
        p.start(bin() + programma, argomenti);
    const bool ok =
        p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok)
        qWarning() << programma << p.readAllStandardError() << p.readAllStandardOutput();
    return ok;
}

} // namespace vocario::testing
