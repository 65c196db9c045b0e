// A platform with no window: a virtual clock, files kept in memory, the same entropy each run.
#include "game/NullPlatform.h"

#include <climits>
#include <fstream>
#include <iterator>

namespace fitzel {

FatalError::FatalError(const std::string& f, const std::string& why)
    : std::runtime_error(f + ": " + why), file(f), fault(why) {}

NullPlatform::NullPlatform(std::string folder, std::uint64_t seed)
    : folder_(std::move(folder)), seed_(seed) {}

void NullPlatform::setTimerInterval(TimerId timer, int milliseconds) {
    Timer& t = timers_[static_cast<int>(timer)];
    t.interval = milliseconds;
    t.due = now_ + milliseconds;
    t.order = ++armings_;
}

int NullPlatform::nextDue(long until) const {
    int next = -1;
    for (int i = 0; i < kTimerCount; ++i) {
        const Timer& t = timers_[i];
        if (t.interval == 0 || t.due > until) {
            continue;
        }
        if (next < 0 || t.due < timers_[next].due ||
            (t.due == timers_[next].due && t.order < timers_[next].order)) {
            next = i;
        }
    }
    return next;
}

bool NullPlatform::fireNext() {
    const int next = nextDue(LONG_MAX);
    if (next < 0) {
        return false;
    }
    Timer& t = timers_[next];
    now_ = t.due;
    // A running timer fires again one interval on, unless its handler stops it.
    t.due += t.interval;
    t.order = ++armings_;
    if (tick_) {
        tick_(static_cast<TimerId>(next));
    }
    return true;
}

void NullPlatform::advance(long ms) {
    const long until = now_ + ms;
    while (nextDue(until) >= 0) {
        fireNext();
    }
    now_ = until;
}

BoxAnswer NullPlatform::messageBox(const std::string&, const std::string&, BoxIcon,
                                   BoxButtons buttons) {
    return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
}

bool NullPlatform::copyFromDisk(const std::string& realPath, const std::string& path) {
    std::ifstream in(realPath, std::ios::binary);
    if (!in) {
        return false;
    }
    files[path].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

Read<FileBytes> NullPlatform::readFile(const std::string& path, std::size_t maxBytes) {
    const auto found = files.find(path);
    if (found == files.end()) {
        return {};
    }
    return {{true, found->second.substr(0, maxBytes), found->second.size() > maxBytes}, {}};
}

Fault NullPlatform::replaceFile(const std::string& path, const std::string& bytes) {
    files[path] = bytes;
    return {};
}

void NullPlatform::fatalError(const std::string& file, const std::string& fault) {
    throw FatalError(file, fault);
}

}  // namespace fitzel
