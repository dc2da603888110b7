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
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>

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
    QRect r = ProgramView::rectOf(v.control(nome));
    // An option button reacts on its round mark and its caption only.
    const QString classe = v.control(nome).value("class").toString();
    if (classe == u"DesignOptionButton" || classe == u"QRadioButton")
        r.setWidth(16);
    p.x.click(r.center());
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

} // namespace

int laboratorio(vocario::testing::ServerDiProva& server, const QStringList& args) {
    const int secondi = argomento(args, "--lab", "600").toInt();
    const int alunni = argomento(args, "--pupils", "25").toInt();
    const int ogni = argomento(args, "--every", "2000").toInt();
    const int pausa = argomento(args, "--away", "60").toInt();
    const QString programma = argomento(args, "--program", QStringLiteral(VOCARIO_PROBED_PROGRAM));
    if (!preparaScuola(server) ||
        !comeProprietario(server, {"INSERT INTO classi (nome) VALUES ('Laboratorio')",
                                   QStringLiteral("INSERT INTO alunni (classe, nome) SELECT id, "
                                                  "'Alunno ' || n FROM classi, "
                                                  "generate_series(1, %1) n")
                                       .arg(alunni)}))
        return 1;
    QTemporaryDir cartella;
    const QString pc = server.indirizzo("vocario_pc", "scuola");
    std::vector<std::unique_ptr<Postazione>> lab;
    for (int n = 1; n <= alunni; ++n) {
        auto p = std::make_unique<Postazione>();
        p->numero = n;
        p->esercizio = kEsercizi[(n - 1) % std::size(kEsercizi)];
        p->alunno = QStringLiteral("Alunno %1").arg(n);
        QString errore;
        if (!p->x.startAnywhere(&errore)) {
            std::fprintf(stderr, "%s\n", qPrintable(errore));
            return 1;
        }
        // Each PC its own settings and register file, as on 25 machines.
        QProcessEnvironment env = p->x.environment();
        const QString casa = cartella.filePath(QString::number(n));
        QDir().mkpath(casa);
        env.insert("XDG_DATA_HOME", casa + "/dati");
        env.insert("XDG_CONFIG_HOME", casa + "/config");
        if (!p->programma.start(programma, env, &errore, {"--registro", pc})) {
            std::fprintf(stderr, "%s\n", qPrintable(errore));
            return 1;
        }
        p->prossima = n * ogni / alunni;
        lab.push_back(std::move(p));
    }
    std::fprintf(stderr, "%d programs started on X servers of their own\n", alunni);

    QElapsedTimer orologio;
    orologio.start();
    const qint64 durata = qint64(secondi) * 1000;
    // Away twice: a clean stop, then one as abrupt as a pulled plug.
    struct Fermata {
        qint64 da;
        const char* modo;
        bool ferma = false, ripresa = false;
    } fermate[] = {{durata / 3, "fast"}, {durata * 2 / 3, "immediate"}};
    std::vector<double> ritardi;
    while (orologio.elapsed() < durata) {
        for (Fermata& f : fermate) {
            if (!f.ferma && orologio.elapsed() >= f.da) {
                std::fprintf(stderr, "%5.0f s: server stopped (%s)\n", orologio.elapsed() / 1e3,
                             f.modo);
                f.ferma = server.ferma(f.modo);
            }
            if (f.ferma && !f.ripresa && orologio.elapsed() >= f.da + pausa * 1000) {
                f.ripresa = server.avvia({"shared_preload_libraries=auto_explain"});
                std::fprintf(stderr, "%5.0f s: server started\n", orologio.elapsed() / 1e3);
            }
        }
        Postazione* prima = nullptr;
        for (auto& p : lab)
            if (!p->morta && (!prima || p->prossima < prima->prossima))
                prima = p.get();
        if (!prima)
            break;
        if (const qint64 attesa = prima->prossima - orologio.elapsed(); attesa > 0)
            QThread::msleep(static_cast<unsigned long>(std::min<qint64>(attesa, 200)));
        if (prima->prossima > orologio.elapsed())
            continue;
        ritardi.push_back(double(orologio.elapsed() - prima->prossima));
        prima->prossima = orologio.elapsed() + passo(*prima, orologio.elapsed(), ogni, stderr);
        QCoreApplication::processEvents();
    }
    std::fprintf(stderr, "%5.0f s: the pupils stop\n", orologio.elapsed() / 1e3);

    // What each program counted and recorded, then the server, until every
    // answer has arrived or three minutes have passed.
    int contate = 0, registrate = 0, morte = 0;
    std::vector<double> mediane, massimi, processore;
    double oltre = 0, oltreInAttesa = 0, oltreSpodestate = 0;
    for (auto& p : lab) {
        const ProgramView v = p->programma.look();
        if (!v.isValid()) {
            std::fprintf(stderr, "pupil %d: the program no longer answers\n%s\n", p->numero,
                         p->programma.log().right(2000).constData());
            ++morte;
            continue;
        }
        morte += p->morta;
        const int conto = v.esatti() + v.errati();
        const QJsonObject r = registro(v);
        contate += conto;
        registrate += r.value("answers").toInt();
        if (conto != r.value("answers").toInt() || std::abs(conto - p->date) > 1)
            std::fprintf(stderr, "pupil %d (Form%d): %d taps, %d counted, %d recorded\n", p->numero,
                         p->esercizio, p->date, conto, r.value("answers").toInt());
        mediane.push_back(r.value("medianUs").toDouble());
        massimi.push_back(r.value("maxUs").toDouble());
        processore.push_back(r.value("maxCpuUs").toDouble());
        oltre += r.value("over1ms").toDouble();
        oltreInAttesa += r.value("over1msWaiting").toDouble();
        oltreSpodestate += r.value("over1msPreempted").toDouble();
    }
    const QString proprietario = server.indirizzo("vocario", "scuola");
    const QString perAlunno = "SELECT a.nome || '=' || count(*) FROM risposte r JOIN alunni a ON "
                              "a.id = r.alunno GROUP BY a.nome ORDER BY a.nome";
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
                 orologio.elapsed() / 1e3, sulServer, registrate, arrivo.elapsed() / 1e3);
    const QStringList righe = colonna(proprietario, perAlunno);
    const qint64 distinte =
        colonna(proprietario,
                "SELECT count(DISTINCT (alunno, sessione, dato, quando)) FROM risposte")
            .value(0)
            .toLongLong();
    int diverse = 0;
    for (auto& p : lab) {
        const ProgramView v = p->programma.look();
        const QString atteso =
            QStringLiteral("%1=%2").arg(p->alunno).arg(registro(v).value("answers").toInt());
        if (registro(v).value("answers").toInt() > 0 && !righe.contains(atteso)) {
            std::fprintf(stderr, "pupil %d: %s expected, not on the server\n", p->numero,
                         qPrintable(atteso));
            ++diverse;
        }
    }
    for (auto& p : lab) {
        p->programma.kill();
        p->x.stop();
    }

    const std::string soggetto =
        QStringLiteral(
            "%1 programs under Xvfb, an answer every %2 ms each, %3 s, server away 2x%4 s")
            .arg(alunni)
            .arg(ogni)
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
    printRow("register lab", "how late the driver acted", ritardi, "ms", "");
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
    return contate == registrate && sulServer == registrate && distinte == sulServer &&
                   diverse == 0 && morte == 0
               ? 0
               : 1;
}

} // namespace bench
