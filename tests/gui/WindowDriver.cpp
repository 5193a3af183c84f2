// Drives the window build from outside, as a person would, by a script: starts the program,
// finds its windows by class and their controls by the names of the windows' tables, reads
// texts, positions, sizes, enabled and check states back from the real windows, clicks, types
// keys, answers message boxes, the file-open dialog and the shell's folder browser, and waits
// for the program's end.
//
//   orl_window_driver.exe SCRIPT       (one command per line; arguments separated by " | ";
//                                       "\r\n" in texts stands for CR LF)
//
// Prints each command as it runs; exit status 0 when every check held.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/gui/Driver.h"

namespace driver {

using orl::FormTable;

PROCESS_INFORMATION program = {};
HWND form = nullptr;
const FormTable* table = nullptr;
int failures = 0;

void Check(bool holds, const std::string& what) {
    if (holds) return;
    ++failures;
    std::printf("  FAILED: %s\n", what.c_str());
}

// A state the program reaches once it has handled what was posted to it; on a loaded machine
// that may take seconds.
bool Eventually(const std::function<bool()>& holds) {
    for (int waited = 0; waited < 10000; waited += 50) {
        if (holds()) return true;
        Sleep(50);
    }
    return holds();
}

std::string Unescape(std::string text) {
    for (size_t at; (at = text.find("\\r\\n")) != std::string::npos;) text.replace(at, 4, "\r\n");
    return text;
}

std::string WindowText(HWND window) {
    char text[8192] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK Collect(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::vector<HWND> Windows(HWND parent) {
    std::vector<HWND> windows;
    if (parent == nullptr) {
        EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    } else {
        EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&windows));
    }
    return windows;
}

// A visible top-level window of the program with the class (and caption, when given).
HWND FindProgramWindow(const std::string& className, const std::string& caption = "", bool hiddenToo = false) {
    for (HWND window : Windows()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == program.dwProcessId && (hiddenToo || IsWindowVisible(window)) && ClassOf(window) == className &&
            (caption.empty() || WindowText(window) == caption)) {
            return window;
        }
    }
    return nullptr;
}

// The window that the program shows next; the end of a long configuration may take minutes on a
// loaded machine.
HWND WaitFor(const std::string& className, const std::string& caption = "") {
    for (int waited = 0; waited < 180000; waited += 50) {
        if (HWND window = FindProgramWindow(className, caption)) return window;
        if (WaitForSingleObject(program.hProcess, 50) == WAIT_OBJECT_0) break;
    }
    Check(false, "no window " + className + " " + caption);
    return nullptr;
}

// The descendant with the identifier (and of the class, when given): a dialog's list view may
// share its identifier with the OK button.
HWND Child(HWND parent, int id, const std::string& className = "") {
    for (HWND window : Windows(parent)) {
        if (GetDlgCtrlID(window) == id && (className.empty() || ClassOf(window) == className)) return window;
    }
    return nullptr;
}

HWND Button(HWND dialog, int id) { return Child(dialog, id, "Button"); }

const FormTable* TableOf(const std::string& className) {
    for (const FormTable* candidate :
         {&orl::MainConfigFormTable(), &orl::RedirectFormTable(), &orl::ParamInfoFormTable()}) {
        if (className == candidate->className) return candidate;
    }
    return nullptr;
}

int Row(const std::string& name) {
    for (size_t row = 0; table != nullptr && row < table->controlCount; ++row) {
        if (name == table->controls[row].name) return static_cast<int>(row);
    }
    Check(false, "no control " + name);
    return -1;
}

HWND Control(const std::string& name) {
    int row = Row(name);
    HWND control = row < 0 || form == nullptr ? nullptr : Child(form, orl::ControlId(*table, row));
    Check(control != nullptr, "no control " + name + " in the window");
    return control;
}

int Dpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Scale(int pixels) { return MulDiv(pixels, Dpi(), 96); }

