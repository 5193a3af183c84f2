// What the parts of the window driver share: the program driven, the form in hand, and checks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/win32/FormTable.h"

namespace driver {

extern PROCESS_INFORMATION program;
extern HWND form;                    // the form in hand
extern const orl::FormTable* table;  // its table

// Counts a failure, printed with `what`, unless `holds`.
void Check(bool holds, const std::string& what);
std::string WindowText(HWND window);
std::string ClassOf(HWND window);
// The last part of a Windows path.
std::string LastComponent(const std::string& path);
// The top-level windows (no parent given) or every descendant of the parent.
std::vector<HWND> Windows(HWND parent = nullptr);
// The control of the form in hand with the name of its table.
HWND Control(const std::string& name);
int Dpi();
int Scale(int pixels);

// The folder browser's selected folder, by its display name.
std::string SelectedFolderName(HWND browser);
// Moves the browser's selection to the folder `path`.
void ChooseFolder(HWND browser, const std::string& path);

// Every control of the form's table at its place and size, with its designed text.
void CheckLayout();
// No label's text is cut: it fits the label's client area, the label lies within its parent,
// and no other control covers its lines. No button's or radio button's text is cut either.
void CheckLabels();
// The control's text on the screen carries visibly more ink than the same text drawn regular.
void CheckBold(const std::string& control);
// The form lies in the middle of the screen.
void CheckCentred();

}  // namespace driver
