#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vocario::testing {

/// A PostgreSQL of its own, in a temporary folder, on a free local port,
/// with trust authentication unless asked (a throw-away server, never a
/// school's). The server refuses to run as root, so as root it runs as
/// postgres. Stopped at the end, also when a check fails. For the server's
/// test and the register's school-size benchmark.
class ServerDiProva {
  public:
    /// Where Debian's postgresql puts initdb and pg_ctl.
    static QString bin();
    ~ServerDiProva();

    /// initdb, with `vocario` as the owner (a superuser); with `password`,
    /// every login asks for one (scram-sha-256), the owner's being that.
    bool prepara(const QString& password = {});
    /// Starts it; `impostazioni` are more `-c name=value` settings.
    bool avvia(const QStringList& impostazioni = {});
    /// Stops it (`fast`, `immediate` or `smart`).
    bool ferma(const QString& modo = QStringLiteral("fast"));
    QString indirizzo(const QString& utente, const QString& db = QStringLiteral("registro")) const;
    /// The server's own log (auto_explain writes its plans there).
    QString log() const { return cartella_.filePath("log"); }
    int porta() const { return porta_; }

  private:
    QString dati() const { return cartella_.filePath("data"); }
    bool esegui(const QString& programma, const QStringList& argomenti);

    QTemporaryDir cartella_;
    int porta_ = 0;
    bool acceso_ = false;
};

} // namespace vocario::testing
