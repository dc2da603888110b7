// xstartwatch: cold start of two programs, watched from outside through the
// X server. For every run it starts the program, waits until a top-level
// window with the wanted title is mapped and until the damage reported on it
// covers the whole window (its first complete paint), and takes the time from
// just before fork() to that moment, and the process's peak RSS (VmHWM) then.
// The two programs run in alternation, A B A B, so that a change of load on
// the machine touches both alike; each pair gives a ratio A/B.
//
// Output: one CSV row per measure on stdout (see benchstats.h), every run on
// the file given with --runs, progress on stderr.

#include "benchstats.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Options {
    std::string programA;
    std::string programB;
    std::string nameA = "A";
    std::string nameB = "B";
    std::string title = "Vocario";
    std::string runsFile;
    int pairs = 20;
    int warmups = 1;
    int timeoutMs = 10000;
    int settleMs = 0;
    bool verbose = false;
};

struct RunResult {
    bool ok = false;
    double mapMs = 0;   ///< process start to the window's map
    double paintMs = 0; ///< process start to the first complete paint
    double cpuMs = 0;   ///< CPU time of the program's threads until then
    long hwmKb = 0;     ///< peak RSS at the first complete paint
    long settledKb = 0; ///< peak RSS after the settle time
};

/// A top-level window created by the program under watch.
struct Watched {
    Damage damage = 0;
    Region painted = nullptr;
    bool mapped = false;
    bool titled = false;
};

int ignoreErrors(Display*, XErrorEvent*) {
    // Windows of the program come and go while we look at them.
    return 0;
}

long peakRssKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

/// CPU time of all live threads of `pid`, from the scheduler's own count:
/// far steadier than wall time when other work shares the machine.
double cpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return 0;
    double total = 0;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double ns = 0;
        if (schedstat >> ns)
            total += ns / 1e6;
    }
    closedir(dir);
    return total;
}

std::string windowTitle(Display* display, Window window) {
    static const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    for (Atom property : {netName, Atom(XA_WM_NAME)}) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
                               &format, &items, &after, &data) == Success &&
            data) {
            std::string title(reinterpret_cast<char*>(data), items);
            XFree(data);
            if (format == 8 && !title.empty())
                return title;
        }
    }
    return {};
}

class StartWatcher {
  public:
    explicit StartWatcher(Options options) : options_(std::move(options)) {}

