#include "ui/LongWork.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <system_error>

namespace orl {

std::thread StartThread(std::function<void()> body) { return std::thread(std::move(body)); }

void RunOnWorker(BusyWindow& window, const std::function<void()>& work, const StartWorker& start) {
    std::exception_ptr error;
    std::atomic<bool> done{false};
    std::thread worker;
    try {
        worker = start([&] {
            try {
                work();
            } catch (...) {
                error = std::current_exception();
            }
            done = true;
            window.Wake();
        });
    } catch (const std::system_error& failure) {
        throw std::runtime_error(std::string("The work could not be started: ") + failure.what());
    }
    window.SetBusy(true);
    try {
        window.AnswerUntil(done);
    } catch (...) {
        worker.join();  // the work refers to this frame: it must end before the frame does
        window.SetBusy(false);
        throw;
    }
    worker.join();
    window.SetBusy(false);
    if (error) std::rethrow_exception(error);
}

}  // namespace orl
