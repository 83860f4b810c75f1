// Start-up time: from process start to the first paint of
//
//   empty  an empty QWidget window (the baseline: what any Qt Widgets
//          program pays for loading its libraries and the platform);
//   label  the empty window showing one line of text, so it also loads the
//          font database and one font (the start menu's reference);
//   menu   the start menu, opened as the editor's main() opens it, on an
//          application folder set up for a later start (tgedit.cfg present);
//   main   the main window on the demo project, opened as the project
//          dialog's OK opens it (the start-up check, Open Project, frm_main).
//
// Run without arguments, the program is the driver: it sets up a scratch
// application folder, the stand-in game and a project made from it, then
// starts itself once per mode and round (modes interleaved, so load on the
// machine spreads over all of them) and prints the median, mean and minimum
// of each mode and the ratios to the empty window. "tgedit_bench_startup 30"
// runs 30 rounds (20 when not given). Each child reports the time between the
// driver's clock reading just before it was started and its window's first
// paint; the steady clock is the same for every process on the machine.
//
// Children use the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "bench_fixtures.h"
#include "project/app_context.h"
#include "project/projects.h"
#include "project/small_files.h"
#include "project/startup.h"
#include "scripts/script_files.h"
#include "ui/frm_main.h"
#include "ui/frm_menu.h"
#include "ui/message_box.h"
#include "ui/program_icon.h"

namespace tg::bench {
namespace {

using Clock = std::chrono::steady_clock;

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// No box may come up while timing: one would wait for a user forever (or
// time nothing useful). A box is printed and the run counts as failed.
class RefusingBoxes : public MessageBoxService {
public:
    MsgAnswer show(QWidget* /*parent*/, const QString& title, const QString& text,
                   MsgButtons buttons, MsgIcon /*icon*/) override {
        std::fprintf(stderr, "unexpected message box \"%s\": %s\n", qPrintable(title),
                     qPrintable(text));
        failed = true;
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    }
    bool failed = false;
};

// Reports the time when the watched window's first paint is done and ends
// the event loop. The window's Paint event arrives before the window and its
// children have drawn anything (a label, say, loads its font only then), so
// the clock is read by a zero timer posted from it: that runs once the whole
// repaint, children included, has been drawn and flushed.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, long long startNs) : startNs_(startNs) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [startNs = startNs_] {
                std::printf("%lld\n", nowNs() - startNs);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long startNs_;
    bool done_ = false;
};

int runChild(int argc, char** argv) {
    // argv: program --child mode appFolder projectFolder startNs
    const std::string mode = argv[2];
    const std::string appFolder = argv[3];
    const std::string projectFolder = argv[4];
    const long long startNs = std::atoll(argv[5]);

    RefusingBoxes boxes;
    std::unique_ptr<AppContext> context;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TGEdit"));

    QWidget* window = nullptr;
    std::unique_ptr<QWidget> emptyWindow;
    if (mode == "empty") {
        emptyWindow = std::make_unique<QWidget>();
        emptyWindow->resize(320, 240);
        window = emptyWindow.get();
    } else if (mode == "label") {
        // The start menu's reference: the empty window with one line of text,
        // which is what loading the fonts costs any window that shows text.
        emptyWindow = std::make_unique<QLabel>(QStringLiteral("TG Edit"));
        emptyWindow->resize(320, 240);
        window = emptyWindow.get();
    } else if (mode == "menu") {
        QApplication::setWindowIcon(programIcon());
        context = std::make_unique<AppContext>(appFolder);
        window = frm_menu::open(*context, boxes);
    } else if (mode == "main") {
        QApplication::setWindowIcon(programIcon());
        context = std::make_unique<AppContext>(appFolder);
        boxes.showNotices(nullptr, checkExistingConfig(*context));
        const ProjectOutcome outcome = openProject(*context, projectFolder);
        boxes.showNotices(nullptr, outcome.notices);
        if (outcome.ok) {
            window = new frm_main(*context, boxes);
        }
    }
    if (window == nullptr || boxes.failed) {
        std::fprintf(stderr, "the %s window did not open\n", mode.c_str());
        return 2;
    }
    FirstPaint watch(window, startNs);
    window->show();
    QTimer::singleShot(20000, [] {
        std::fprintf(stderr, "no paint within 20 s\n");
        QCoreApplication::exit(3);
    });
    const int code = QApplication::exec();
    return boxes.failed ? 4 : code;
}

// The application folder of a later start: code tables, tgedit.cfg naming
// the stand-in game, a filled Backup and one project, Demo, opened once
// before (so opening it does not refresh hub.lua from Backup).
struct StartupFolders {
    ScratchFolder root;
    std::string app;
    std::string project;

