// A school's lab: the program itself at 25 PCs, each on an X server of its
// own, played by taps through the X server (the probe only tells where the
// controls are and which answers are right), against the private server,
// which is stopped twice and started again while they play.

#include "benchstats.h"
#include "exercisecatalogue.h"
#include "pointerpupil.h"
#include "probeclient.h"
#include "registerschool.h"
#include "serverdiprova.h"
#include "xsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

using vocario::endurance::ProbeClient;
using vocario::endurance::ProgramView;
using vocario::endurance::XSession;

namespace bench {
namespace {

// Every exercise but intensity ordering, which counts whole items, not
// each word placed; drags are played as taps: the word, then its place.
constexpr int kEsercizi[] = {1, 6, 3, 9, 2, 4, 5, 8};

struct Postazione {
    int numero = 0;
    int esercizio = 1;
    XSession x;
    ProbeClient programma;
    QString alunno;
    /// When it acts next (ms since the start), and the place of a word picked.
    qint64 prossima = 0;
    QString bersaglio;
    /// Answers the pupil gave (taps that completed a move), and since when
    /// "Chi gioca?" waited for its class.
    int date = 0;
    qint64 attesaClassi = -1;
    bool morta = false;
};

void tocca(Postazione& p, const ProgramView& v, const QString& nome) {
    p.x.click(vocario::endurance::clickPoint(v.control(nome)));
}

QString controlloConTesto(const ProgramView& v, const QString& testo) {
    for (const QJsonValue& c : v.window().value("controls").toArray())
        if (c.toObject().value("text").toString() == testo)
            return c.toObject().value("name").toString();
    return {};
}

// One step of one pupil; returns the pause before the next.
qint64 passo(Postazione& p, qint64 adesso, int ogni, std::FILE* diario) {
    const ProgramView v = p.programma.look();
    if (!v.isValid()) {
        p.morta = true;
        return ogni;
    }
    if (!v.messageBox().isEmpty()) {
        std::fprintf(diario, "%6.1f s pupil %d: a box \"%s\"\n", adesso / 1e3, p.numero,
                     qPrintable(v.messageBox().value("text").toString()));
        const QString bottone = v.boxButton("OK").isEmpty() ? "No" : "OK";
        p.x.click(ProgramView::centreOf(v.boxButton(bottone)));
        return 300;
    }
    const QString finestra = v.windowName();
    if (finestra == u"FormAvvio") {
        tocca(p, v, "BottoneAvvio");
        return 500;
    }
    if (finestra == u"ChiGioca") {
        const QString bottone = controlloConTesto(v, p.alunno);
        if (bottone.isEmpty()) {
            if (p.attesaClassi < 0)
                p.attesaClassi = adesso;
            return 300;
        }
        // The names may still be moving into place as the classes arrive:
        // tap only a button that stays where it was.
        const QRect dove = ProgramView::rectOf(v.control(bottone));
        QThread::msleep(300);
        if (ProgramView::rectOf(p.programma.look().control(bottone)) != dove)
            return 300;
        if (p.attesaClassi >= 0)
            std::fprintf(diario, "%6.1f s pupil %d: \"Chi gioca?\" waited %.1f s for the class\n",
                         adesso / 1e3, p.numero, (adesso - p.attesaClassi) / 1e3);
        tocca(p, v, bottone);
        return 500;
    }
    if (finestra == u"FormMenu") {
        if (!v.raw().value("register").toObject().value("recording").toBool()) {
            std::fprintf(diario, "%6.1f s pupil %d: at the menu without a register\n", adesso / 1e3,
                         p.numero);
            p.morta = true;
            return ogni;
        }
        if (!v.control("Option1(0)").value("checked").toBool())
            tocca(p, v, "Option1(0)");
        else
            tocca(p, v, vocario::testing::exerciseMenuButton(p.esercizio));
        return 500;
    }
    if (!p.bersaglio.isEmpty()) {
        // The word picked by the last tap goes to its place now.
        if (v.picked().isEmpty()) {
            p.bersaglio.clear();
            return 200;
        }
        tocca(p, v, std::exchange(p.bersaglio, {}));
        ++p.date;
        return ogni - 150;
    }
    const bool giusta = QRandomGenerator::global()->bounded(4) != 0;
    const QList<vocario::endurance::PointerMove> mosse =
        vocario::endurance::movesOf(v.window().value(giusta ? "right" : "wrong"));
    if (mosse.isEmpty())
        return 200; // between two items
    const auto& mossa = mosse[QRandomGenerator::global()->bounded(int(mosse.size()))];
    tocca(p, v, mossa.source);
    if (!mossa.target.isEmpty()) {
        p.bersaglio = mossa.target;
        return 150;
    }
    ++p.date;
    return ogni;
}

QJsonObject registro(const ProgramView& v) {
    return v.raw().value("register").toObject();
}

// What the pupils' threads and the benchmark share.
struct Laboratorio {
    QString programma, server, cartella;
    int ogni = 2000;
    QElapsedTimer orologio;
    qint64 durata = 0;
    std::atomic<int> pronti{0};
    std::atomic<bool> chiudi{false};
    std::mutex mutex;
    std::vector<double> ritardi;
};

// What a PC's program told at the end, before it was closed.
struct Finale {
    bool partito = false, risponde = false;
    bool morta = false;
    int date = 0, contate = 0;
    QJsonObject registro;
    QString finestra;
    QByteArray log;
};

// One PC: its X server, its program, its pupil at the pointer, on a thread
// of its own so that 25 pupils keep their pace; after the play it reports
// and waits, program open, until the benchmark has read the server.
void postazione(Laboratorio& lab, int numero, Finale& finale) {
    Postazione p;
    p.numero = numero;
    p.esercizio = kEsercizi[(numero - 1) % std::size(kEsercizi)];
    p.alunno = QStringLiteral("Alunno %1").arg(numero);
    QString errore;
    // Each PC its own settings and register file, as on 25 machines.
    const QString casa = lab.cartella + u'/' + QString::number(numero);
    QDir().mkpath(casa);
    if (p.x.startAnywhere(&errore)) {
        QProcessEnvironment env = p.x.environment();
        env.insert("XDG_DATA_HOME", casa + "/dati");
        env.insert("XDG_CONFIG_HOME", casa + "/config");
        finale.partito = p.programma.start(lab.programma, env, &errore, {"--registro", lab.server});
    }
    if (!finale.partito)
        std::fprintf(stderr, "pupil %d: %s\n", numero, qPrintable(errore));
    ++lab.pronti;
    p.prossima = qint64(numero) * lab.ogni / 25;
    while (finale.partito && !p.morta && lab.orologio.elapsed() < lab.durata) {
        const qint64 attesa = p.prossima - lab.orologio.elapsed();
        if (attesa > 0) {
            QThread::msleep(static_cast<unsigned long>(std::min<qint64>(attesa, 200)));
            continue;
        }
        {
            std::lock_guard lock(lab.mutex);
            lab.ritardi.push_back(double(-attesa));
        }
        p.prossima = lab.orologio.elapsed() + passo(p, lab.orologio.elapsed(), lab.ogni, stderr);
    }
    const ProgramView v = p.programma.look();
    finale.risponde = v.isValid();
    finale.morta = p.morta;
    finale.date = p.date;
    finale.contate = v.esatti() + v.errati();
    finale.registro = registro(v);
    finale.finestra = v.windowName();
    if (finale.finestra == u"ChiGioca") {
        QStringList nomi;
        for (const QJsonValue& c : v.window().value("controls").toArray())
            nomi << c.toObject().value("name").toString() + u'=' +
                        c.toObject().value("text").toString() +
                        (c.toObject().value("visible").toBool() ? u'@' : u'!') +
                        QString::fromLatin1(QJsonDocument(c.toObject().value("rect").toArray())
                                                .toJson(QJsonDocument::Compact));
        finale.finestra += u' ' + nomi.join(u' ');
        const QString foto = QDir::temp().filePath(QStringLiteral("lab-stuck-%1.png").arg(numero));
        p.x.screenshot(foto);
        finale.finestra += QStringLiteral(" (screenshot: %1)").arg(foto);
    }
    finale.log = p.programma.log();
    while (!lab.chiudi)
        QThread::msleep(200);
    p.programma.kill();
    p.x.stop();
}

} // namespace

int laboratorio(vocario::testing::ServerDiProva& server, const QStringList& args) {
    const int secondi = argomento(args, "--lab", "600").toInt();
    const int alunni = argomento(args, "--pupils", "25").toInt();
    const int pausa = argomento(args, "--away", "60").toInt();
    if (!preparaClasse(server, "Laboratorio", alunni))
        return 1;
    QTemporaryDir cartella;
    Laboratorio lab;
    lab.programma = argomento(args, "--program", QStringLiteral(VOCARIO_PROBED_PROGRAM));
    lab.server = server.indirizzo("scuola_pc", "scuola");
    lab.cartella = cartella.path();
    lab.ogni = argomento(args, "--every", "2000").toInt();
    lab.durata = qint64(secondi) * 1000;
    lab.orologio.start();
    std::vector<Finale> finali(size_t(alunni), Finale{});
    std::vector<std::thread> fili;
    for (int n = 1; n <= alunni; ++n)
        fili.emplace_back(postazione, std::ref(lab), n, std::ref(finali[size_t(n - 1)]));
    while (lab.pronti < alunni)
        QThread::msleep(100);
    std::fprintf(stderr, "%5.0f s: %d programs started on X servers of their own\n",
                 lab.orologio.elapsed() / 1e3, alunni);

    // Away twice: a clean stop, then one as abrupt as a pulled plug.
    const bool servito = viaDueVolte(server, lab.durata, pausa, lab.orologio);
    if (!servito)
        std::fprintf(stderr, "the server would not stop or start again\n");
    QThread::msleep(
        static_cast<unsigned long>(std::max<qint64>(lab.durata - lab.orologio.elapsed(), 0)));
    // Each thread reports a moment after the pupils stop.
    QThread::msleep(3000);
    std::fprintf(stderr, "%5.0f s: the pupils stop\n", lab.orologio.elapsed() / 1e3);

    // What each program counted and recorded, then the server, until every
    // answer has arrived or three minutes have passed.
    int contate = 0, registrate = 0, morte = 0;
    std::vector<double> mediane, massimi, processore;
    double oltre = 0, oltreInAttesa = 0, oltreSpodestate = 0;
    for (int n = 1; n <= alunni; ++n) {
        const Finale& f = finali[size_t(n - 1)];
        if (!f.risponde || f.morta || f.date == 0) {
            std::fprintf(stderr, "pupil %d: the program stopped playing, at %s\n%s\n", n,
                         qPrintable(f.finestra), f.log.right(2000).constData());
            ++morte;
            continue;
        }
        const int registrateQui = f.registro.value("answers").toInt();
        contate += f.contate;
        registrate += registrateQui;
        if (f.contate != registrateQui || std::abs(f.contate - f.date) > 1)
            std::fprintf(stderr, "pupil %d: %d taps, %d counted, %d recorded\n", n, f.date,
                         f.contate, registrateQui);
        mediane.push_back(f.registro.value("medianUs").toDouble());
        massimi.push_back(f.registro.value("maxUs").toDouble());
        processore.push_back(f.registro.value("maxCpuUs").toDouble());
        oltre += f.registro.value("over1ms").toDouble();
        oltreInAttesa += f.registro.value("over1msWaiting").toDouble();
        oltreSpodestate += f.registro.value("over1msPreempted").toDouble();
    }
    const QString proprietario = server.indirizzo("vocario", "scuola");
    QElapsedTimer arrivo;
    arrivo.start();
    qint64 sulServer = 0;
    while (arrivo.elapsed() < 180000) {
        sulServer = colonna(proprietario, "SELECT count(*) FROM risposte").value(0).toLongLong();
        if (sulServer >= registrate)
            break;
        QThread::msleep(1000);
    }
    std::fprintf(stderr, "%5.0f s: on the server %lld of %d, %.0f s after the pupils stopped\n",
                 lab.orologio.elapsed() / 1e3, sulServer, registrate, arrivo.elapsed() / 1e3);
    const QStringList righe =
        colonna(proprietario, "SELECT a.nome || '=' || count(*) FROM risposte r JOIN alunni a ON "
                              "a.id = r.alunno GROUP BY a.nome");
    const qint64 distinte =
        colonna(proprietario,
                "SELECT count(DISTINCT (alunno, sessione, dato, quando)) FROM risposte")
            .value(0)
            .toLongLong();
    int diverse = 0;
    if (qEnvironmentVariableIsSet("VOCARIO_LAB_DETAILS"))
        std::fprintf(stderr, "server: %s\n", qPrintable(righe.join(u' ')));
    for (int n = 1; n <= alunni; ++n) {
        if (qEnvironmentVariableIsSet("VOCARIO_LAB_DETAILS"))
            std::fprintf(stderr, "pupil %d: %s\n", n,
                         QJsonDocument(finali[size_t(n - 1)].registro)
                             .toJson(QJsonDocument::Compact)
                             .constData());
        const int qui = finali[size_t(n - 1)].registro.value("answers").toInt();
        const QString atteso = QStringLiteral("Alunno %1=%2").arg(n).arg(qui);
        if (qui > 0 && !righe.contains(atteso)) {
            std::fprintf(stderr, "pupil %d: %s expected, not on the server\n", n,
                         qPrintable(atteso));
            ++diverse;
        }
    }
    lab.chiudi = true;
    for (std::thread& filo : fili)
        filo.join();

    const std::string soggetto =
        QStringLiteral(
            "%1 programs under Xvfb, an answer every %2 ms each, %3 s, server away 2x%4 s")
            .arg(alunni)
            .arg(lab.ogni)
            .arg(secondi)
            .arg(pausa)
            .toStdString();
    printRow("register lab", "recording's cost to the window, median per program, " + soggetto,
             mediane, "us", "<= 1000");
    printRow("register lab", "recording's cost to the window, longest per program", massimi, "us",
             "<= 1000");
    printRow("register lab",
             "recording's processor time on the window's thread, longest per program", processore,
             "us", "<= 1000");
    printRow("register lab", "recordings over 1 ms by the clock, all programs", {oltre}, "calls",
             "");
    printRow("register lab", "... of them while the window's thread waited (a lock, a sleep)",
             {oltreInAttesa}, "calls", "0");
    printRow("register lab", "... of them while the system gave its core to another",
             {oltreSpodestate}, "calls", "");
    printRow("register lab", "how late a pupil acted", lab.ritardi, "ms", "");
    printRow("register lab", "answers counted by the windows", {double(contate)}, "answers", "");
    printRow("register lab", "answers recorded by the windows", {double(registrate)}, "answers",
             "= counted");
    printRow("register lab", "answers on the server", {double(sulServer)}, "answers", "= recorded");
    printRow("register lab", "answers on the server that differ only by id",
             {double(sulServer - distinte)}, "answers", "0");
    printRow("register lab", "pupils whose answers on the server differ from their window's",
             {double(diverse)}, "pupils", "0");
    printRow("register lab", "programs that stopped answering or playing", {double(morte)},
             "programs", "0");
    return servito && contate == registrate && sulServer == registrate && distinte == sulServer &&
                   diverse == 0 && morte == 0
               ? 0
               : 1;
}

} // namespace bench