    bool open() {
        display_ = XOpenDisplay(nullptr);
        if (!display_) {
            std::fprintf(stderr, "xstartwatch: cannot open the display (DISPLAY=%s)\n",
                         std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
            return false;
        }
        int errorBase = 0;
        if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase)) {
            std::fprintf(stderr, "xstartwatch: the X server has no DAMAGE extension\n");
            return false;
        }
        XSetErrorHandler(ignoreErrors);
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
        XSync(display_, False);
        return true;
    }

    RunResult run(const std::string& program) {
        XSync(display_, False);
        drainEvents();
        RunResult result;
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            const int devNull = ::open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid < 0)
            return result;
        bool painted = false;
        bool exited = false;
        while (!painted && !exited && msSince(start) < options_.timeoutMs) {
            while (!painted && XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
                painted = handle(event, start, result);
            }
            if (painted)
                break;
            pollfd fd{ConnectionNumber(display_), POLLIN, 0};
            poll(&fd, 1, 20);
            exited = waitpid(pid, nullptr, WNOHANG) == pid;
        }
        if (painted) {
            result.paintMs = msSince(start);
            result.cpuMs = cpuMs(pid);
            result.hwmKb = peakRssKb(pid);
            result.ok = result.hwmKb > 0;
            if (options_.settleMs > 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(options_.settleMs));
                result.settledKb = peakRssKb(pid);
            } else {
                result.settledKb = result.hwmKb;
            }
        }
        if (!exited)
            stop(pid);
        forgetWindows();
        return result;
    }

  private:
    // Returns true when the watched window's first paint is complete.
    bool handle(const XEvent& event, Clock::time_point start, RunResult& result) {
        if (event.type == CreateNotify &&
            event.xcreatewindow.parent == DefaultRootWindow(display_)) {
            // Watch every new top-level window from its birth, so that no
            // paint can slip by before its title is known.
            const Window w = event.xcreatewindow.window;
            Watched& watched = windows_[w];
            watched.damage = XDamageCreate(display_, w, XDamageReportRawRectangles);
            watched.painted = XCreateRegion();
        } else if (event.type == MapNotify) {
            auto it = windows_.find(event.xmap.window);
            if (it == windows_.end())
                return false;
            it->second.mapped = true;
            it->second.titled = windowTitle(display_, it->first) == options_.title;
            if (it->second.titled)
                result.mapMs = msSince(start);
            if (options_.verbose)
                std::fprintf(stderr, "  %8.2f ms map 0x%lx titled=%d\n", msSince(start), it->first,
                             it->second.titled);
        } else if (event.type == damageEventBase_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            auto it = windows_.find(damage.drawable);
            if (it == windows_.end() || !it->second.mapped)
                return false;
            Watched& watched = it->second;
            if (!watched.titled) {
                watched.titled = windowTitle(display_, it->first) == options_.title;
                if (watched.titled)
                    result.mapMs = msSince(start);
            }
            if (options_.verbose)
                std::fprintf(stderr, "  %8.2f ms damage 0x%lx %dx%d+%d+%d of %dx%d\n",
                             msSince(start), it->first, damage.area.width, damage.area.height,
                             damage.area.x, damage.area.y, damage.geometry.width,
                             damage.geometry.height);
            if (!watched.titled)
                return false;
            XRectangle area = damage.area;
            XUnionRectWithRegion(&area, watched.painted, watched.painted);
            return XRectInRegion(watched.painted, 0, 0, damage.geometry.width,
                                 damage.geometry.height) == RectangleIn;
        } else if (event.type == DestroyNotify) {
            auto it = windows_.find(event.xdestroywindow.window);
            if (it != windows_.end()) {
                XDestroyRegion(it->second.painted);
                windows_.erase(it);
            }
        }
        return false;
    }

    void stop(pid_t pid) {
        kill(pid, SIGTERM);
        for (int i = 0; i < 200; ++i) {
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }

    void forgetWindows() {
        for (auto& [window, watched] : windows_) {
            XDamageDestroy(display_, watched.damage);
            XDestroyRegion(watched.painted);
        }
        windows_.clear();
        XSync(display_, False);
        drainEvents();
    }

    void drainEvents() {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
        }
    }

    Options options_;
    Display* display_ = nullptr;
    int damageEventBase_ = 0;
    std::map<Window, Watched> windows_;
};

void usage() {
    std::fprintf(stderr,
                 "usage: xstartwatch [--pairs N] [--warmups N] [--settle-ms N] [--timeout-ms N]\n"
                 "                   [--title TITLE] [--runs FILE] [--verbose]\n"
                 "                   NAME_A=PROGRAM_A NAME_B=PROGRAM_B\n");
}

