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
        // Back on the window's thread; the destructor waits for this thread first, and a call
        // queued for an object destroyed meanwhile is never made.
        QMetaObject::invokeMethod(
            this, [this, search, par] { finished(search, par); }, Qt::QueuedConnection);
    });
}

void ParThread::drop() {
    if (cancelled_) {
        *cancelled_ = true;
    }
    ++searches_;
    found_ = nullptr;
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
