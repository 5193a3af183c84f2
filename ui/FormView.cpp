#include "ui/FormView.h"

#include <exception>

#include "front/OutcomeDisplay.h"

namespace orl {

bool BrowseIntoText(FormView& view, const std::string& control, const std::string& title) {
    std::string folder = view.Text(control);
    if (!view.BrowseForFolder(title, folder)) return false;
    view.SetText(control, folder);
    return true;
}

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
