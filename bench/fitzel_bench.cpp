// Benchmark program: the real start-up, idle, a scripted whole game and the clearing timers' order.
//
//   fitzel_bench MODE [OPTIONS]
//
// The program's own main() is built into this binary under another name, so "start", "idle",
// "playing", "game", "clear-order" and "held-click" run exactly what the player runs; a hook that
// Qt calls when the application object is made watches for the main window's first painted
// frame and then does the mode's work. "empty-start" and "empty-idle" run an empty 329 x 530
// QMainWindow with one menu, the toolkit's own cost, for the ratios. Results go to standard
// output as key=value lines; bench/run reads them.
//
//   start, empty-start   first painted frame of the main window, then exit
//   idle, empty-idle     first painted frame, print "ready", then idle until killed
//   playing              first painted frame, File > New, print "ready", then play nothing
//   game                 File > New and a whole game (--games N: N games one after another),
//                        placing pieces every 250 ms (--move-ms N), answering the game-over
//                        box, the name box
//                        and the table window; marks the course of game G in the system-call
//                        trace with failed opens of /fitzel-bench-mark/NAME-G: "playing" before
//                        File > New, "last-piece" once the last piece is on offer, "game-over"
//                        once the last box has closed; --memory-every N prints the resident
//                        memory and the heap in use after every N games, a long session's
//                        growth
//   clear-order          arms the nine clearing timers as a 3x3 block does, --trials N times,
//                        and records their firing order and lateness (--coarse: Qt's coarse
//                        timers instead of the window's own, for comparison)
//   held-click           a board click during a clearing, --trials N times: how long it waits
//                        and how much processor time the wait takes
#include <fcntl.h>
#include <unistd.h>

#include <sys/resource.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <malloc.h>

#include <QLabel>
#include "forms/BoardOverlay.h"
#include "forms/MainLayout.h"
#include "forms/PictureBox.h"
#include "forms/QtPlatform.h"
#include "forms/frmMain.h"
#include "game/Tables.h"
#include "game/modGeneral.h"

// The program's main(), built into this binary under this name (see CMakeLists.txt).
int fitzelProgramMain(int argc, char* argv[]);

namespace {

enum class Mode { Start, EmptyStart, Idle, EmptyIdle, Playing, Game, ClearOrder, HeldClick };

struct Options {
    Mode mode = Mode::Start;
    int trials = 200;
    int games = 1;
    int moveMs = 250;
    int memoryEvery = 0;
    bool coarse = false;
};
Options options;

// A 3x3 block, its top left corner on cell 13.
const std::vector<int> kBlockAt13 = {13, 14, 15, 18, 19, 20, 23, 24, 25};

std::int64_t nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

std::int64_t processCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Resident memory now, not at its peak: what a long session still holds.
long rssKib() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long heapInUseKib() {
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

long peakRssKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A mark in the system-call trace: an open of a path that never exists.
void traceMark(const std::string& name) {
    const std::string path = "/fitzel-bench-mark/" + name;
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::close(fd);
    }
}

void say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

double ms(std::int64_t ns) {
    return static_cast<double>(ns) / 1e6;
}

std::string fixed(double value, int decimals = 2) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The value at fraction q (0 to 1) of the sorted values.
double quantile(std::vector<double> values, double q) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// --- A whole game, played by a simple rule: the first cell where the piece fits, else Skip. ---

class GameScript : public QObject {
  public:
    explicit GameScript(fitzel::frmMain& window) : window_(window) {
        // Two timers: the boxes are opened from inside a move, and a timer is never fired again
        // from inside its own handler.
        connect(&mover_, &QTimer::timeout, this, [this] { move(); });
        connect(&answerer_, &QTimer::timeout, this, [this] { answer(); });
        connect(window_.timer(fitzel::clearTimer(9)), &QTimer::timeout, this,
                [this] { ++clearings_; });
    }

    void start() {
        startNs_ = nowNs();
        mover_.start(options.moveMs);
        answerer_.start(50);
        newGame();
    }

