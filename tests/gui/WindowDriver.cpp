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

#include "ui/win32/FormTable.h"

namespace {

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

// A state the program reaches once it has handled what was posted to it.
bool Eventually(const std::function<bool()>& holds) {
    for (int waited = 0; waited < 3000; waited += 50) {
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

// The top-level windows (no parent given) or every descendant of the parent.
std::vector<HWND> Windows(HWND parent = nullptr) {
    std::vector<HWND> windows;
    if (parent == nullptr) {
        EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    } else {
        EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&windows));
    }
    return windows;
}

// A visible top-level window of the program with the class (and caption, when given).
HWND FindProgramWindow(const std::string& className, const std::string& caption = "") {
    for (HWND window : Windows()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == program.dwProcessId && IsWindowVisible(window) && ClassOf(window) == className &&
            (caption.empty() || WindowText(window) == caption)) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitFor(const std::string& className, const std::string& caption = "") {
    for (int waited = 0; waited < 30000; waited += 50) {
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
    return row < 0 || form == nullptr ? nullptr : Child(form, orl::ControlId(*table, row));
}

int Dpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Scale(int pixels) { return MulDiv(pixels, Dpi(), 96); }

// Every control of the form's table at its place and size, with its designed text; a label
// sized to its text has some width and one line's height.
void CheckLayout() {
    RECT client;
    GetClientRect(form, &client);
    Check(client.right == Scale(table->clientWidth) && client.bottom == Scale(table->clientHeight),
          "client area " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
    for (size_t row = 0; row < table->controlCount; ++row) {
        const orl::ControlRow& control = table->controls[row];
        HWND window = Control(control.name);
        if (window == nullptr) continue;
        RECT bounds;
        GetWindowRect(window, &bounds);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
        const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
        std::string where = std::string(control.name) + " at " + std::to_string(bounds.left) + "," +
                            std::to_string(bounds.top) + " " + std::to_string(width) + "x" + std::to_string(height);
        Check(bounds.left == Scale(control.left) && bounds.top == Scale(control.top), where);
        if (control.width == 0) {
            Check(width > 0 && height > Scale(10) && height < Scale(16), where);
        } else {
            Check(width == Scale(control.width) && height == Scale(control.height), where);
        }
        const bool statusLine = control.style & orl::kBold;
        if (*control.text && !statusLine)
            Check(WindowText(window) == control.text, std::string(control.name) + " text");
        const LONG style = GetWindowLongA(window, GWL_STYLE);
        if (control.kind == orl::ControlKind::FolderField) {
            Check((style & ES_READONLY) && !(style & WS_TABSTOP),
                  std::string(control.name) + " read-only, no tab stop");
        }
        if (control.style & orl::kDefault) Check((style & 0xF) == BS_DEFPUSHBUTTON, "default button");
    }
}

void Screenshot(const std::string& name) {
    char marker[MAX_PATH] = "";
    GetEnvironmentVariableA("ORL_SHOT_MARKER", marker, MAX_PATH);
    std::string path = std::string(marker) + "." + name;
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (int i = 0; i < 200 && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
}

// The program's message box (or dialog) with the caption; its text and buttons are checked and
// the button named is pressed.
void AnswerBox(const std::string& caption, const std::string& text, const std::string& button,
               const std::string& screenshot) {
    HWND box = WaitFor("#32770", caption);
    if (box == nullptr) return;
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

// A text in the program's memory, for messages that carry a pointer.
LPVOID RemoteText(const std::string& text) {
    HANDLE process = program.hProcess;
    LPVOID remote = VirtualAllocEx(process, nullptr, text.size() + 1, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process, remote, text.c_str(), text.size() + 1, nullptr);
    return remote;
}

HWND BrowserTree(HWND browser) {
    for (HWND window : Windows(browser)) {
        if (ClassOf(window) == WC_TREEVIEWA) return window;
    }
    return nullptr;
}

// An item's display text, read from the program's memory.
std::string ItemText(HWND tree, HTREEITEM item) {
    char* remote = static_cast<char*>(
        VirtualAllocEx(program.hProcess, nullptr, sizeof(TVITEMA) + 260, MEM_COMMIT, PAGE_READWRITE));
    TVITEMA request = {};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = remote + sizeof(TVITEMA);
    request.cchTextMax = 260;
    WriteProcessMemory(program.hProcess, remote, &request, sizeof request, nullptr);
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote));
    char name[260] = "";
    ReadProcessMemory(program.hProcess, remote + sizeof(TVITEMA), name, sizeof name, nullptr);
    VirtualFreeEx(program.hProcess, remote, 0, MEM_RELEASE);
    return name;
}

HTREEITEM Selected(HWND tree) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

std::string SelectedFolderName(HWND browser) {
    HWND tree = BrowserTree(browser);
    return tree != nullptr ? ItemText(tree, Selected(tree)) : "<no tree>";
}

// Chooses a folder in the browser: by the browser's own message, or, where Wine's browser does
// not move to a folder beside the one selected, by clicking the sibling of that name.
void ChooseFolder(HWND browser, const std::string& path) {
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(RemoteText(path)));
    HWND tree = BrowserTree(browser);
    const std::string name = LastComponent(path);
    if (ItemText(tree, Selected(tree)) == name) return;
    auto parent = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(Selected(tree))));
    auto item =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)));
    for (; item != nullptr; item = reinterpret_cast<HTREEITEM>(
                                SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        if (ItemText(tree, item) == name)
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
}

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
    } else if (command == "key") {  // a key pressed where the focus is: TAB, RETURN, ESCAPE, DOWN
        const std::pair<const char*, WPARAM> keys[] = {
            {"TAB", VK_TAB}, {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"DOWN", VK_DOWN}};
        for (const auto& [name, key] : keys) {
            if (first == name) PostMessageA(Focused(), WM_KEYDOWN, key, 1);
        }
        Sleep(300);
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
        Check(WaitForSingleObject(program.hProcess, 20000) == WAIT_OBJECT_0, "the program did not end");
        DWORD status = 0;
        GetExitCodeProcess(program.hProcess, &status);
        Check(std::to_string(status) == first, "exit status " + std::to_string(status));
    } else {
        Check(false, "unknown command " + command);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::ifstream script(argv[1]);
    std::string line;
    while (std::getline(script, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        const size_t blank = line.find(' ');
        Run(line.substr(0, blank), Arguments(blank == std::string::npos ? "" : line.substr(blank + 1)));
        if (failures > 0) break;
        Sleep(100);
    }
    if (program.hProcess != nullptr && WaitForSingleObject(program.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(program.hProcess, 99);
    }
    std::printf(failures == 0 ? "driver: all checks held\n" : "driver: %d check(s) failed\n", failures);
    return failures == 0 ? 0 : 1;
}
