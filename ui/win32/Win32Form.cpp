#include "ui/win32/Win32Form.h"

#include <commdlg.h>

#include "front/ProgramTexts.h"
#include "ui/win32/Application.h"
#include "ui/win32/ButtonText.h"
#include "ui/win32/FormControls.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/ProgressWindow.h"
#include "ui/win32/SelectFolder.h"

namespace orl {

namespace {

UINT BoxStyle(BoxKind kind, BoxButtons buttons) {
    const UINT icons[] = {MB_ICONQUESTION, MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION};
    const UINT sets[] = {MB_OK, MB_YESNO, MB_YESNOCANCEL};
    return icons[static_cast<int>(kind)] | sets[static_cast<int>(buttons)];
}

const char* BoxCaption(BoxKind kind) {
    const char* captions[] = {"Confirm", "Warning", "Error", "Information"};
    return captions[static_cast<int>(kind)];
}

}  // namespace

Win32Form::Win32Form(Application& application, const FormTable& table, HWND owner)
    : application_(application), table_(table), main_(owner == application.Window()) {
    RegisterControlClasses();
    WNDCLASSA windowClass = {};
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpfnWndProc = Procedure;
    windowClass.lpszClassName = table.className;
    RegisterClassA(&windowClass);
    dpi_ = ScreenDpi();
    const DWORD style = table.dialogBorder ? WS_POPUP | WS_CAPTION | WS_SYSMENU
                                           : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const DWORD extendedStyle = WS_EX_CONTROLPARENT | (table.dialogBorder ? WS_EX_DLGMODALFRAME : 0);
    RECT frame = {0, 0, Scale(table.clientWidth), Scale(table.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    window_ = CreateWindowExA(extendedStyle, table.className, table.caption, style | WS_CLIPCHILDREN, 0, 0,
                              frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                              GetModuleHandleA(nullptr), this);
    CreateControls();
}

int Win32Form::Scale(int designPixels) const { return MulDiv(designPixels, dpi_, 96); }

void Win32Form::CreateControls() {
    for (size_t row = 0; row < table_.controlCount; ++row) {
        const ControlRow& control = table_.controls[row];
        HWND parent = control.parent != nullptr ? Control(control.parent) : window_;
        const bool bold = control.style & kBold;
        HWND created = CreateControl(table_, row, parent, application_.Font(bold), dpi_);
        controls_[control.name] = created;
        if (control.kind == ControlKind::Button || control.kind == ControlKind::RadioButton) {
            FitButton(created, LabelBoxOf(table_, row, dpi_, application_.Font(bold)), dpi_);
        }
        if (control.kind != ControlKind::Label) continue;
        if (bold && !application_.BoldLooksBold()) OverstrikeLabel(created);
        labels_[created] = LabelBoxOf(table_, row, dpi_, application_.Font(bold));
        FitLabel(created, labels_[created]);
    }
}

HWND Win32Form::Control(const std::string& name) const {
    auto found = controls_.find(name);
    return found != controls_.end() ? found->second : nullptr;
}

void Win32Form::Show() {
    closed_ = false;
    if (logic_ != nullptr) RunHandler(*this, [this] { logic_->FormShow(); });
    // Centred at every showing: a dialog dragged aside last time opens in the middle again.
    RECT frame;
    GetWindowRect(window_, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    lastFocus_ = GetNextDlgTabItem(window_, nullptr, FALSE);
    SetFocus(lastFocus_);
}

void Win32Form::ShowModalOver(HWND owner) {
    modal_ = true;
    EnableWindow(owner, FALSE);
    Show();
    int exitCode = 0;
    bool quit = false;
    while (!closed_ && !quit) quit = !application_.DispatchOne(exitCode);
    // The owner is enabled before this window hides, so that Windows activates it again.
    EnableWindow(owner, TRUE);
    ShowWindow(window_, SW_HIDE);
    modal_ = false;
    if (quit) PostQuitMessage(exitCode);
}

LRESULT CALLBACK Win32Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (form == nullptr || form->window_ == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return form->Handle(message, wParam, lParam);
}

LRESULT Win32Form::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) Click(LOWORD(wParam));
            return 0;
        case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_SETCURSOR:
            if (!busy_) break;
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
            return TRUE;
        case WM_SYSCOMMAND:
            // The main form minimises with the application's window, which carries the task-bar button.
            if ((wParam & 0xFFF0) == SC_MINIMIZE && !modal_) {
                SendMessageA(application_.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
                return 0;
            }
            break;
        case WM_ACTIVATE:
            // As dialogs do: the control that had the keyboard focus gets it back when the window is
            // active again, after a message box or the folder browser.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
            } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
                SetFocus(lastFocus_);
                return 0;
            }
            break;
        case WM_CLOSE:
            // Closing a window is cancelling it: nothing is written. A window that something
            // modal holds (a box, a dialog, the work of a configuration) cannot be closed, from
            // the close box, Alt+F4, the task bar or another program alike; nor can a dialog
            // that is not shown.
            if (IsWindowEnabled(window_) && (main_ || modal_)) Close();
            return 0;
        case WM_DESTROY:
            if (main_) PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void Win32Form::Click(int controlId) {
    if (logic_ == nullptr) return;
    for (size_t row = 0; row < table_.controlCount; ++row) {
        if (ControlId(table_, row) != controlId) continue;
        for (const ControlEvent& event : logic_->Events()) {
            if (event.control == table_.controls[row].name) RunHandler(*this, event.handler);
        }
    }
}

void Win32Form::SetText(const std::string& control, const std::string& text) {
    HWND window = Control(control);
    SetWindowTextA(window, text.c_str());
    auto label = labels_.find(window);
    if (label != labels_.end()) FitLabel(window, label->second);
}

std::string Win32Form::Text(const std::string& control) {
    HWND window = Control(control);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

void Win32Form::SetChecked(const std::string& control, bool checked) {
    SendMessageA(Control(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Form::Checked(const std::string& control) {
    return SendMessageA(Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Form::SetEnabled(const std::string& control, bool enabled) { EnableWindow(Control(control), enabled); }

bool Win32Form::Enabled(const std::string& control) { return IsWindowEnabled(Control(control)) != FALSE; }

BoxAnswer Win32Form::Ask(BoxKind kind, const std::string& text, BoxButtons buttons) {
    switch (MessageBoxA(window_, text.c_str(), BoxCaption(kind), BoxStyle(kind, buttons))) {
        case IDOK: return BoxAnswer::Ok;
        case IDYES: return BoxAnswer::Yes;
        case IDNO: return BoxAnswer::No;
        default: return BoxAnswer::Cancel;
    }
}

void Win32Form::ShowError(const std::string& message) {
    MessageBoxA(window_, message.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

bool Win32Form::OpenFile(const std::string& initialFolder, std::string& chosenFile) {
    // The filter's pairs as the dialog takes them, each text ending in a NUL.
    static const char kFilter[] = "ORL INF files (orl.inf]\0orl.inf\0Any file (*.*)\0*.*\0";
    char file[MAX_PATH * 4] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrInitialDir = initialFolder.c_str();
    // "inf", not "*.inf": Windows appends up to three characters of it to a name typed without
    // an extension, and "orl" must become "orl.inf".
    dialog.lpstrDefExt = "inf";
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOTESTFILECREATE |
                   OFN_ENABLESIZING | OFN_EXPLORER;
    if (!GetOpenFileNameA(&dialog)) return false;
    chosenFile = file;
    return true;
}

bool Win32Form::BrowseForFolder(const std::string& title, std::string& folder) {
    return orl::BrowseForFolder(application_.Window(), title, folder);
}

void Win32Form::ShowModal(const std::string& form) { application_.Form(form).ShowModalOver(window_); }

void Win32Form::Close() {
    if (main_) {
        DestroyWindow(window_);
    } else {
        closed_ = true;  // the modal loop hides the dialog
    }
}

void Win32Form::RunLong(const std::string& step, const std::function<void()>& work) {
    // There is no cancel: once started, the work runs to its end.
    application_.Progress().Begin(step);
    RunOnWorker(*this, work);
}

void Win32Form::SetBusy(bool busy) {
    busy_ = busy;
    EnableWindow(application_.Window(), !busy);  // it carries the task bar's Close
    EnableWindow(window_, !busy);
    if (busy) return;
    // The window is enabled before the progress window hides, so that Windows activates it
    // again and what it shows next (the outcome box) comes up in front.
    application_.Progress().Hide();
    SetForegroundWindow(window_);
}

void Win32Form::AnswerUntil(const std::atomic<bool>& done) {
    const DWORD started = GetTickCount();
    bool shown = false, quit = false;
    int exitCode = 0;
    while (!done) {
        // Short work shows no progress window, so that the usual case does not flicker.
        if (!shown && GetTickCount() - started >= 500) {
            application_.Progress().Show();
            shown = true;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                exitCode = static_cast<int>(message.wParam);
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    if (quit) PostQuitMessage(exitCode);  // for the window loop, once the work has ended
}

void Win32Form::Wake() { PostMessageA(window_, WM_NULL, 0, 0); }

}  // namespace orl
