// The game tests' Platform: NullPlatform plus records, scripted answers and failing files.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "game/NullPlatform.h"

namespace fitzel::test {

class FakePlatform : public NullPlatform {
  public:
    FakePlatform() : NullPlatform("/fitzel", 20240611) {}

    using TimerEvent = std::tuple<long, TimerId, int>;   // time, timer, interval set
    using BoardPaint = std::tuple<long, int, CellLook>;  // time, cell, look
    struct Shown {
        std::string path;  // empty: never shown
        int cell = -1;     // the cell of a piece picture
        CellLook look = CellLook::Empty;
    };
    std::vector<TimerEvent> armLog;  // every setTimerInterval, at the time it was made
    std::array<Shown, 36> strip{};
    std::vector<std::pair<int, int>> stripLog;  // (element, cell) of every strip show
    std::array<Shown, 26> board{};
    std::vector<BoardPaint> boardLog;
    std::array<Shown, 10> preview{};
    std::string timeLabel, scoreLabel;
    int scoresWindowShown = 0;
    // "box <title>|<text>|<icon>|<buttons>", "ask <title>|<prompt>|<proposed text>"
    std::vector<std::string> boxes;
    std::deque<std::string> inputAnswers;               // empty: the proposed text; "" cancels
    std::function<void(const std::string&)> duringBox;  // runs while a box is open
    std::deque<double> randoms;                         // empty: the seeded generator takes over
    std::set<std::string> unreadable, readOnlyFolders;
    std::vector<std::string> replaced, lockLog;  // lockLog: "lock <path>", "unlock <path>"
    Fault replaceFault, lockFault;               // what replaceFile and lockFile answer

    Fault showPieceCell(int k, const std::string& path, int cell) override {
        Fault fault = pictureFault(path);
        if (!fault) {
            strip.at(k) = {path, cell};
            stripLog.emplace_back(k, cell);
        }
        return fault;
    }
    Fault showBoardCell(int n, CellLook look, const std::string& path) override {
        Fault fault = pictureFault(path);
        if (!fault) {
            board.at(n) = {path, -1, look};
            boardLog.push_back({now(), n, look});
        }
        return fault;
    }
    Fault showPreviewCell(int n, CellLook look, const std::string& path) override {
        Fault fault = pictureFault(path);
        if (!fault) {
            preview.at(n) = {path, -1, look};
        }
        return fault;
    }
    void setLabel(Label label, const std::string& text) override {
        (label == Label::TimeRemaining ? timeLabel : scoreLabel) = text;
    }
    void setTimerInterval(TimerId timer, int milliseconds) override {
        NullPlatform::setTimerInterval(timer, milliseconds);
        armLog.push_back({now(), timer, milliseconds});
    }
    BoxAnswer messageBox(const std::string& text, const std::string& title, BoxIcon icon,
                         BoxButtons buttons) override {
        opened("box " + title + "|" + text + "|" +
               (icon == BoxIcon::Information ? "information"
                : icon == BoxIcon::Question  ? "question"
                                             : "none") +
               (buttons == BoxButtons::Ok ? "|OK" : "|Yes No"));
        return NullPlatform::messageBox(text, title, icon, buttons);
    }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override {
        opened("ask " + title + "|" + prompt + "|" + proposed);
        std::string answer = inputAnswers.empty() ? proposed : inputAnswers.front();
        if (!inputAnswers.empty()) {
            inputAnswers.pop_front();
        }
        return answer;
    }
    void showScoresWindow() override { ++scoresWindowShown; }
    bool canWriteIn(const std::string& folder) override { return !readOnlyFolders.count(folder); }
    FileRead readFile(const std::string& path, std::size_t maxBytes) override {
        if (files.count(path) && unreadable.count(path)) {
            return {FileRead::Status::Failed, "", false, "permission denied"};
        }
        return NullPlatform::readFile(path, maxBytes);
    }
    Fault replaceFile(const std::string& path, const std::string& bytes) override {
        replaced.push_back(path);
        return replaceFault ? replaceFault : NullPlatform::replaceFile(path, bytes);
    }
    Fault lockFile(const std::string& path) override {
        lockLog.push_back("lock " + path);
        return lockFault;
    }
    void unlockFile(const std::string& path) override { lockLog.push_back("unlock " + path); }
    double random() override {
        if (randoms.empty()) {
            return NullPlatform::random();
        }
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }

  private:
    Fault pictureFault(const std::string& path) const {
        if (!files.count(path)) {
            return "file not found: " + path;
        }
        if (unreadable.count(path)) {
            return "cannot read: " + path;
        }
        return {};
    }
    void opened(const std::string& box) {
        boxes.push_back(box);
        if (duringBox) {
            duringBox(box);
        }
    }
};

}  // namespace fitzel::test
