// A par search on a thread of its own, handing its result back to the window's thread.
#include "forms/ParThread.h"

#include <QMetaObject>
#include <utility>

namespace fitzel {

ParThread::ParThread(QObject* parent) : QObject(parent) {}

ParThread::~ParThread() {
    drop();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void ParThread::start(std::vector<std::string> patterns, ParStart start,
                      std::chrono::milliseconds budget, Found found) {
    drop();
    // The one dropped stops within milliseconds of being told.
    if (thread_.joinable()) {
        thread_.join();
    }
    found_ = std::move(found);
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    thread_ = std::thread([this, patterns = std::move(patterns), start, budget,
                           cancelled = cancelled_, search = searches_] {
        const Par par = findPar(patterns, budget, *cancelled, start);
        {
            const std::lock_guard lock(handing_);
            handed_.emplace(search, par);
        }
        // Back on the window's thread: the result goes across under the lock, and the call
        // queued carries nothing. The destructor waits for this thread first, and a call queued
        // for an object destroyed meanwhile is never made.
        QMetaObject::invokeMethod(this, "collect", Qt::QueuedConnection);
    });
}

void ParThread::drop() {
    if (cancelled_) {
        *cancelled_ = true;
    }
    ++searches_;
    found_ = nullptr;
}

void ParThread::collect() {
    std::optional<std::pair<int, Par>> handed;
    {
        const std::lock_guard lock(handing_);
        handed = std::exchange(handed_, std::nullopt);
    }
    if (handed) {
        finished(handed->first, handed->second);
    }
}

void ParThread::finished(int search, const Par& par) {
    if (search != searches_ || !found_) {
        return;
    }
    // Handed on once; `found` may start another search.
    const Found found = std::exchange(found_, nullptr);
    found(par);
}

}  // namespace fitzel
