#include "registerschool.h"

#include "benchstats.h"
#include "register/registro.h"
#include "register/serverregistro.h"
#include "registerview/interrogazioni.h"
#include "registerview/vistaregistro.h"
#include "serverdiprova.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

using namespace vocario;

namespace bench {
namespace {

constexpr int kClassi = 20;
constexpr int kAlunniPerClasse = 25;
constexpr int kVoci = 9 * 200;
constexpr qint64 kAnno = 40LL * 7 * 86'400'000;

double ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// One statement after another on a connection of its own.
bool esegui(const QString& indirizzo, const QStringList& sql) {
    const QString nome = QStringLiteral("bench-%1").arg(qHash(indirizzo));
    bool ok = true;
    {
        QString errore;
        QSqlDatabase db = ServerRegistro::apri(*ServerRegistro::leggi(indirizzo), nome, &errore);
        QSqlQuery query(db);
        for (const QString& istruzione : sql)
            if (ok && !query.exec(istruzione)) {
                std::fprintf(stderr, "%s\n  %s\n", qPrintable(istruzione),
                             qPrintable(query.lastError().text() + errore));
                ok = false;
            }
    }
    QSqlDatabase::removeDatabase(nome);
    return ok;
}

// The school: classes "1ª A" to "5ª D", pupils "Alunno 1" to "Alunno 25",
// nine exercises of 200 items, and `risposte` answers spread over 40 weeks
// (one in four wrong), made on the server itself in batches of a million.
bool genera(testing::ServerDiProva& server, qint64 risposte) {
    const qint64 inizio = QDateTime::currentMSecsSinceEpoch() - kAnno;
    QStringList sql{
        QStringLiteral("INSERT INTO classi (nome) SELECT ((g - 1) / 4 + 1) || 'ª ' || "
                       "chr(65 + (g - 1) % 4) FROM generate_series(1, %1) g")
            .arg(kClassi),
        QStringLiteral("INSERT INTO alunni (classe, nome) SELECT c.id, 'Alunno ' || n FROM "
                       "classi c, generate_series(1, %1) n ORDER BY c.id, n")
            .arg(kAlunniPerClasse),
        QStringLiteral("INSERT INTO voci (esercizio, testo, elenco) SELECT 'esercizio-' || e, "
                       "'parola' || v || ' / contrario' || v, 'programma' FROM "
                       "generate_series(1, 9) e, generate_series(1, 200) v"),
    };
    constexpr qint64 kLotto = 1'000'000;
    for (qint64 da = 0; da < risposte; da += kLotto)
        sql << QStringLiteral(
                   "INSERT INTO risposte (id, quando, alunno, sessione, voce, dato, esatta, "
                   "secondi) SELECT gen_random_uuid(), %1 + g * %2 / %3, "
                   "1 + floor(random() * %4)::bigint, gen_random_uuid(), "
                   "1 + floor(random() * %5)::bigint, 'parola' || floor(random() * 200)::int, "
                   "random() < 0.75, floor(random() * 200) / 10 FROM generate_series(%6, %7) g")
                   .arg(inizio)
                   .arg(kAnno)
                   .arg(risposte)
                   .arg(kClassi * kAlunniPerClasse)
                   .arg(kVoci)
                   .arg(da)
                   .arg(std::min(da + kLotto, risposte) - 1);
    sql << "VACUUM ANALYZE";
    return esegui(server.indirizzo("vocario", "scuola"), sql);
}

// The server's log from `da` on: the plans auto_explain wrote.
QByteArray piani(const QString& log, qint64 da) {
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(da))
        return {};
    QByteArray piani;
    bool dentro = false;
    for (const QByteArray& riga : file.readAll().split('\n')) {
        if (riga.contains("LOG:  duration:"))
            dentro = true;
        else if (riga.contains("LOG:") || riga.contains("STATEMENT:"))
            dentro = false;
        if (dentro)
            piani += riga + '\n';
    }
    return piani;
}

} // namespace

bool comeProprietario(testing::ServerDiProva& server, const QStringList& sql) {
    return esegui(server.indirizzo("vocario", "scuola"), sql);
}

bool preparaScuola(testing::ServerDiProva& server) {
    if (!esegui(server.indirizzo("vocario", "postgres"), {"CREATE DATABASE scuola"}))
        return false;
    const QString nome = QStringLiteral("bench-prepara");
    std::optional<QString> errore;
    {
        QSqlDatabase db = ServerRegistro::apri(
            *ServerRegistro::leggi(server.indirizzo("vocario", "scuola")), nome, nullptr);
        errore = ServerRegistro::prepara(db);
    }
    QSqlDatabase::removeDatabase(nome);
    if (errore)
        std::fprintf(stderr, "%s\n", qPrintable(*errore));
    return !errore;
}

bool preparaClasse(testing::ServerDiProva& server, const QString& classe, int alunni) {
    return preparaScuola(server) &&
           comeProprietario(server,
                            {QStringLiteral("INSERT INTO classi (nome) VALUES ('%1')").arg(classe),
                             QStringLiteral("INSERT INTO alunni (classe, nome) SELECT id, 'Alunno "
                                            "' || n FROM classi, generate_series(1, %1) n")
                                 .arg(alunni)});
}

