#include "ui/win32/Win32Form.h"

#include <commdlg.h>

#include <atomic>
#include <exception>
#include <thread>

#include "front/ProgramTexts.h"
#include "ui/win32/SelectFolder.h"
#include "ui/win32/Application.h"
#include "ui/win32/ProgressWindow.h"

namespace orl {

namespace {

const char kPanelClass[] = "TPanel";
const char kBevelClass[] = "TBevel";

// A panel draws its bevel (raised inner, lowered outer) and passes its controls' clicks on to
// the form, where the handlers are.
LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) return SendMessageA(GetAncestor(panel, GA_ROOT), message, wParam, lParam);
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(panel, &paint);
        RECT bounds;
        GetClientRect(panel, &bounds);
        DrawEdge(dc, &bounds, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
        EndPaint(panel, &paint);
        return 0;
    }
    return DefWindowProcA(panel, message, wParam, lParam);
}

// A bevel is a single etched line along its top.
LRESULT CALLBACK BevelProcedure(HWND bevel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(bevel, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(bevel, &paint);
    RECT bounds;
    GetClientRect(bevel, &bounds);
    DrawEdge(dc, &bounds, EDGE_ETCHED, BF_TOP);
    EndPaint(bevel, &paint);
    return 0;
}

void RegisterClass(const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.hInstance = GetModuleHandleA(nullptr);
    if (GetClassInfoA(windowClass.hInstance, name, &windowClass)) return;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

struct WindowKind {
    const char* windowClass;
    DWORD style;
    DWORD extendedStyle;
};

WindowKind KindOf(const ControlRow& control) {
    const DWORD tabStop = (control.style & kTabStop) ? WS_TABSTOP : 0;
    switch (control.kind) {
        case ControlKind::Panel: return {kPanelClass, 0, WS_EX_CONTROLPARENT};
        case ControlKind::Label:
            return {"STATIC",
                    static_cast<DWORD>(WS_CLIPSIBLINGS | SS_NOPREFIX |
                                       ((control.style & kWordWrap) ? SS_LEFT : SS_LEFTNOWORDWRAP)),
                    0};
        case ControlKind::FolderField: return {"EDIT", ES_READONLY | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Button:
            return {"BUTTON",
                    static_cast<DWORD>(WS_TABSTOP | ((control.style & kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)),
                    0};
        case ControlKind::RadioButton:
            return {"BUTTON", static_cast<DWORD>(BS_AUTORADIOBUTTON | ((control.style & kGroupStart) ? WS_TABSTOP : 0)),
                    0};
        case ControlKind::Bevel: return {kBevelClass, 0, 0};
        case ControlKind::Memo: return {"EDIT", ES_MULTILINE | ES_READONLY | tabStop, WS_EX_CLIENTEDGE};
    }
    return {"STATIC", 0, 0};
}

// A radio button continues its group unless it starts one; every other control starts one, so
// that the arrow keys move within the radio group only.
DWORD GroupStyle(const ControlRow& control) {
    return control.kind == ControlKind::RadioButton && !(control.style & kGroupStart) ? 0 : WS_GROUP;
}

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
    : application_(application), table_(table) {
    RegisterClass(kPanelClass, PanelProcedure);
    RegisterClass(kBevelClass, BevelProcedure);
    RegisterClass(table.className, Procedure);
    HDC screen = GetDC(nullptr);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const DWORD style = table.dialogBorder ? WS_POPUP | WS_CAPTION | WS_SYSMENU
                                           : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const DWORD extendedStyle = WS_EX_CONTROLPARENT | (table.dialogBorder ? WS_EX_DLGMODALFRAME : 0);
    RECT frame = {0, 0, Scale(table.clientWidth), Scale(table.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    window_ = CreateWindowExA(extendedStyle, table.className, table.caption, style | WS_CLIPCHILDREN,
                              (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                              width, height, owner, nullptr, GetModuleHandleA(nullptr), this);
    CreateControls();
}

int Win32Form::Scale(int designPixels) const { return MulDiv(designPixels, dpi_, 96); }

void Win32Form::CreateControls() {
    for (size_t row = 0; row < table_.controlCount; ++row) {
        const ControlRow& control = table_.controls[row];
        const WindowKind kind = KindOf(control);
        HWND parent = control.parent != nullptr ? Control(control.parent) : window_;
        HWND created = CreateWindowExA(kind.extendedStyle, kind.windowClass, control.text,
                                       WS_CHILD | WS_VISIBLE | GroupStyle(control) | kind.style, Scale(control.left),
                                       Scale(control.top), Scale(control.width), Scale(control.height), parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(table_, row))),
                                       GetModuleHandleA(nullptr), nullptr);
        SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(application_.Font(control.style & kBold)), FALSE);
        // A label's box reaches a few pixels into the next label's, as laid out. Each label lies
        // above the earlier ones and clips them, so that no background hides the top of the text
        // below it. Labels take no focus: the order of the controls that do stays as it is.
        if (control.kind == ControlKind::Label) {
            SetWindowPos(created, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        if (control.width == 0) {
            sizedToText_.insert(created);
            FitToText(created);
        }
        controls_[control.name] = created;
    }
}

void Win32Form::FitToText(HWND label) {
    char text[1024] = "";
    GetWindowTextA(label, text, sizeof text);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, size.cx, metrics.tmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Win32Form::Control(const std::string& name) const {
    auto found = controls_.find(name);
    return found != controls_.end() ? found->second : nullptr;
}

void Win32Form::Show() {
    closed_ = false;
    if (logic_ != nullptr) RunHandler(*this, [this] { logic_->FormShow(); });
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
            Close();  // closing a window is cancelling it: nothing is written
            return 0;
        case WM_DESTROY:
            if (!modal_) PostQuitMessage(0);
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
    if (sizedToText_.count(window) != 0) FitToText(window);
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
    if (modal_) {
        closed_ = true;
    } else {
        DestroyWindow(window_);
    }
}

void Win32Form::RunLong(const std::string& step, const std::function<void()>& work) {
    // The work runs on a thread of its own while this thread keeps every window answering; the
    // window is disabled meanwhile, and there is no cancel: once started, the work runs to its end.
    ProgressWindow& progress = application_.Progress();
    progress.Begin(step);
    busy_ = true;
    EnableWindow(window_, FALSE);
    std::exception_ptr error;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            error = std::current_exception();
        }
        done = true;
        PostMessageA(window_, WM_NULL, 0, 0);  // wakes the loop below
    });
    const DWORD started = GetTickCount();
    bool shown = false, quit = false;
    int exitCode = 0;
    while (!done) {
        // Short work shows no progress window, so that the usual case does not flicker.
        if (!shown && GetTickCount() - started >= 500) {
            progress.Show();
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
    worker.join();
    progress.Hide();
    EnableWindow(window_, TRUE);
    SetForegroundWindow(window_);
    busy_ = false;
    if (quit) PostQuitMessage(exitCode);
    if (error) std::rethrow_exception(error);
}

}  // namespace orl