void Screenshot(const std::string& name) {
    char marker[MAX_PATH] = "";
    GetEnvironmentVariableA("ORL_SHOT_MARKER", marker, MAX_PATH);
    std::string path = std::string(marker) + "." + name;
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (int i = 0; i < 200 && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
}

// The program's message box (or dialog) with the caption, in front; its text and buttons are
// checked and the button named is pressed.
void AnswerBox(const std::string& caption, const std::string& text, const std::string& button,
               const std::string& screenshot) {
    HWND box = WaitFor("#32770", caption);
    if (box == nullptr) return;
    Check(Eventually([&] { return GetForegroundWindow() == box; }), "the box is not in front");
    Check(WindowText(Child(box, 0xFFFF)) == text, "box text: " + WindowText(Child(box, 0xFFFF)));
    if (!screenshot.empty()) Screenshot(screenshot);
    const std::pair<const char*, int> buttons[] = {{"&Yes", IDYES}, {"&No", IDNO}, {"Cancel", IDCANCEL}, {"OK", IDOK}};
    for (const auto& [label, id] : buttons) {
        std::string wanted = label;
        if (wanted == "&" + button || wanted == button) {
            HWND pressed = Button(box, id);
            Check(pressed != nullptr && WindowText(pressed) == label, "button " + button);
            PostMessageA(pressed, BM_CLICK, 0, 0);
        }
    }
}

std::string LastComponent(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

bool HasStaticText(HWND window, const std::string& text) {
    for (HWND child : Windows(window)) {
        if (WindowText(child) == text) return true;
    }
    return false;
}

HWND Focused() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(program.dwThreadId, &info);
    return info.hwndFocus;
}

// Shift+Tab as the keyboard gives it, so that the program sees Shift held down.
void PressShiftTab() {
    SetForegroundWindow(GetAncestor(Focused(), GA_ROOT));
    const WORD codes[] = {VK_SHIFT, VK_TAB, VK_TAB, VK_SHIFT};
    INPUT keys[4] = {};
    for (int at = 0; at < 4; ++at) {
        keys[at].type = INPUT_KEYBOARD;
        keys[at].ki.wVk = codes[at];
        keys[at].ki.dwFlags = at < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    Check(SendInput(4, keys, sizeof(INPUT)) == 4, "Shift+Tab typed");
}

// A way of closing: WM_CLOSE or SC_CLOSE sent (as another program or the task bar sends
// them), or Alt+F4 posted to the window as the keyboard would.
void SendClose(const std::string& className, const std::string& how) {
    HWND target = FindProgramWindow(className, "", true);
    Check(target != nullptr, "no window " + className);
    DWORD_PTR answer = 0;
    if (how == "ALT+F4") {
        PostMessageA(target, WM_SYSKEYDOWN, VK_F4, 1 << 29);  // bit 29: Alt held down
        Sleep(200);                                           // handled in its turn
    } else {
        const bool system = how == "SC_CLOSE";
        Check(SendMessageTimeoutA(target, system ? WM_SYSCOMMAND : WM_CLOSE, system ? SC_CLOSE : 0, 0, SMTO_ABORTIFHUNG,
                                  5000, &answer) != 0,
              className + " did not answer " + how);
    }
}

// Long work still going: its progress window shown, the main window and the application's window
// there and disabled.
void CheckBusy() {
    HWND application = FindProgramWindow("TApplication", "", true);
    Check(FindProgramWindow("TProgressForm") != nullptr, "the work has ended");
    Check(IsWindow(form) && application != nullptr, "the main window or the application's window is gone");
    Check(!IsWindowEnabled(application) && !IsWindowEnabled(form), "windows enabled during the work");
}

std::vector<std::string> Arguments(const std::string& rest) {
    std::vector<std::string> arguments;
    size_t start = 0;
    for (size_t bar; (bar = rest.find(" | ", start)) != std::string::npos; start = bar + 3) {
        arguments.push_back(Unescape(rest.substr(start, bar - start)));
    }
    arguments.push_back(Unescape(rest.substr(start)));
    return arguments;
}

void Run(const std::string& command, const std::vector<std::string>& a) {
    const std::string first = a[0];
    const std::string second = a.size() > 1 ? a[1] : "";
    if (command == "start") {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string line = first;
        Check(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program),
              "start");
    } else if (command == "form") {
        form = WaitFor(first);
        table = TableOf(first);
    } else if (command == "caption") {
        Check(Eventually([&] { return WindowText(form) == first; }), "caption " + WindowText(form));
    } else if (command == "layout") {
        CheckLayout();
    } else if (command == "text") {
        Check(Eventually([&] { return WindowText(Control(first)) == second; }),
              first + " reads " + WindowText(Control(first)));
    } else if (command == "enabled") {
        Check(Eventually([&] { return (IsWindowEnabled(Control(first)) != FALSE) == (second == "1"); }),
              first + " enabled");
    } else if (command == "checked") {
        Check(Eventually(
                  [&] { return (SendMessageA(Control(first), BM_GETCHECK, 0, 0) == BST_CHECKED) == (second == "1"); }),
              first + " checked");
    } else if (command == "focus") {
        Check(Eventually([&] { return Focused() == Control(first); }), first + " has the focus");
    } else if (command == "click") {
        PostMessageA(Control(first), BM_CLICK, 0, 0);
    } else if (command == "key") {  // a key pressed where the focus is: TAB, RETURN, ESCAPE, DOWN, SHIFT+TAB
        const std::pair<const char*, WPARAM> keys[] = {
            {"TAB", VK_TAB}, {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"DOWN", VK_DOWN}};
        for (const auto& [name, key] : keys) {
            if (first == name) PostMessageA(Focused(), WM_KEYDOWN, key, 1);
        }
        if (first == "SHIFT+TAB") PressShiftTab();
        Sleep(300);
    } else if (command == "close") {  // WINDOW-CLASS | WM_CLOSE, SC_CLOSE or ALT+F4
        SendClose(first, second);
    } else if (command == "busy") {
        CheckBusy();
    } else if (command == "labels") {
        CheckLabels();
    } else if (command == "bold") {
        CheckBold(first);
    } else if (command == "centred") {
        CheckCentred();
    } else if (command == "move") {  // the form dragged aside, to LEFT | TOP
        SetWindowPos(form, nullptr, std::stoi(first), std::stoi(second), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        RECT frame;
        Check(Eventually([&] { return GetWindowRect(form, &frame) && frame.left == std::stoi(first); }), "moved");
    } else if (command == "box") {
        AnswerBox(first, second, a.at(2), a.size() > 3 ? a[3] : "");
    } else if (command == "open") {  // the file-open dialog: a file name typed, then Open
        HWND dialog = WaitFor("#32770", "Open");
        HWND edit = Child(dialog, 0x47C, "Edit");  // the file name box
        Check(edit != nullptr, "the file name box");
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(first.c_str()));
        Screenshot("open-dialog");
        PostMessageA(Button(dialog, IDOK), BM_CLICK, 0, 0);
    } else if (command == "browse") {  // title | the name selected at first ("*": any) | the folder chosen
        HWND browser = WaitFor("#32770");
        Sleep(500);
        Check(HasStaticText(browser, first), "browser title");
        const std::string selected = SelectedFolderName(browser);
        Check(second == "*" || selected == second, "browser selection " + selected);
        Screenshot("folder-browser");
        if (a.size() > 2) {
            ChooseFolder(browser, a[2]);
            Check(Eventually([&] { return SelectedFolderName(browser) == LastComponent(a[2]); }),
                  "chosen in the browser: " + SelectedFolderName(browser));
            PostMessageA(Button(browser, IDOK), BM_CLICK, 0, 0);
        } else {
            PostMessageA(Button(browser, IDCANCEL), BM_CLICK, 0, 0);
        }
    } else if (command == "shot") {
        Screenshot(first);
    } else if (command == "gone") {  // the form is hidden or closed
        Check(Eventually([&] { return !IsWindow(form) || !IsWindowVisible(form); }), "still shown");
    } else if (command == "minimize") {  // minimised from its caption, restored from the task bar
        SendMessageA(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        HWND application = FindWindowA("TApplication", nullptr);
        Check(Eventually([&] { return IsIconic(application) && !IsWindowVisible(form); }),
              "minimised: " + std::to_string(IsIconic(application)) + std::to_string(IsWindowVisible(form)));
        SendMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
        Check(Eventually([&] { return !IsIconic(application) && IsWindowVisible(form); }), "restored");
        Check(WindowText(application) == first, "task-bar title " + WindowText(application));
    } else if (command == "working") {  // long work: the progress window, a changing file, answers
        HWND progress = WaitFor("TProgressForm");
        std::vector<HWND> labels = progress != nullptr ? Windows(progress) : std::vector<HWND>();
        HWND file = labels.size() > 1 ? labels[1] : nullptr;
        Check(file != nullptr, "the progress window's file");
        Screenshot("progress-window");
        const std::string first = WindowText(file);
        Check(Eventually([&] { return WindowText(file) != first; }), "the file shown does not change: " + first);
        DWORD_PTR answer = 0;
        Check(SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer) != 0,
              "the main window did not answer within a second");
        Check(!IsHungAppWindow(form), "the main window is reported hung");
        std::printf("  showed %s, then %s\n", first.c_str(), WindowText(file).c_str());
    } else if (command == "exit") {
        Check(WaitForSingleObject(program.hProcess, 60000) == WAIT_OBJECT_0, "the program did not end");
        DWORD status = 0;
        GetExitCodeProcess(program.hProcess, &status);
        Check(std::to_string(status) == first, "exit status " + std::to_string(status));
    } else {
        Check(false, "unknown command " + command);
    }
}

}  // namespace driver

int main(int argc, char** argv) {
    std::ifstream script(argc < 2 ? "" : argv[1]);
    std::string line;
    int commands = 0;
    while (std::getline(script, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        ++commands;
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        const size_t blank = line.find(' ');
        const DWORD started = GetTickCount();
        driver::Run(line.substr(0, blank), driver::Arguments(blank == std::string::npos ? "" : line.substr(blank + 1)));
        const DWORD took = GetTickCount() - started;
        if (took >= 2000) std::printf("  (%lu ms)\n", static_cast<unsigned long>(took));
        if (driver::failures > 0) break;
        Sleep(100);
    }
    const PROCESS_INFORMATION& program = driver::program;
    if (program.hProcess != nullptr && WaitForSingleObject(program.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(program.hProcess, 99);
    }
    // A script that could not be read, or that holds nothing to do, checks nothing.
    if (commands == 0) driver::Check(false, "the script holds no command");
    const int failures = driver::failures;
    std::printf(failures == 0 ? "driver: all checks held\n" : "driver: %d check(s) failed\n", failures);
    return failures == 0 ? 0 : 1;
}
