#include "ui/win32/ProgressWindow.h"

#include <commctrl.h>

#include "core/Text.h"

namespace orl {

namespace {

const char kProgressClass[] = "TProgressForm";
const UINT kActivityMessage = WM_APP + 1;  // the latest activity waits in the window's object

// What a file activity means to the person watching.
std::string StepOf(FileActivity activity, const std::string& path, const std::string& workStep) {
    if (activity == FileActivity::Writing) return "Writing settings";
    if (activity == FileActivity::Copying) {
        return LowerAZ(path).find("\\orl backup ") != std::string::npos ? "Backing up" : "Copying data";
    }
    return workStep;
}

}  // namespace

ProgressWindow::ProgressWindow(HWND owner, HFONT font, const std::string& caption) : owner_(owner) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32514));  // IDC_WAIT
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kProgressClass;
    RegisterClassA(&windowClass);
    HDC screen = GetDC(nullptr);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    const DWORD style = WS_POPUP | WS_CAPTION, extendedStyle = WS_EX_DLGMODALFRAME;
    RECT frame = {0, 0, Scale(420), Scale(96)};
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    window_ = CreateWindowExA(extendedStyle, kProgressClass, caption.c_str(), style,
                              (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                              width, height, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    auto child = [&](const char* windowClass, DWORD childStyle, int top, int height) {
        HWND made = CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | childStyle, Scale(12), Scale(top),
                                    Scale(396), Scale(height), window_, nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return made;
    };
    step_ = child("STATIC", SS_LEFT | SS_NOPREFIX, 12, 16);
    file_ = child("STATIC", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, 34, 16);
    bar_ = child(PROGRESS_CLASSA, PBS_MARQUEE, 60, 18);
}

int ProgressWindow::Scale(int designPixels) const { return MulDiv(designPixels, dpi_, 96); }

void ProgressWindow::OnActivity(FileActivity activity, const std::string& path) {
    {
        std::lock_guard<std::mutex> lock(latestLock_);
        latest_ = {activity, path};
    }
    // One message waits at most; the window shows the latest activity when it comes to it. A
    // message that cannot be posted lets the next activity try again.
    if (!posted_.exchange(true) && !PostMessageA(window_, kActivityMessage, 0, 0)) posted_ = false;
}

void ProgressWindow::ShowLatest() {
    posted_ = false;  // an activity from now on posts again
    Activity latest;
    {
        std::lock_guard<std::mutex> lock(latestLock_);
        latest = latest_;
    }
    Show(latest.activity, latest.path);
}

void ProgressWindow::Begin(const std::string& step) {
    workStep_ = step;
    {
        std::lock_guard<std::mutex> lock(latestLock_);
        latest_ = {FileActivity::Listing, std::string()};
    }
    SetWindowTextA(step_, step.c_str());
    SetWindowTextA(file_, "");
}

void ProgressWindow::Show() {
    // Centred over the window that waits for it.
    RECT owner, own;
    GetWindowRect(owner_, &owner);
    GetWindowRect(window_, &own);
    const int width = own.right - own.left, height = own.bottom - own.top;
    SetWindowPos(window_, HWND_TOP, (owner.left + owner.right - width) / 2, (owner.top + owner.bottom - height) / 2, 0,
                 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SendMessageA(bar_, PBM_SETMARQUEE, TRUE, 30);  // the amount of work is not known beforehand
}

void ProgressWindow::Hide() {
    SendMessageA(bar_, PBM_SETMARQUEE, FALSE, 0);
    ShowWindow(window_, SW_HIDE);
}

void ProgressWindow::Show(FileActivity activity, const std::string& path) {
    SetWindowTextA(step_, StepOf(activity, path, workStep_).c_str());
    SetWindowTextA(file_, path.c_str());
}

LRESULT CALLBACK ProgressWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kActivityMessage) {
        auto* progress = reinterpret_cast<ProgressWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (progress != nullptr) progress->ShowLatest();
        return 0;
    }
    if (message == WM_CLOSE) return 0;  // a configuration once started runs to its end
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace orl
