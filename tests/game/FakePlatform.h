// The game tests' Platform: NullPlatform's virtual clock and files, plus what the player sees and
// the answers the tests script.
#pragma once

#include <set>

#include "game/NullPlatform.h"

namespace fitzel::test {

class FakePlatform : public NullPlatform {
  public:
    // What the board and preview show from cell 1: '#' filled, '.' empty, '?' never painted.
    std::string board = std::string(25, '?'), preview = std::string(9, '?');
    std::string strip = std::string(35, '?');  // the picture cell each piece shows: 0, 1 or 2
    std::string timeLabel, scoreLabel;
    int scoresWindows = 0;
    std::vector<std::string> boxes;  // "<title>|<text>"; a name box adds "|<proposed text>"
    std::function<void()> duringBox = [] {};  // runs while a box is open
    std::vector<std::string> names;           // the name boxes' answers; then the proposed text
    std::vector<double> randoms;              // the deals' random values; then the deal's own draws
    std::size_t asked = 0;
    std::size_t drawn = 0;
    std::set<std::string> unreadable, readOnly, locked;  // locked: by another copy
    bool homeless = false;                               // the player has no home folder

    Fault showPieceCell(int k, const std::string& path, int cell) override {
        return paint(strip[k - 1], path, static_cast<char>('0' + cell));
    }
    Fault showBoardCell(int n, CellLook, const std::string& path) override {
        return paint(board[n - 1], path, path.ends_with("/GridFilled.bmp") ? '#' : '.');
    }
    Fault showPreviewCell(int n, CellLook, const std::string& path) override {
        return paint(preview[n - 1], path, path.ends_with("/EGFilled.bmp") ? '#' : '.');
    }
    void setLabel(Label label, const std::string& text) override {
        (label == Label::TimeRemaining ? timeLabel : scoreLabel) = text;
    }
    BoxAnswer messageBox(const std::string& text, const std::string& title, BoxIcon,
                         BoxButtons) override {
        boxes.push_back(title + "|" + text);
        duringBox();
        return BoxAnswer::Ok;
    }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override {
        boxes.push_back(title + "|" + prompt + "|" + proposed);
        duringBox();
        return asked < names.size() ? names[asked++] : proposed;
    }
    void showScoresWindow() override { ++scoresWindows; }
    bool canWriteIn(const std::string& folder) override { return !readOnly.count(folder); }
    std::optional<std::string> userDataFolder() override {
        return homeless ? std::nullopt : NullPlatform::userDataFolder();
    }
    Read<FileBytes> readFile(const std::string& path, std::size_t maxBytes) override {
        return unreadable.count(path) ? Read<FileBytes>{{}, "permission denied"}
                                      : NullPlatform::readFile(path, maxBytes);
    }
    Fault lockFile(const std::string& path) override {
        return locked.insert(path).second ? Fault{} : Fault{"another copy is saving"};
    }
    void unlockFile(const std::string& path) override { locked.erase(path); }
    // The next draw scripted, if any is left.
    std::optional<double> scriptedDraw() {
        if (drawn < randoms.size())
            return randoms[drawn++];
        return std::nullopt;
    }

  private:
    Fault paint(char& shown, const std::string& path, char look) {
        if (!files.count(path) || unreadable.count(path))
            return "cannot read " + path;
        shown = look;
        return {};
    }
};

}  // namespace fitzel::test