  private:
    void newGame() {
        ++games_;
        lastPiece_ = false;
        traceMark("playing-" + std::to_string(games_));
        window_.mnuFileItem_Click(fitzel::frmMain::FileItem::New);
    }

    void move() {
        if (QApplication::activeModalWidget() != nullptr) {
            return;
        }
        fitzel::modGeneral& game = window_.game();
        if (!game.state().blnInGame) {
            traceMark("game-over-" + std::to_string(games_));
            if (options.memoryEvery > 0 && games_ % options.memoryEvery == 0) {
                say("memory games=" + std::to_string(games_) + " rss_kib=" +
                    std::to_string(rssKib()) + " heap_kib=" + std::to_string(heapInUseKib()));
            }
            if (games_ < options.games) {
                newGame();
            } else {
                finish();
            }
            return;
        }
        if (game.state().intPiecesLeft == 0 && !lastPiece_) {
            lastPiece_ = true;
            traceMark("last-piece-" + std::to_string(games_));
        }
        for (int cell = 1; cell <= fitzel::kBoardCells; ++cell) {
            if (game.placementAt(cell).fits) {
                ++clicks_;
                held_ += game.state().blnClearing ? 1 : 0;
                game.picGrid_Click(cell);
                return;
            }
        }
        ++skipped_;
        game.btnSkip_Click();
    }

    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ++boxes_;
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                ok->click();
            } else {
                box->reject();
            }
        } else if (auto* name = qobject_cast<QInputDialog*>(modal)) {
            ++names_;
            name->setTextValue(QStringLiteral("Bench"));
            name->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            ++tables_;
            dialog->accept();
        }
    }

    void finish() {
        mover_.stop();
        answerer_.stop();
        const fitzel::modGeneral& game = window_.game();
        say("games=" + std::to_string(games_));
        say("game_seconds=" + fixed(ms(nowNs() - startNs_) / 1000.0, 1));
        say("last_game_score=" + std::to_string(game.state().intScore));
        say("game_board_clicks=" + std::to_string(clicks_));
        say("game_clicks_during_clearing=" + std::to_string(held_));
        say("game_skips=" + std::to_string(skipped_));
        say("game_clearings=" + std::to_string(clearings_));
        say("game_boxes=" + std::to_string(boxes_));
        say("game_name_boxes=" + std::to_string(names_));
        say("game_table_windows=" + std::to_string(tables_));
        say("pictures_read=" + std::to_string(window_.platform().pictures().filesRead()));
        say("peak_rss_kib=" + std::to_string(peakRssKib()));
        QCoreApplication::quit();
    }

    fitzel::frmMain& window_;
    QTimer mover_;
    QTimer answerer_;
    std::int64_t startNs_ = 0;
    int games_ = 0;
    bool lastPiece_ = false;
    int clicks_ = 0;
    int held_ = 0;
    int skipped_ = 0;
    int clearings_ = 0;
    int boxes_ = 0;
    int names_ = 0;
    int tables_ = 0;
};

// --- The nine clearing timers, armed as a 3x3 block arms them, again and again. ---

class ClearTrials : public QObject {
  public:
    explicit ClearTrials(fitzel::frmMain& window) : window_(window) {
        for (int k = 1; k <= 9; ++k) {
            QTimer* timer = window_.timer(fitzel::clearTimer(k));
            if (options.coarse) {
                timer->setTimerType(Qt::CoarseTimer);
            }
            // Seen before the timer's own handler runs: the moment of firing, not of painting.
            timer->installEventFilter(this);
        }
    }

