// A platform with no window: a virtual clock, files kept in memory, the same entropy each run.
//
// The game runs on it with nothing on screen: the simulated player, the fuzzers and the tests
// build on it and override what they want to see or script.
#pragma once

#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/Platform.h"

namespace fitzel {

// What fatalError throws here, since it may not return.
struct FatalError : std::runtime_error {
    FatalError(const std::string& file, const std::string& fault);
    std::string file;
    std::string fault;
};

class NullPlatform : public Platform {
  public:
    explicit NullPlatform(std::string folder = "/fitzel", std::uint64_t seed = 1);

    // --- The virtual clock ---
    long now() const { return now_; }
    bool running(TimerId t) const { return timers_[static_cast<int>(t)].interval != 0; }
    int interval(TimerId t) const { return timers_[static_cast<int>(t)].interval; }
    // Fires the next timer that falls due, moving the clock to it; false when none runs.
    bool fireNext();
    // Moves the clock on by ms, firing every timer that falls due on the way, in order of due
    // time and, at equal times, of arming. Timers armed or stopped by a handler count at once.
    void advance(long ms);

    // --- Files, in memory: path -> bytes ---
    std::map<std::string, std::string> files;
    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    // Copies a real file into memory under the same path; false when it cannot be read.
    bool copyFromDisk(const std::string& realPath, const std::string& path);

    // --- Platform: nothing shown, boxes answer OK (Yes to a question) or the proposed text ---
    Fault showPieceCell(int, const std::string&, int) override { return {}; }
    Fault showBoardCell(int, CellLook, const std::string&) override { return {}; }
    Fault showPreviewCell(int, CellLook, const std::string&) override { return {}; }
    void setLabel(Label, const std::string&) override {}
    void setTimerInterval(TimerId timer, int milliseconds) override;
    void setTimerHandler(std::function<void(TimerId)> handler) override {
        tick_ = std::move(handler);
    }
    BoxAnswer messageBox(const std::string&, const std::string&, BoxIcon,
                         BoxButtons buttons) override;
    std::string inputBox(const std::string&, const std::string&,
                         const std::string& proposed) override {
        return proposed;
    }
    void showScoresWindow() override {}
    std::string programFolder() override { return folder_; }
    std::optional<std::string> userDataFolder() override { return folder_ + "-user"; }
    bool canWriteIn(const std::string&) override { return true; }
    Read<FileBytes> readFile(const std::string& path, std::size_t maxBytes) override;
    Fault replaceFile(const std::string& path, const std::string& bytes) override;
    Fault lockFile(const std::string&) override { return {}; }
    void unlockFile(const std::string&) override {}
    // The same every time: a windowless run repeats itself.
    std::uint64_t entropy() override { return seed_; }
    void openDocument(const std::string&) override {}
    // English only.
    std::string translated(const char* english) override { return english; }
    [[noreturn]] void fatalError(const std::string& file, const std::string& fault) override;

  protected:
    std::string folder_;

  private:
    struct Timer {
        int interval = 0;
        long due = 0;
        long order = 0;  // arming order, for timers due at the same time
    };
    int nextDue(long until) const;

    long now_ = 0;
    long armings_ = 0;
    std::array<Timer, kTimerCount> timers_{};
    std::function<void(TimerId)> tick_;
    std::uint64_t seed_;
};

}  // namespace fitzel
