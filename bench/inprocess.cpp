// In-process timings of the nine exercises, with lists of the benchmark's
// size (see BenchLists): from the menu button's press to the exercise
// window's first paint, and from a drop or click to the repaint that shows
// the answer. Runs the real program from its start screen, as a pupil would;
// prints one CSV row per measure (see benchstats.h).

#include "benchlists.h"
#include "benchstats.h"
#include "exercisedriver.h"
#include "paintclock.h"

#include "app/formmenu.h"
#include "app/navigazione.h"
#include "core/appstate.h"
#include "exercises/catalogo.h"
#include "frame/exercisewindow.h"
#include "geometry/design.h"

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using bench::PaintClock;
using vocario::ExerciseWindow;
using vocario::FormMenu;

struct Samples {
    std::vector<double> openFirst, open, right, wrong, next;
};

int failures = 0;

double measured(double ms, const char* what, int numero) {
    if (ms < 0) {
        ++failures;
        std::fprintf(stderr, "Form%d: no paint after %s\n", numero, what);
    }
    return ms;
}

void keep(std::vector<double>& samples, double ms) {
    if (ms >= 0)
        samples.push_back(ms);
}

QWidget* visibleWindowNamed(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->objectName() == name)
            return widget;
    return nullptr;
}

FormMenu* showMenu(PaintClock& app, QWidget* previous, bool waitsForButton) {
    app.armForExpose(QStringLiteral("FormMenu"));
    FormMenu* menu = vocario::Navigazione::mostraMenu(previous);
    app.waitSince(PaintClock::Clock::now());
    menu->member<QRadioButton>(QStringLiteral("Option1"), waitsForButton ? 1 : 0)->click();
    PaintClock::settle();
    return menu;
}

ExerciseWindow* open(PaintClock& app, FormMenu* menu, int numero, double& ms) {
    const vocario::ExerciseEntry& row = vocario::catalogoEsercizi().at(size_t(numero - 1));
    const QString name = QLatin1String(row.design().name);
    auto* button = menu->control<QPushButton>(QLatin1String(row.menuButton));
    bench::press(button);
    PaintClock::settle();
    app.armForExpose(name);
    const auto start = PaintClock::Clock::now();
    bench::release(button);
    const std::chrono::duration<double, std::milli> built = PaintClock::Clock::now() - start;
    ms = measured(app.waitSince(start), "opening", numero);
    if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
        std::fprintf(stderr,
                     "Form%d opening: %.3f ms (built and loaded in %.3f), %d widgets painted\n",
                     numero, ms, built.count(), app.paintsSeen());
    PaintClock::settle();
    return qobject_cast<ExerciseWindow*>(visibleWindowNamed(name));
}

/// The time from `answer.give` to the end of the repaint that follows it.
double timedRepaint(PaintClock& app, ExerciseWindow* window, const bench::Answer& answer,
                    int numero, const char* what) {
    answer.approach();
    PaintClock::settle();
    const auto start = PaintClock::Clock::now();
    answer.give();
    // What the handler painted at once is inside the time; the clock stops
    // at the end of the next repaint, which shows all the rest.
    app.armForRepaint(window);
    const double ms = measured(app.waitSince(start), what, numero);
    if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
        std::fprintf(stderr, "Form%d %s: %.3f ms, %d widgets painted\n", numero, what, ms,
                     app.paintsSeen());
    PaintClock::settle();
    return ms;
}

/// Finishes `items` items: every answer timed, then "avanti" when it waits.
void answerItems(PaintClock& app, ExerciseWindow* window, int numero, int items, Samples& s) {
    const bool waitsForButton = window->avantiVisibile();
    const bench::Answer avanti = bench::clickOn(true, [window] { return window->bottoneAvanti(); });
    for (int item = 0; item < items; ++item) {
        const QList<bench::Answer> answers = bench::answersForItem(numero, window);
        for (int i = 0; i < answers.size(); ++i) {
            const bool dealsNext = !waitsForButton && i == answers.size() - 1;
            const double ms = timedRepaint(app, window, answers[i], numero,
                                           answers[i].right ? "a right answer" : "a wrong answer");
            keep(dealsNext ? s.next : answers[i].right ? s.right : s.wrong, ms);
        }
        if (waitsForButton)
            keep(s.next, timedRepaint(app, window, avanti, numero, "avanti"));
    }
}

long peakRssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

int option(const QStringList& args, const QString& name, int fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

} // namespace

int main(int argc, char* argv[]) {
    PaintClock app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList args = QCoreApplication::arguments();
    const int runs = option(args, QStringLiteral("--runs"), 30);
    const int items = option(args, QStringLiteral("--items"), 2);
    // One exercise only (1..9), for a profiler; 0 for all nine.
    const int only = option(args, QStringLiteral("--exercise"), 0);
    const auto chosen = [only](int numero) { return only == 0 || only == numero; };

    // This program lives beside vocario, with suoni/ and the sound module.
    const bench::BenchLists lists(QCoreApplication::applicationDirPath());
    if (!lists.ok()) {
        std::fprintf(stderr, "inprocess: cannot write the word lists\n");
        return 1;
    }
    vocario::AppState state(QCoreApplication::applicationDirPath());
    vocario::Navigazione::impostaProgramma(state, vocario::catalogoEsercizi());

    // From the start screen to the menu, as the program starts.
    app.armForExpose(QStringLiteral("FormAvvio"));
    vocario::Navigazione::Main();
    if (app.waitSince(PaintClock::Clock::now()) < 0) {
        std::fprintf(stderr, "inprocess: the start screen was never painted\n");
        return 1;
    }
    // Nobody reaches the start button in less than half a second; the
    // program uses that time (see FormAvvio), and so it may here.
    const auto pupil = PaintClock::Clock::now() + std::chrono::milliseconds(600);
    while (PaintClock::Clock::now() < pupil)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    PaintClock::settle();
    QWidget* current = visibleWindowNamed(QStringLiteral("FormAvvio"));

    const int exercises = int(vocario::catalogoEsercizi().size());
    std::vector<Samples> samples(size_t(exercises) + 1);
    // First every exercise once, in menu order: the pupil's first openings.
    for (int numero = 1; numero <= exercises; ++numero) {
        if (!chosen(numero))
            continue;
        state.cartellaProgramma = lists.folderFor(numero);
        FormMenu* menu = showMenu(app, current, true);
        double ms = -1;
        ExerciseWindow* window = open(app, menu, numero, ms);
        if (!window) {
            std::fprintf(stderr, "inprocess: Form%d did not open\n", numero);
            return 1;
        }
        keep(samples[size_t(numero)].openFirst, ms);
        answerItems(app, window, numero, 1, samples[size_t(numero)]);
        current = window;
    }
    const long rssAfterAll = peakRssKb();

    // Then many openings of each, half of them moving on by themselves.
    for (int numero = 1; numero <= exercises; ++numero) {
        if (!chosen(numero))
            continue;
        state.cartellaProgramma = lists.folderFor(numero);
        for (int run = 0; run < runs; ++run) {
            FormMenu* menu = showMenu(app, current, run % 2 == 0);
            double ms = -1;
            ExerciseWindow* window = open(app, menu, numero, ms);
            if (!window)
                return 1;
            keep(samples[size_t(numero)].open, ms);
            answerItems(app, window, numero, items, samples[size_t(numero)]);
            current = window;
        }
    }

    for (int numero = 1; numero <= exercises; ++numero) {
        const Samples& s = samples[size_t(numero)];
        const std::string form =
            std::string(vocario::catalogoEsercizi()[size_t(numero - 1)].design().name) + " (" +
            std::to_string(bench::BenchLists::recordsFor(numero)) + " records)";
        bench::printRow("open first", form, s.openFirst, "ms", "<= 10");
        bench::printRow("open", form, s.open, "ms", "<= 10");
        bench::printRow("answer right", form, s.right, "ms", "<= 2");
        bench::printRow("answer wrong", form, s.wrong, "ms", "<= 2");
        bench::printRow("next item", form, s.next, "ms", "<= 2");
    }
    bench::printRow("peak RSS with all nine exercises opened", "vocario in-process",
                    {double(rssAfterAll)}, "kB", "");
    if (current)
        current->close();
    return failures == 0 ? 0 : 1;
}