    void start() {
        QTimer::singleShot(50, this, [this] { trial(); });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Timer || !running_) {
            return false;
        }
        const std::int64_t at = nowNs();
        for (int k = 1; k <= 9; ++k) {
            if (watched == window_.timer(fitzel::clearTimer(k))) {
                order_.push_back(k);
                lateness_.push_back(ms(at - armedNs_) - fitzel::kClear9Schedule[k]);
            }
        }
        if (order_.size() == 9) {
            running_ = false;
            bool inOrder = true;
            for (int i = 0; i < 9; ++i) {
                inOrder = inOrder && order_[i] == i + 1;
            }
            inOrder_ += inOrder ? 1 : 0;
            ++done_;
            // A short, varying pause, so that trials do not all start in step with anything.
            QTimer::singleShot(20 + done_ % 7, this, [this] { trial(); });
        }
        return false;
    }

  private:
    void trial() {
        if (done_ == options.trials) {
            report();
            return;
        }
        fitzel::modGeneral& game = window_.game();
        // A block found by a re-check while pieces are left: the handlers paint the block's cells
        // and the last one ends the clearing without searching again.
        game.setUpForTest({.filled = kBlockAt13, .piecesLeft = 1, .checkCount = 2});
        order_.clear();
        running_ = true;
        armedNs_ = nowNs();
        game.CheckBlocks();
    }

    void report() {
        say(std::string("clear_timer_type=") + (options.coarse ? "coarse" : "window"));
        say("clear_trials=" + std::to_string(done_));
        say("clear_in_order=" + std::to_string(inOrder_));
        say("clear_late_median_ms=" + fixed(quantile(lateness_, 0.5)));
        say("clear_late_p99_ms=" + fixed(quantile(lateness_, 0.99)));
        say("clear_late_max_ms=" + fixed(quantile(lateness_, 1.0)));
        say("clear_early_min_ms=" + fixed(quantile(lateness_, 0.0)));
        QCoreApplication::quit();
    }

    fitzel::frmMain& window_;
    bool running_ = false;
    std::int64_t armedNs_ = 0;
    std::vector<int> order_;
    std::vector<double> lateness_;
    int done_ = 0;
    int inOrder_ = 0;
};

// --- A board click during a clearing: held until the clearing ends, with the loop running. ---

class HeldClickTrials : public QObject {
  public:
    explicit HeldClickTrials(fitzel::frmMain& window) : window_(window) {
        // Connected after the game's own handler, so it runs once the clearing has ended.
        connect(window_.timer(fitzel::clearTimer(9)), &QTimer::timeout, this,
                [this] { clearingEnded(); });
    }

    void start() {
        window_.mnuFileItem_Click(fitzel::frmMain::FileItem::New);
        QTimer::singleShot(50, this, [this] { trial(); });
    }

  private:
    void trial() {
        fitzel::modGeneral& game = window_.game();
        if (done_ == options.trials || !game.state().blnInGame) {
            report();
            return;
        }
        // An empty board with a 3x3 block being cleared from it, as after a placement.
        game.setUpForTest({.filled = kBlockAt13, .checkCount = 2});
        game.CheckBlocks();
        int cell = 1;
        while (cell < fitzel::kBoardCells && !game.placementAt(cell).fits) {
            ++cell;
        }
        wallNs_ = nowNs();
        cpuNs_ = processCpuNs();
        game.picGrid_Click(cell);
        waiting_ = game.state().heldClick.has_value();
    }

    void clearingEnded() {
        if (!waiting_) {
            return;
        }
        waiting_ = false;
        if (window_.game().state().heldClick.has_value()) {
            return;  // not carried out: not counted
        }
        waits_.push_back(ms(nowNs() - wallNs_));
        cpus_.push_back(ms(processCpuNs() - cpuNs_));
        ++done_;
        QTimer::singleShot(20, this, [this] { trial(); });
    }

    void report() {
        double wait = 0;
        double cpu = 0;
        for (std::size_t i = 0; i < waits_.size(); ++i) {
            wait += waits_[i];
            cpu += cpus_[i];
        }
        say("held_trials=" + std::to_string(done_));
        say("held_wait_median_ms=" + fixed(quantile(waits_, 0.5)));
        say("held_cpu_median_ms=" + fixed(quantile(cpus_, 0.5)));
        say("held_cpu_share_pct=" + fixed(wait > 0 ? 100.0 * cpu / wait : 0.0));
        QCoreApplication::quit();
    }

