// A window made from its table of controls, scaled to the system's DPI: the Win32 realisation of
// the toolkit that a window's logic talks to.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>

#include "ui/FormView.h"
#include "ui/win32/FormTable.h"

namespace orl {

class Application;

class Win32Form final : public FormView {
public:
    // Creates the window hidden, with every control of the table, owned by `owner`.
    Win32Form(Application& application, const FormTable& table, HWND owner);
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    void Bind(FormLogic& logic) { logic_ = &logic; }
    HWND Window() const { return window_; }
    const char* ClassName() const { return table_.className; }

    // Loads the state (FormShow) and shows the window, the keyboard focus on its first tab stop.
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
    // A label sized to its text grows and shrinks with it.
    void FitToText(HWND label);
    void Click(int controlId);

    Application& application_;
    const FormTable& table_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    std::map<std::string, HWND> controls_;
    std::set<HWND> sizedToText_;  // labels of no width in the table grow and shrink with their text
    FormLogic* logic_ = nullptr;
    bool modal_ = false;
    bool closed_ = false;
    bool busy_ = false;
    HWND lastFocus_ = nullptr;
};

}  // namespace orl
