// A window made from its table of controls, scaled to the system's DPI: the Win32 realisation of
// the toolkit that a window's logic talks to.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "ui/FormView.h"
#include "ui/LongWork.h"
#include "ui/win32/FormTable.h"
#include "ui/win32/Labels.h"

namespace orl {

class Application;

class Win32Form final : public FormView, private BusyWindow {
public:
    // Creates the window hidden, with every control of the table, owned by `owner`. The form
    // owned by the application's window is the main form; the others are its dialogs.
    Win32Form(Application& application, const FormTable& table, HWND owner);
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    void Bind(FormLogic& logic) { logic_ = &logic; }
    HWND Window() const { return window_; }
    const char* ClassName() const { return table_.className; }

    // Loads the state (FormShow) and shows the window centred on the screen, the keyboard focus
    // on its first tab stop.
    void Show();
    // Shows the window modally over `owner`, which is disabled meanwhile; returns when it closes.
    void ShowModalOver(HWND owner);

    void SetText(const std::string& control, const std::string& text) override;
    std::string Text(const std::string& control) override;
    void SetChecked(const std::string& control, bool checked) override;
    bool Checked(const std::string& control) override;
    void SetEnabled(const std::string& control, bool enabled) override;
    bool Enabled(const std::string& control) override;
    BoxAnswer Ask(BoxKind kind, const std::string& text, BoxButtons buttons) override;
    bool OpenFile(const std::string& initialFolder, std::string& chosenFile) override;
    bool BrowseForFolder(const std::string& title, std::string& folder) override;
    void ShowModal(const std::string& form) override;
    void Close() override;
    void RunLong(const std::string& step, const std::function<void()>& work) override;
    void ShowError(const std::string& message) override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    int Scale(int designPixels) const;
    HWND Control(const std::string& name) const;
    void Click(int controlId);
    void SetBusy(bool busy) override;
    void AnswerUntil(const std::atomic<bool>& done) override;
    void Wake() override;

    Application& application_;
    const FormTable& table_;
    const bool main_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    std::map<std::string, HWND> controls_;
    std::map<HWND, LabelBox> labels_;  // every label, refitted to each new text
    FormLogic* logic_ = nullptr;
    bool modal_ = false;
    bool closed_ = false;
    bool busy_ = false;
    HWND lastFocus_ = nullptr;
};

}  // namespace orl
