// The windowing application: its title, its forms and the window loop.
#pragma once

#include <windows.h>

#include <string>

namespace orl {

class Application {
public:
    // Sets the title shown in the task bar.
    explicit Application(const std::string& title);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates a form, hidden, of the given window class and client size, centred on the screen.
    // The first form created is the main form: closing it ends the window loop.
    HWND CreateForm(const char* className, const char* caption, int clientWidth, int clientHeight);
    // Shows the main form and handles messages until it is closed. Returns the exit status.
    int Run();

private:
    HWND window_;
    HWND mainForm_ = nullptr;
};

}  // namespace orl
