#include "ui/win32/Application.h"

#include "ui/win32/Fonts.h"

namespace orl {

namespace {

const char kApplicationClass[] = "TApplication";

// The application's window is never seen itself (it has no size); it carries the task-bar
// button. Minimising the main form minimises it, which hides the windows it owns; restoring it
// from the task bar brings them back. Closing it from the task bar closes the main form, as its
// own close box would; the main form refuses while something modal holds it.
LRESULT CALLBACK ApplicationProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        auto* application = reinterpret_cast<Application*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (application != nullptr && IsWindowEnabled(window)) application->CloseMainForm();
        return 0;
    }
    if (message != WM_SYSCOMMAND) return DefWindowProcA(window, message, wParam, lParam);
    if ((wParam & 0xFFF0) == SC_MINIMIZE) ShowOwnedPopups(window, FALSE);
    LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    if ((wParam & 0xFFF0) == SC_RESTORE) {
        ShowOwnedPopups(window, TRUE);
        SetForegroundWindow(GetLastActivePopup(window));
    }
    return result;
}

}  // namespace

Application::Application(const std::string& title) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ApplicationProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kApplicationClass;
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, kApplicationClass, title.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const int dpi = ScreenDpi();
    font_ = MakeFont(dpi, false);
    boldFont_ = MakeFont(dpi, true);
    boldLooksBold_ = BoldDrawsHeavier(font_, boldFont_);
}

void Application::CloseMainForm() {
    if (!forms_.empty()) SendMessageA(forms_.front()->Window(), WM_CLOSE, 0, 0);
}

Application::~Application() {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);  // no message finds this object once it is gone
}

ProgressWindow& Application::Progress() {
    if (!progress_) {
        char title[256] = "";
        GetWindowTextA(window_, title, sizeof title);
        progress_ = std::make_unique<ProgressWindow>(forms_.front()->Window(), font_, title);
    }
    return *progress_;
}

Win32Form& Application::CreateForm(const FormTable& table) {
    HWND owner = forms_.empty() ? window_ : forms_.front()->Window();
    forms_.push_back(std::make_unique<Win32Form>(*this, table, owner));
    return *forms_.back();
}

Win32Form& Application::Form(const std::string& className) {
    for (auto& form : forms_) {
        if (className == form->ClassName()) return *form;
    }
    return *forms_.front();
}

bool Application::DispatchOne(int& exitCode) {
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
        exitCode = static_cast<int>(message.wParam);
        return false;
    }
    // Tab, the arrow keys in a radio group, Enter and Esc work in every form as in a dialog.
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    for (auto& form : forms_) {
        if (root == form->Window() && IsDialogMessageA(root, &message)) return true;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

int Application::Run() {
    ShowWindow(window_, SW_SHOWNORMAL);
    forms_.front()->Show();
    int exitCode = 0;
    while (DispatchOne(exitCode)) {
    }
    return exitCode;
}

}  // namespace orl
