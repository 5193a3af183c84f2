// The windowing application: its window, which carries the task-bar button and the title, its
// forms, and the window loop.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/win32/ProgressWindow.h"
#include "ui/win32/Win32Form.h"

namespace orl {

class Application {
public:
    explicit Application(const std::string& title);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    HWND Window() const { return window_; }
    // Creates a form, hidden. The first one is the main form: the application's window owns it
    // and its closing ends the window loop; the main form owns the later ones.
    Win32Form& CreateForm(const FormTable& table);
    Win32Form& Form(const std::string& className);
    // The progress window of long work, owned by the main form; made on first use.
    ProgressWindow& Progress();
    // The forms' font, Tahoma 8 point at the screen's DPI, regular or bold.
    HFONT Font(bool bold) const { return bold ? boldFont_ : font_; }
    // False where the bold font draws like the regular one: bold labels are then overstruck.
    bool BoldLooksBold() const { return boldLooksBold_; }
    // Asks the main form to close, as its close box does.
    void CloseMainForm();

    // Shows the main form and runs the window loop until it closes. Returns the exit status.
    int Run();
    // Takes one message from the queue and dispatches it, keyboard navigation included;
    // false once the loop is to end (the quit code then in `exitCode`).
    bool DispatchOne(int& exitCode);

private:
    HWND window_;
    HFONT font_;
    HFONT boldFont_;
    bool boldLooksBold_ = true;
    std::vector<std::unique_ptr<Win32Form>> forms_;
    std::unique_ptr<ProgressWindow> progress_;
};

}  // namespace orl