std::optional<Options> parse(int argc, char* argv[]) {
    Options options;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--pairs")
            options.pairs = std::atoi(value());
        else if (arg == "--warmups")
            options.warmups = std::atoi(value());
        else if (arg == "--settle-ms")
            options.settleMs = std::atoi(value());
        else if (arg == "--timeout-ms")
            options.timeoutMs = std::atoi(value());
        else if (arg == "--title")
            options.title = value();
        else if (arg == "--runs")
            options.runsFile = value();
        else if (arg == "--verbose")
            options.verbose = true;
        else if (arg.rfind("--", 0) == 0)
            return std::nullopt;
        else
            programs.push_back(arg);
    }
    if (programs.size() != 2 || options.pairs < 1)
        return std::nullopt;
    const auto split = [](const std::string& spec, std::string& name, std::string& path) {
        const size_t eq = spec.find('=');
        name = eq == std::string::npos ? spec : spec.substr(0, eq);
        path = eq == std::string::npos ? spec : spec.substr(eq + 1);
    };
    split(programs[0], options.nameA, options.programA);
    split(programs[1], options.nameB, options.programB);
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        usage();
        return 2;
    }
    StartWatcher watcher(*options);
    if (!watcher.open())
        return 1;

    for (int i = 0; i < options->warmups; ++i) {
        watcher.run(options->programA);
        watcher.run(options->programB);
    }

    std::FILE* runs =
        options->runsFile.empty() ? nullptr : std::fopen(options->runsFile.c_str(), "w");
    if (runs)
        std::fprintf(runs, "pair,program,map_ms,paint_ms,cpu_ms,peak_rss_kb,settled_rss_kb\n");
    std::vector<double> paintA, paintB, ratios, cpuA, cpuB, cpuRatios;
    std::vector<double> rssA, rssB, rssRatios, settledA, settledB;
    int failures = 0;
    for (int pair = 1; pair <= options->pairs; ++pair) {
        const RunResult a = watcher.run(options->programA);
        const RunResult b = watcher.run(options->programB);
        for (const auto& [name, r] : {std::pair{options->nameA, a}, std::pair{options->nameB, b}})
            if (runs)
                std::fprintf(runs, "%d,%s,%.3f,%.3f,%.3f,%ld,%ld\n", pair, name.c_str(), r.mapMs,
                             r.paintMs, r.cpuMs, r.hwmKb, r.settledKb);
        if (!a.ok || !b.ok) {
            ++failures;
            std::fprintf(stderr, "pair %d: %s%s did not paint a window titled \"%s\"\n", pair,
                         a.ok ? "" : options->nameA.c_str(), a.ok || b.ok ? "" : " and ",
                         options->title.c_str());
            if (!b.ok && a.ok)
                std::fprintf(stderr, "  (%s)\n", options->nameB.c_str());
            continue;
        }
        paintA.push_back(a.paintMs);
        paintB.push_back(b.paintMs);
        ratios.push_back(a.paintMs / b.paintMs);
        cpuA.push_back(a.cpuMs);
        cpuB.push_back(b.cpuMs);
        cpuRatios.push_back(a.cpuMs / b.cpuMs);
        rssA.push_back(double(a.hwmKb));
        rssB.push_back(double(b.hwmKb));
        rssRatios.push_back(double(a.hwmKb) / double(b.hwmKb));
        settledA.push_back(double(a.settledKb));
        settledB.push_back(double(b.settledKb));
        std::fprintf(stderr,
                     "pair %2d: %s %7.2f ms (CPU %6.2f) %6ld kB | %s %7.2f ms (CPU %6.2f) %6ld kB"
                     " | ratio %.3f\n",
                     pair, options->nameA.c_str(), a.paintMs, a.cpuMs, a.hwmKb,
                     options->nameB.c_str(), b.paintMs, b.cpuMs, b.hwmKb, a.paintMs / b.paintMs);
    }
    if (runs)
        std::fclose(runs);
    if (paintA.empty())
        return 1;

    using bench::printRow;
    const std::string ratioName = options->nameA + "/" + options->nameB;
    printRow("startup", options->nameA, paintA, "ms", "");
    printRow("startup", options->nameB, paintB, "ms", "");
    printRow("startup", ratioName, ratios, "x", "<= 1.10");
    for (size_t i = 0; i < ratios.size(); ++i)
        printRow("startup pair", "pair " + std::to_string(i + 1), {ratios[i]}, "x", "");
    printRow("startup CPU", options->nameA, cpuA, "ms", "");
    printRow("startup CPU", options->nameB, cpuB, "ms", "");
    printRow("startup CPU", ratioName, cpuRatios, "x", "");
    printRow("peak RSS at start screen", options->nameA, rssA, "kB", "");
    printRow("peak RSS at start screen", options->nameB, rssB, "kB", "");
    printRow("peak RSS at start screen", ratioName, rssRatios, "x", "<= 1.15");
    if (options->settleMs > 0) {
        const std::string settled =
            "peak RSS " + std::to_string(options->settleMs) + " ms after start screen";
        printRow(settled, options->nameA, settledA, "kB", "");
        printRow(settled, options->nameB, settledB, "kB", "");
    }
    return failures == 0 ? 0 : 1;
}