    fitzel::frmMain& window_;
    bool waiting_ = false;
    std::int64_t wallNs_ = 0;
    std::int64_t cpuNs_ = 0;
    std::vector<double> waits_;
    std::vector<double> cpus_;
    int done_ = 0;
};

// What each mode does once the main window's first frame has been painted.
void afterFirstFrame(QMainWindow* window) {
    auto* main = qobject_cast<fitzel::frmMain*>(window);
    switch (options.mode) {
        case Mode::Start:
        case Mode::EmptyStart:
            QCoreApplication::quit();
            return;
        case Mode::Idle:
        case Mode::EmptyIdle:
            say("ready");
            return;
        case Mode::Playing:
            main->mnuFileItem_Click(fitzel::frmMain::FileItem::New);
            say("ready");
            return;
        case Mode::Game:
            (new GameScript(*main))->start();
            return;
        case Mode::ClearOrder:
            (new ClearTrials(*main))->start();
            return;
        case Mode::HeldClick:
            (new HeldClickTrials(*main))->start();
            return;
    }
}

// Watches every event of the application until the main window's first paint.
class FirstFrameWatch : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        auto* window = qobject_cast<QMainWindow*>(widget->window());
        if (window == nullptr) {
            return false;
        }
        if (event->type() == QEvent::Paint) {
            done_ = true;
            // Painting and flushing the frame finish within the event being handled; the mode's
            // work comes after it.
            QMetaObject::invokeMethod(
                qApp,
                [this, window] {
                    qApp->removeEventFilter(this);
                    afterFirstFrame(window);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    bool done_ = false;
};

void watchFirstFrame() {
    qApp->installEventFilter(new FirstFrameWatch);
}

// The toolkit's own cost: an empty window of the main window's client size with one menu.
int emptyWindowMain(int argc, char* argv[]) {
    QApplication app(argc, argv);
    watchFirstFrame();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty"));
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&File"));
    QObject::connect(menu->addAction(QStringLiteral("E&xit")), &QAction::triggered, &app,
                     &QCoreApplication::quit);
    auto* client = new QWidget(&window);
    client->setFixedSize(fitzel::layout::kClient.pixels().size());
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}

int usage() {
    std::fputs(
        "usage: fitzel_bench start|empty-start|idle|empty-idle|playing|game|clear-order|"
        "held-click [--trials N] [--games N] [--move-ms N] [--memory-every N] [--coarse]\n",
        stderr);
    return 2;
}

bool parse(int argc, char* argv[]) {
    if (argc < 2) {
        return false;
    }
    const std::string mode = argv[1];
    const std::pair<const char*, Mode> modes[] = {{"start", Mode::Start},
                                                  {"empty-start", Mode::EmptyStart},
                                                  {"idle", Mode::Idle},
                                                  {"empty-idle", Mode::EmptyIdle},
                                                  {"playing", Mode::Playing},
                                                  {"game", Mode::Game},
                                                  {"clear-order", Mode::ClearOrder},
                                                  {"held-click", Mode::HeldClick}};
    bool known = false;
    for (const auto& [name, value] : modes) {
        if (mode == name) {
            options.mode = value;
            known = true;
        }
    }
    for (int i = 2; known && i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--trials" && i + 1 < argc) {
            options.trials = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--games" && i + 1 < argc) {
            options.games = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--move-ms" && i + 1 < argc) {
            options.moveMs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--memory-every" && i + 1 < argc) {
            options.memoryEvery = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--coarse") {
            options.coarse = true;
        } else {
            known = false;
        }
    }
    return known;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!parse(argc, argv)) {
        return usage();
    }
    // The program and the empty window see only the program's name, as when started by hand.
    int programArgc = 1;
    if (options.mode == Mode::EmptyStart || options.mode == Mode::EmptyIdle) {
        return emptyWindowMain(programArgc, argv);
    }
    // Called by Qt once the program has made its application object.
    qAddPreRoutine(watchFirstFrame);
    return fitzelProgramMain(programArgc, argv);
}
