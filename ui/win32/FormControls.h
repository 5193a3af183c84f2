// The real windows of a form's table: one child window per control row, scaled to the DPI.
#pragma once

#include <windows.h>

#include "ui/win32/FormTable.h"

namespace orl {

// Registers the window classes of panels and bevels; once per process is enough, more is harmless.
void RegisterControlClasses();

// Creates the control of `row` inside `parent`, with the font given, its box scaled by `dpi`.
HWND CreateControl(const FormTable& form, size_t row, HWND parent, HFONT font, int dpi);

}  // namespace orl
