#include "ui/win32/Application.h"

namespace orl {

namespace {

const char kApplicationClass[] = "TApplication";
const LONG_PTR kMainFormMark = 1;

LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY && GetWindowLongPtrA(window, GWLP_USERDATA) == kMainFormMark) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

void Register(const char* className) {
    WNDCLASSA windowClass = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), className, &windowClass)) return;
    windowClass.lpfnWndProc = FormProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
}

}  // namespace

Application::Application(const std::string& title) {
    Register(kApplicationClass);
    window_ = CreateWindowExA(0, kApplicationClass, title.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
}

HWND Application::CreateForm(const char* className, const char* caption, int clientWidth, int clientHeight) {
    Register(className);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HWND form = CreateWindowExA(0, className, caption, style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (mainForm_ == nullptr) {
        mainForm_ = form;
        SetWindowLongPtrA(form, GWLP_USERDATA, kMainFormMark);
    }
    return form;
}

int Application::Run() {
    ShowWindow(mainForm_, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace orl