bool viaDueVolte(testing::ServerDiProva& server, qint64 durata, int pausa,
                 const QElapsedTimer& orologio) {
    for (const auto& [quando, modo] :
         {std::pair{durata / 3, "fast"}, std::pair{durata * 2 / 3, "immediate"}}) {
        QThread::msleep(
            static_cast<unsigned long>(std::max<qint64>(quando - orologio.elapsed(), 0)));
        std::fprintf(stderr, "%5.0f s: server stopped (%s)\n", orologio.elapsed() / 1e3, modo);
        if (!server.ferma(modo))
            return false;
        QThread::msleep(static_cast<unsigned long>(pausa) * 1000);
        if (!server.avvia({"shared_preload_libraries=auto_explain"}))
            return false;
        std::fprintf(stderr, "%5.0f s: server started\n", orologio.elapsed() / 1e3);
    }
    return true;
}

int scuola(testing::ServerDiProva& server, const QStringList& args) {
    const qint64 risposte = argomento(args, "--answers", "4000000").toLongLong();
    QElapsedTimer orologio;
    orologio.start();
    if (!preparaScuola(server) || !genera(server, risposte))
        return 1;
    std::fprintf(stderr, "school of %lld answers made in %.0f s\n", risposte, ms(orologio) / 1000);

    // The teacher's PC: its view reads the server as scuola_insegnante.
    QTemporaryDir cartella;
    Registro registro(cartella.path(), server.indirizzo("scuola_pc", "scuola"));
    const std::string soggetto = QStringLiteral("%1 answers, %2 classes on the server")
                                     .arg(risposte)
                                     .arg(kClassi)
                                     .toStdString();
    std::vector<double> aperture;
    for (int volta = 0; volta < 5; ++volta) {
        orologio.start();
        auto* vista = new VistaRegistro(registro, nullptr);
        vista->show();
        QApplication::processEvents();
        aperture.push_back(ms(orologio));
        if (volta == 0 && !argomento(args, "--shot").isEmpty())
            vista->grab().save(argomento(args, "--shot"));
        if (volta == 0 && vista->righeParole().size() < 100) {
            std::fprintf(stderr, "the view shows %lld rows: %s\n",
                         qlonglong(vista->righeParole().size()),
                         qPrintable(registro.erroreServer()));
            return 1;
        }
        delete vista;
    }
    bench::printRow("register school view", "open, " + soggetto, aperture, "ms", "<= 2000");

    // Each of the view's queries alone, on the first class and its first pupil.
    QSqlDatabase db = registro.dbVista();
    const Classe classe = registro.classi().value(0);
    const qint64 alunno = classe.alunni.value(0).id;
    const std::vector<std::pair<std::string, std::function<qsizetype()>>> interrogazioni = {
        {"classes and pupils", [&] { return registro.classi().size(); }},
        {"most missed words",
         [&] { return Interrogazioni::paroleSbagliate(db, classe.id).size(); }},
        {"pupils by exercise",
         [&] { return Interrogazioni::alunniPerEsercizio(db, classe.id).size(); }},
        {"a pupil's weeks", [&] { return Interrogazioni::progressi(db, alunno).size(); }},
        {"a pupil's missed words",
         [&] { return Interrogazioni::paroleSbagliate(db, 0, alunno).size(); }},
        {"PCs' waiting answers", [&] { return registro.atteseDeiPc().size(); }},
        {"export: every answer of the class",
         [&] { return Interrogazioni::tutteLeRisposte(db, classe.id).size(); }},
    };
    for (const auto& [nome, interroga] : interrogazioni) {
        std::vector<double> tempi;
        qsizetype righe = 0;
        for (int volta = 0; volta < 5; ++volta) {
            orologio.start();
            righe = interroga();
            tempi.push_back(ms(orologio));
        }
        bench::printRow("register school query", nome + " (" + std::to_string(righe) + " rows)",
                        tempi, "ms", "");
    }

    // The plans, as the server ran them for one opening of the view.
    const QString file = argomento(args, "--explain");
    if (!file.isEmpty()) {
        if (!comeProprietario(server,
                              {"ALTER ROLE scuola_insegnante SET auto_explain.log_min_duration = 0",
                               "ALTER ROLE scuola_insegnante SET auto_explain.log_analyze = on",
                               "ALTER ROLE scuola_insegnante SET auto_explain.log_buffers = on"}))
            return 1;
        const qint64 da = QFile(server.log()).size();
        delete new VistaRegistro(registro, nullptr);
        Interrogazioni::tutteLeRisposte(registro.dbVista(), classe.id);
        QFile uscita(file);
        if (!uscita.open(QIODevice::WriteOnly) || uscita.write(piani(server.log(), da)) < 0)
            return 1;
        std::fprintf(stderr, "plans in %s\n", qPrintable(file));
    }
    return 0;
}

} // namespace bench
