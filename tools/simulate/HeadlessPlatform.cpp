// A Platform without a screen: a virtual clock for the ten timers, chance from a seeded
// generator, boxes that answer OK or nothing, data files read from a folder and a high-score
// file that is kept in memory only.
#include "HeadlessPlatform.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace simulate {

HeadlessPlatform::HeadlessPlatform(std::string folder, std::uint32_t seed)
    : folder_(std::move(folder)), generator_(seed) {}

void HeadlessPlatform::setTimerInterval(fitzel::TimerId timer, int milliseconds) {
    Timer& t = timers_[static_cast<std::size_t>(timer)];
    t.interval = milliseconds;
    t.due = now_ + milliseconds;
    t.armed = ++armings_;
}

bool HeadlessPlatform::fireNext() {
    int next = -1;
    for (int i = 0; i < fitzel::kTimerCount; ++i) {
        const Timer& t = timers_[static_cast<std::size_t>(i)];
        if (t.interval == 0) {
            continue;
        }
        const Timer* best = next < 0 ? nullptr : &timers_[static_cast<std::size_t>(next)];
        if (best == nullptr || t.due < best->due || (t.due == best->due && t.armed < best->armed)) {
            next = i;
        }
    }
    if (next < 0) {
        return false;
    }
    Timer& t = timers_[static_cast<std::size_t>(next)];
    now_ = t.due;
    // A running timer fires again one interval on, unless its handler stops it.
    t.due += t.interval;
    t.armed = ++armings_;
    if (game_ != nullptr) {
        game_->onTimer(static_cast<fitzel::TimerId>(next));
    }
    return true;
}

fitzel::BoxAnswer HeadlessPlatform::messageBox(const std::string&, const std::string&,
                                               fitzel::BoxIcon, fitzel::BoxButtons buttons) {
    return buttons == fitzel::BoxButtons::YesNo ? fitzel::BoxAnswer::Yes : fitzel::BoxAnswer::Ok;
}

fitzel::FileRead HeadlessPlatform::readFile(const std::string& path, std::size_t maxBytes) {
    fitzel::FileRead read;
    const auto kept = written_.find(path);
    if (kept != written_.end()) {
        read.status = fitzel::FileRead::Status::Ok;
        read.bytes = kept->second.substr(0, maxBytes);
        read.truncated = kept->second.size() > maxBytes;
        return read;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        read.status = fitzel::FileRead::Status::Missing;
        read.fault = "File not found";
        return read;
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    read.status = fitzel::FileRead::Status::Ok;
    read.truncated = bytes.size() > maxBytes;
    read.bytes = bytes.substr(0, maxBytes);
    return read;
}

std::string HeadlessPlatform::replaceFile(const std::string& path, const std::string& bytes) {
    written_[path] = bytes;
    return {};
}

void HeadlessPlatform::fatalError(const std::string& file, const std::string& fault) {
    std::fprintf(stderr, "simulate: %s: %s\n", file.c_str(), fault.c_str());
    std::exit(1);
}

}  // namespace simulate
