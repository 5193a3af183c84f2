#include "ui/FormView.h"

#include <exception>

#include "console/ConsoleRun.h"

namespace orl {

void RunHandler(FormView& view, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        std::string message = ErrorMessage(error);
        if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
        view.ShowError(message);
    }
}

}  // namespace orl
