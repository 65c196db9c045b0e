// The test Platform's clock, display records, scripted boxes, in-memory files and chance.
#include "FakePlatform.h"

namespace fitzel::test {

void FakePlatform::advance(long ms) {
    if (game_ == nullptr) {
        throw std::logic_error("FakePlatform::advance before attach");
    }
    const long end = now_ + ms;
    for (;;) {
        int next = -1;
        for (int i = 0; i < kTimerCount; ++i) {
            const Timer& t = timers_[i];
            if (t.interval == 0 || t.due > end) {
                continue;
            }
            if (next < 0 || t.due < timers_[next].due ||
                (t.due == timers_[next].due && t.order < timers_[next].order)) {
                next = i;
            }
        }
        if (next < 0) {
            break;
        }
        Timer& t = timers_[next];
        now_ = t.due;
        t.due += t.interval;  // a repeating timer comes round again unless the handler stops it
        t.order = nextOrder_++;
        fireLog.push_back({now_, static_cast<TimerId>(next), 0});
        game_->onTimer(static_cast<TimerId>(next));
    }
    now_ = end;
}

std::string FakePlatform::pictureFault(const std::string& path) const {
    if (files.count(path) == 0) {
        return "file not found: " + path;
    }
    if (unreadable.count(path) != 0) {
        return "cannot read: " + path;
    }
    return "";
}

std::string FakePlatform::showPieceCell(int k, const std::string& picturePath, int cell) {
    if (k < 1 || k > 35 || cell < 0 || cell > 2) {
        throw std::out_of_range("showPieceCell(" + std::to_string(k) + ", " + std::to_string(cell) +
                                ")");
    }
    std::string fault = pictureFault(picturePath);
    if (fault.empty()) {
        strip[k] = {picturePath, cell};
        stripLog.emplace_back(k, cell);
    }
    return fault;
}

std::string FakePlatform::showBoardCell(int n, CellLook look, const std::string& picturePath) {
    if (n < 1 || n > 25) {
        throw std::out_of_range("showBoardCell(" + std::to_string(n) + ")");
    }
    std::string fault = pictureFault(picturePath);
    if (fault.empty()) {
        board[n] = {look, picturePath};
        boardLog.push_back({now_, n, look});
    }
    return fault;
}

std::string FakePlatform::showPreviewCell(int n, CellLook look, const std::string& picturePath) {
    if (n < 1 || n > 9) {
        throw std::out_of_range("showPreviewCell(" + std::to_string(n) + ")");
    }
    std::string fault = pictureFault(picturePath);
    if (fault.empty()) {
        preview[n] = {look, picturePath};
    }
    return fault;
}

void FakePlatform::setLabel(Label label, const std::string& text) {
    (label == Label::TimeRemaining ? timeLabel : scoreLabel) = text;
    ++labelSets;
}

void FakePlatform::setTimerInterval(TimerId timer, int milliseconds) {
    if (milliseconds < 0) {
        throw std::invalid_argument("negative timer interval");
    }
    Timer& t = timers_[static_cast<int>(timer)];
    t.interval = milliseconds;
    t.due = now_ + milliseconds;
    t.order = nextOrder_++;
    armLog.push_back({now_, timer, milliseconds});
}

BoxAnswer FakePlatform::messageBox(const std::string& text, const std::string& title, BoxIcon icon,
                                   BoxButtons buttons) {
    boxes.push_back({false, text, title, icon, buttons, "", now_});
    if (duringBox) {
        duringBox(boxes.back());
    }
    if (messageAnswers.empty()) {
        return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
    }
    BoxAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::string FakePlatform::inputBox(const std::string& prompt, const std::string& title,
                                   const std::string& proposed) {
    boxes.push_back({true, prompt, title, BoxIcon::None, BoxButtons::Ok, proposed, now_});
    if (duringBox) {
        duringBox(boxes.back());
    }
    if (inputAnswers.empty()) {
        return proposed;
    }
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

FileRead FakePlatform::readFile(const std::string& path, std::size_t maxBytes) {
    FileRead result;
    auto it = files.find(path);
    if (it == files.end()) {
        result.status = FileRead::Status::Missing;
        result.fault = "file not found";
    } else if (unreadable.count(path) != 0) {
        result.status = FileRead::Status::Failed;
        result.fault = "permission denied";
    } else {
        result.status = FileRead::Status::Ok;
        result.bytes = it->second.substr(0, maxBytes);
        result.truncated = it->second.size() > maxBytes;
    }
    return result;
}

std::string FakePlatform::replaceFile(const std::string& path, const std::string& bytes) {
    replaced.push_back(path);
    auto fault = replaceFaults.find(path);
    if (fault != replaceFaults.end()) {
        return fault->second;
    }
    files[path] = bytes;
    return "";
}

double FakePlatform::random() {
    ++randomCalls;
    if (!randoms.empty()) {
        double r = randoms.front();
        randoms.pop_front();
        return r;
    }
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

}  // namespace fitzel::test
