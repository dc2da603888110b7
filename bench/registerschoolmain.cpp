// The class register on a school's PostgreSQL server, on a private server
// this program starts (not part of make test; see the README's school
// section):
//   bench_register_school [--answers N] [--explain FILE] [--shot PNG]
//       a school's year (20 classes of 25, 9 exercises of 200 items, N
//       answers, 4000000 by default), the teacher's view opened on it, each
//       of its queries timed, and their plans (EXPLAIN ANALYZE) into FILE;
//   bench_register_school --soak SECONDS [--pupils 25] [--every 2000]
//       pupil processes answering while the server is stopped and started
//       twice; every answer given must be on the server once;
//   bench_register_school --lab SECONDS [--pupils 25] [--every 2000] [--away 60]
//       the same with the program itself: 25 windows, each on an Xvfb of
//       its own, played by taps; the probe times each recording.

#include "registerschool.h"
#include "serverdiprova.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

using vocario::testing::ServerDiProva;

QString bench::argomento(const QStringList& args, const QString& nome, const QString& predefinito) {
    const qsizetype i = args.indexOf(nome);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : predefinito;
}

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.contains("--pupil")) {
        QCoreApplication app(argc, argv);
        return bench::alunno(args);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!QFile::exists(ServerDiProva::bin() + "initdb")) {
        std::fprintf(stderr, "bench_register_school: PostgreSQL 15 is not installed\n");
        return 1;
    }
    ServerDiProva server;
    // auto_explain is loaded but silent; the plans are asked for by role.
    if (!server.prepara() ||
        !server.avvia({"shared_preload_libraries=auto_explain", "shared_buffers=256MB",
                       "maintenance_work_mem=256MB", "work_mem=32MB"})) {
        std::fprintf(stderr, "bench_register_school: the private server did not start\n");
        return 1;
    }
    if (args.contains("--lab"))
        return bench::laboratorio(server, args);
    return args.contains("--soak") ? bench::soak(server, args) : bench::scuola(server, args);
}
