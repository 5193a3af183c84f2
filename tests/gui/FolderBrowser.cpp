// The shell's folder browser driven from outside: its tree read and its selection moved through
// the program's own memory.
#include "tests/gui/Driver.h"

#include <commctrl.h>
#include <shlobj.h>

namespace driver {

namespace {

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

}  // namespace

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

}  // namespace driver
