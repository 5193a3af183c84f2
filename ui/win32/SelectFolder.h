// The shell's folder browser, opened with a folder preselected.
#pragma once

#include <windows.h>

#include <string>

namespace orl {

// Runs the browser, owned by the window active now, rooted at the desktop (whose item list is
// got for `ownerHandle`), with `title` and `folder` preselected. True, and `folder` the chosen
// folder's full path (no trailing backslash but at a drive root), when a file-system folder is
// accepted; false, `folder` unchanged, when cancelled or when the choice has no such path.
bool BrowseForFolder(HWND ownerHandle, const std::string& title, std::string& folder);

// The browser's callback: on BFFM_INITIALIZED selects the folder passed as `data`. Returns 0.
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM parameter, LPARAM data);

}  // namespace orl
