#include "registerschool.h"

#include "benchstats.h"
#include "core/registrazione.h"
#include "register/mittenteregistro.h"
#include "register/registro.h"
#include "register/serverregistro.h"
#include "serverdiprova.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <ctime>
#include <memory>

using namespace vocario;
using namespace std::chrono_literals;

namespace bench {
namespace {

// The calling thread's own processor time, in microseconds: what the call
// costs the window, without the time other processes took the processor.
double tempoDelThread() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

void dormi(qint64 ms) {
    QThread::msleep(static_cast<unsigned long>(std::max<qint64>(ms, 0)));
}

} // namespace

QStringList colonna(const QString& indirizzo, const QString& sql) {
    QStringList valori;
    {
        QSqlDatabase db =
            ServerRegistro::apri(*ServerRegistro::leggi(indirizzo), "bench-soak", nullptr);
        QSqlQuery query(db);
        query.exec(sql);
        while (query.next())
            valori << query.value(0).toString();
    }
    QSqlDatabase::removeDatabase("bench-soak");
    return valori;
}

// One pupil: a PC's register on the server, an answer every `--every` ms
// through the window's own Registrazione, each answer's given word unique
// ("p3-17") and logged; at the end, waits for the sender to deliver all.
// The log: the costs in microseconds (wall time), the same calls' processor
// time on the calling thread, then "dati" and every word given.
int alunno(const QStringList& args) {
    const int numero = argomento(args, "--pupil").toInt();
    const qint64 durata = argomento(args, "--seconds").toLongLong() * 1000;
    const qint64 ogni = argomento(args, "--every", "2000").toLongLong();
    Registro registro(argomento(args, "--dir"), argomento(args, "--url"));
    if (registro.errore() || !registro.mittente())
        return 2;
    registro.mittente()->impostaAttese(500ms, 10s);
    std::optional<Alunno> chi;
    for (int volta = 0; volta < 30 && !chi; ++volta) {
        registro.mittente()->svuota(2s);
        chi = Registro::trovaIn(registro.classiPerChiGioca(),
                                QStringLiteral("Soak/Alunno %1").arg(numero));
    }
    if (!chi)
        return 3;
    std::unique_ptr<Registrazione> registrazione = registro.registrazionePer(*chi);
    registrazione->esercizioAperto("abbina-contrari");
    QStringList dati;
    std::vector<double> costi, processore;
    QElapsedTimer orologio, costo;
    orologio.start();
    for (int k = 0; orologio.elapsed() < durata; ++k) {
        const RispostaData r{.esercizio = "abbina-contrari",
                             .voce = QStringLiteral("alto%1 / basso%1").arg(k % 40),
                             .dato = QStringLiteral("p%1-%2").arg(numero).arg(k),
                             .esatta = k % 4 != 0,
                             .secondi = 2};
        const double prima = tempoDelThread();
        costo.start();
        registrazione->risposta(r);
        costi.push_back(double(costo.nsecsElapsed()) / 1000);
        processore.push_back(tempoDelThread() - prima);
        dati << r.dato;
        dormi((k + 1) * ogni - orologio.elapsed());
    }
    registrazione.reset();
    const bool scritte = registro.scrittore().svuota(60s);
    const bool inviate = registro.mittente()->svuota(180s);
    QFile log(argomento(args, "--log"));
    if (!log.open(QIODevice::WriteOnly))
        return 4;
    for (double c : costi)
        log.write(QByteArray::number(c) + ' ');
    log.write("\n");
    for (double c : processore)
        log.write(QByteArray::number(c) + ' ');
    log.write("\ndati\n" + dati.join(u'\n').toUtf8() + '\n');
    return scritte && inviate ? 0 : 5;
}

int soak(testing::ServerDiProva& server, const QStringList& args) {
    const int secondi = argomento(args, "--soak", "180").toInt();
    const int alunni = argomento(args, "--pupils", "25").toInt();
    const QString ogni = argomento(args, "--every", "2000");
    const int pausa = argomento(args, "--away", "20").toInt();
    if (!preparaClasse(server, "Soak", alunni))
        return 1;
    QTemporaryDir cartella;
    const QString pc = server.indirizzo("scuola_pc", "scuola");
    std::vector<std::unique_ptr<QProcess>> processi;
    for (int n = 1; n <= alunni; ++n) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(),
                 {"--pupil", QString::number(n), "--seconds", QString::number(secondi), "--every",
                  ogni, "--url", pc, "--dir", cartella.filePath(QString::number(n)), "--log",
                  cartella.filePath(QStringLiteral("%1.log").arg(n))});
        processi.push_back(std::move(p));
    }
    // Away twice: a clean stop, then one as abrupt as a pulled plug.
    QElapsedTimer orologio;
    orologio.start();
    if (!viaDueVolte(server, qint64(secondi) * 1000, pausa, orologio))
        return 1;
    std::vector<double> costi, processore;
    int oltre = 0, primeOltre = 0;
    QStringList date;
    int falliti = 0;
    for (int n = 1; n <= alunni; ++n) {
        QProcess& p = *processi[size_t(n - 1)];
        if (!p.waitForFinished(-1) || p.exitCode() != 0) {
            std::fprintf(stderr, "pupil %d ended with %d\n", n, p.exitCode());
            ++falliti;
        }
        QFile log(cartella.filePath(QStringLiteral("%1.log").arg(n)));
        if (!log.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> suoi = log.readLine().trimmed().split(' ');
        for (qsizetype k = 0; k < suoi.size(); ++k) {
            if (suoi[k].isEmpty())
                continue;
            costi.push_back(suoi[k].toDouble());
            if (costi.back() > 1000) {
                ++oltre;
                primeOltre += k == 0;
            }
        }
        for (const QByteArray& c : log.readLine().trimmed().split(' '))
            if (!c.isEmpty())
                processore.push_back(c.toDouble());
        log.readLine();
        while (!log.atEnd())
            date << QString::fromUtf8(log.readLine().trimmed());
    }
    std::fprintf(stderr, "%5.0f s: every pupil done\n", orologio.elapsed() / 1e3);
    const QStringList arrivate =
        colonna(server.indirizzo("vocario", "scuola"), "SELECT dato FROM risposte_con_voci");
    const QSet<QString> insieme(arrivate.begin(), arrivate.end());
    const QSet<QString> daDate(date.begin(), date.end());
    const qsizetype doppie = arrivate.size() - insieme.size();
    const qsizetype perse = (daDate - insieme).size();
    const qsizetype estranee = (insieme - daDate).size();
    const std::string soggetto = QStringLiteral("%1 pupils, every %2 ms, %3 s, server away 2x%4 s")
                                     .arg(alunni)
                                     .arg(ogni)
                                     .arg(secondi)
                                     .arg(pausa)
                                     .toStdString();
    bench::printRow("register soak", "answer's cost to the window, " + soggetto, costi, "us",
                    "<= 1000");
    std::sort(costi.begin(), costi.end());
    bench::printRow("register soak", "answer's cost to the window, 99th percentile",
                    {bench::quantile(costi, 0.99)}, "us", "<= 1000");
    bench::printRow("register soak", "answer's processor time on the window's thread", processore,
                    "us", "<= 1000");
    bench::printRow("register soak", "answers over 1 ms, and how many were a process's first",
                    {double(oltre), double(primeOltre)}, "answers", "");
    bench::printRow("register soak", "answers given", {double(date.size())}, "answers", "");
    bench::printRow("register soak", "answers on the server", {double(arrivate.size())}, "answers",
                    "= given");
    bench::printRow("register soak", "lost, doubled, unknown",
                    {double(perse), double(doppie), double(estranee)}, "answers", "0");
    return falliti == 0 && perse == 0 && doppie == 0 && estranee == 0 ? 0 : 1;
}

} // namespace bench
