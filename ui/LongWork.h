// Long work (the comparison, the configuration) on a worker thread while the window goes on
// answering: the order of starting, waiting and ending that every window follows.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace orl {

// What a window does around long work.
class BusyWindow {
public:
    virtual ~BusyWindow() = default;
    // Disables the window (and whatever could close it) and shows that it works; false ends that.
    virtual void SetBusy(bool busy) = 0;
    // Keeps the window answering until `done` holds.
    virtual void AnswerUntil(const std::atomic<bool>& done) = 0;
    // Called on the worker thread once the work is done, to wake the waiting window.
    virtual void Wake() = 0;
};

// Starts a worker thread; std::thread's own constructor, unless a test makes starting fail.
using StartWorker = std::function<std::thread(std::function<void()>)>;
std::thread StartThread(std::function<void()> body);

// Runs `work` on a worker and returns when it is done, raising what it raised. A worker that
// cannot start raises an error that says so before the window is touched: it stays as it was.
void RunOnWorker(BusyWindow& window, const std::function<void()>& work, const StartWorker& start = StartThread);

}  // namespace orl
