// A test Platform: records what the game shows and asks, scripts answers, runs a virtual clock.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/modGeneral.h"
#include "platform/Platform.h"

namespace fitzel::test {

// Thrown by fatalError, which must not return.
struct FatalError : std::runtime_error {
    FatalError(std::string f, std::string why)
        : std::runtime_error(f + ": " + why), file(std::move(f)), fault(std::move(why)) {}
    std::string file;
    std::string fault;
};

class FakePlatform : public Platform {
  public:
    explicit FakePlatform(std::string folder = "/fitzel") : folder_(std::move(folder)) {}

    // The game whose onTimer receives the ticks.
    void attach(modGeneral* game) { game_ = game; }

    // --- Virtual clock ---
    struct TimerEvent {
        long time;
        TimerId timer;
        int interval;  // for arming records: the interval set (0 = stopped)
        bool operator==(const TimerEvent&) const = default;
    };
    long now() const { return now_; }
    // Moves the clock on, firing every timer that falls due, in order of due time (equal times
    // in arming order). Handlers may arm or stop timers; those changes count at once.
    void advance(long ms);
    bool running(TimerId t) const { return timers_[static_cast<int>(t)].interval != 0; }
    int interval(TimerId t) const { return timers_[static_cast<int>(t)].interval; }
    std::vector<TimerEvent> armLog;   // every setTimerInterval, with the time it was made
    std::vector<TimerEvent> fireLog;  // every firing (interval field: 0)

    // --- Display ---
    struct PieceShow {
        std::string path;
        int cell = -1;  // -1: never shown
    };
    struct CellShow {
        CellLook look = CellLook::Empty;
        std::string path;  // empty: never shown
    };
    struct BoardPaint {
        long time;
        int cell;
        CellLook look;
    };
    std::array<PieceShow, 36> strip{};
    std::array<CellShow, 26> board{};
    std::array<CellShow, 10> preview{};
    std::vector<std::pair<int, int>> stripLog;  // (element, cell) of every strip show
    std::vector<BoardPaint> boardLog;
    std::string timeLabel, scoreLabel;
    int labelSets = 0;

    // --- Boxes ---
    struct Box {
        bool input = false;
        std::string text, title;
        BoxIcon icon = BoxIcon::None;
        BoxButtons buttons = BoxButtons::Ok;
        std::string proposed;
        long time = 0;
    };
    std::vector<Box> boxes;
    std::deque<BoxAnswer> messageAnswers;       // empty: Ok, or Yes for a Yes/No box
    std::deque<std::string> inputAnswers;       // empty: the proposed text; "" is a cancel
    std::function<void(const Box&)> duringBox;  // runs while a box is open
    int scoresWindowShown = 0;

    // --- Files ---
    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    std::map<std::string, std::string> files;          // path -> bytes; absent = missing
    std::set<std::string> unreadable;                  // present but cannot be read
    std::map<std::string, std::string> replaceFaults;  // path -> fault of replaceFile
    std::vector<std::string> replaced;                 // paths replaced, in order
    std::set<std::string> readOnlyFolders;             // folders that take no new file
    std::string lockFault;                             // what lockFile answers
    std::vector<std::string> lockLog;                  // "lock <path>" and "unlock <path>"

    // --- Chance ---
    std::deque<double> randoms;  // empty: a fixed-seed generator takes over
    int randomCalls = 0;

    // --- Platform ---
    std::string showPieceCell(int k, const std::string& picturePath, int cell) override;
    std::string showBoardCell(int n, CellLook look, const std::string& picturePath) override;
    std::string showPreviewCell(int n, CellLook look, const std::string& picturePath) override;
    void setLabel(Label label, const std::string& text) override;
    void setTimerInterval(TimerId timer, int milliseconds) override;
    BoxAnswer messageBox(const std::string& text, const std::string& title, BoxIcon icon,
                         BoxButtons buttons) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override;
    void showScoresWindow() override { ++scoresWindowShown; }
    std::string programFolder() override { return folder_; }
    std::string userDataFolder() override { return "/home/player/.local/share/fitzel"; }
    bool canWriteIn(const std::string& folder) override {
        return readOnlyFolders.count(folder) == 0;
    }
    std::string lockFile(const std::string& path) override {
        lockLog.push_back("lock " + path);
        return lockFault;
    }
    void unlockFile(const std::string& path) override { lockLog.push_back("unlock " + path); }
    FileRead readFile(const std::string& path, std::size_t maxBytes) override;
    std::string replaceFile(const std::string& path, const std::string& bytes) override;
    double random() override;
    void openDocument(const std::string&) override {}
    [[noreturn]] void fatalError(const std::string& file, const std::string& fault) override {
        throw FatalError(file, fault);
    }

  private:
    struct Timer {
        int interval = 0;
        long due = 0;
        long order = 0;
    };
    std::string pictureFault(const std::string& path) const;

    std::string folder_;
    modGeneral* game_ = nullptr;
    long now_ = 0;
    long nextOrder_ = 0;
    std::array<Timer, kTimerCount> timers_{};
    std::mt19937_64 generator_{20240611};
};

}  // namespace fitzel::test
