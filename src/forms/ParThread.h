// A par search on a thread of its own, for the windows: its result comes back on the window's
// thread, and one that is no longer wanted never does.
#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "game/Par.h"

namespace fitzel {

class ParThread : public QObject {
    Q_OBJECT
  public:
    using Found = std::function<void(const Par&)>;

    explicit ParThread(QObject* parent = nullptr);
    // Stops a search still running and waits for it: it ends within milliseconds.
    ~ParThread() override;

    // Drops the search under way, if any, and finds the par of `patterns` from `start` within
    // `budget`, handing it to `found` on this object's thread.
    void start(std::vector<std::string> patterns, ParStart start, std::chrono::milliseconds budget,
               Found found);
    // Stops the search under way; its result is never handed on.
    void drop();
    // Whether a search has been started and neither handed on nor dropped.
    bool running() const { return static_cast<bool>(found_); }

  private:
    // On this object's thread, once a search has left its result.
    Q_INVOKABLE void collect();
    void finished(int search, const Par& par);

    std::thread thread_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    int searches_ = 0;  // searches started, which tells the one awaited from a dropped one
    Found found_;
    // The last search's result and its number, left by the search's thread under the lock for
    // collect() to take.
    std::mutex handing_;
    std::optional<std::pair<int, Par>> handed_;
};

}  // namespace fitzel