    StartupFolders() {
        app = root.subfolder("app");
        const std::string game = root.subfolder("game");
        copyDemoGame(game);
        copyDataFiles(app);
        copyDemoScripts(root.subfolder("app/Backup"));
        project = root.subfolder("app/Projects/Demo");
        copyDemoScripts(project);
        AppContext ctx(app);
        writeWhole(project + "tgedit.prj", markerText(ctx.app.Version, 1));
        writeWhole(app + "tgedit.cfg", configText(ConfigFile{game, 1}));
    }
};

struct Stats {
    double median = 0;
    double mean = 0;
    double min = 0;
};

Stats statsOf(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    Stats s;
    const std::size_t n = ms.size();
    s.median = n % 2 == 1 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    s.mean = std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(n);
    s.min = ms.front();
    return s;
}

int runDriver(int argc, char** argv) {
    QCoreApplication driver(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    StartupFolders folders;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    const std::vector<std::string> modes = {"empty", "label", "menu", "main"};
    std::map<std::string, std::vector<double>> times;

    // One round not counted: the first start of any program finds cold
    // caches.
    for (int round = -1; round < rounds; ++round) {
        for (const std::string& mode : modes) {
            QProcess child;
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            const long long start = nowNs();
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--child"), QString::fromStdString(mode),
                         QString::fromStdString(folders.app),
                         QString::fromStdString(folders.project), QString::number(start)});
            if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit ||
                child.exitCode() != 0) {
                std::fprintf(stderr, "the %s run failed\n", mode.c_str());
                return 1;
            }
            const double ms = child.readAllStandardOutput().trimmed().toDouble() / 1e6;
            if (round >= 0) {
                times[mode].push_back(ms);
            }
        }
    }

    std::printf("Start-up, process start to first paint, %d rounds (ms)\n", rounds);
    std::printf("%-6s %8s %8s %8s %16s\n", "window", "median", "mean", "min", "median/empty");
    const Stats empty = statsOf(times["empty"]);
    for (const std::string& mode : modes) {
        const Stats s = statsOf(times[mode]);
        std::printf("%-6s %8.1f %8.1f %8.1f %16.2f\n", mode.c_str(), s.median, s.mean, s.min,
                    s.median / empty.median);
    }
    // The start menu against a window that shows one line of text (both load
    // the font database and a font); the main window against the empty one.
    const double menuRatio = statsOf(times["menu"]).median / statsOf(times["label"]).median;
    const double mainRatio = statsOf(times["main"]).median / empty.median;
    std::printf("\nTargets\n");
    std::printf("  start menu at most 1.25x the one-label window: %.2fx  %s\n", menuRatio,
                menuRatio <= 1.25 ? "met" : "NOT MET");
    std::printf("  main window at most 3x the empty window:       %.2fx  %s\n", mainRatio,
                mainRatio <= 3.0 ? "met" : "NOT MET");
    return 0;
}

}  // namespace
}  // namespace tg::bench

int main(int argc, char** argv) {
    if (argc == 6 && std::string(argv[1]) == "--child") {
        return tg::bench::runChild(argc, argv);
    }
    try {
        return tg::bench::runDriver(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cannot run the start-up benchmark: %s\n", e.what());
        return 1;
    }
}
