#include "ui/win32/SelectFolder.h"

#include <ole2.h>
#include <shlobj.h>

namespace orl {

int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

bool BrowseForFolder(HWND ownerHandle, const std::string& title, std::string& folder) {
    // The new dialog style hosts shell views, which need COM in a single-threaded apartment.
    const HRESULT com = OleInitialize(nullptr);
    bool result = false;
    LPITEMIDLIST root = nullptr;
    SHGetSpecialFolderLocation(ownerHandle, CSIDL_DESKTOP, &root);
    char displayName[MAX_PATH] = "";
    BROWSEINFOA browse = {};
    browse.hwndOwner = GetActiveWindow();
    browse.pidlRoot = root;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = BrowseCallback;
    browse.lParam = reinterpret_cast<LPARAM>(folder.c_str());
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    if (chosen != nullptr) {
        char path[MAX_PATH] = "";
        if (SHGetPathFromIDListA(chosen, path)) {
            folder = path;
            result = true;
        }
        CoTaskMemFree(chosen);
    }
    CoTaskMemFree(root);
    if (SUCCEEDED(com)) OleUninitialize();
    return result;
}

}  // namespace orl
