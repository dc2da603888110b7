#pragma once

#include <QStringList>

class QElapsedTimer;

namespace vocario::testing {
class ServerDiProva;
}

namespace bench {

/// A school's year on a private server, and the teacher's view timed on it,
/// with the plans of the view's queries (registerschool.cpp).
int scuola(vocario::testing::ServerDiProva& server, const QStringList& args);
/// 25 pupil processes answering every 2 s while the server is stopped and
/// started twice; the answers on the server compared with those given
/// (registersoak.cpp).
int soak(vocario::testing::ServerDiProva& server, const QStringList& args);
/// 25 programs under Xvfb, played by taps against the server while it is
/// stopped and started twice (registerlab.cpp).
int laboratorio(vocario::testing::ServerDiProva& server, const QStringList& args);
/// One pupil process of the soak.
int alunno(const QStringList& args);

/// The database `scuola` on `server`, prepared as the technician does
/// (schema and roles); false with a message on stderr when it fails.
bool preparaScuola(vocario::testing::ServerDiProva& server);
/// The school prepared, with one class `classe` of pupils "Alunno 1".."Alunno `alunni`".
bool preparaClasse(vocario::testing::ServerDiProva& server, const QString& classe, int alunni);
/// Stops the server at a third of `durata` ms on `orologio` (pg_ctl -m fast)
/// and at two thirds (-m immediate, as a pulled plug), each time for
/// `pausa` s; false when it would not stop or start again.
bool viaDueVolte(vocario::testing::ServerDiProva& server, qint64 durata, int pausa,
                 const QElapsedTimer& orologio);
/// Runs `sql` as the server's owner on `scuola`; false with a message.
bool comeProprietario(vocario::testing::ServerDiProva& server, const QStringList& sql);

/// The first column of `sql`'s rows on the server at `indirizzo`.
QStringList colonna(const QString& indirizzo, const QString& sql);

/// The value after `nome` in `args`, or `predefinito`.
QString argomento(const QStringList& args, const QString& nome, const QString& predefinito = {});

} // namespace bench
