// Buttons, radio buttons and check boxes that show their whole text. The designed widths fit
// Windows' Tahoma at 96 DPI; a font that measures wider (another face substituted where Tahoma
// is missing) needs more room, as labels do.
#pragma once

#include <windows.h>

#include "ui/win32/Labels.h"

namespace orl {

// Widens the control to its text (and, for a radio button or check box, its mark) into the room
// to its right; where the room cannot hold it, the control takes the largest smaller size of its
// font (down to three quarters) that it holds. A text that fits the designed box leaves it as it is.
void FitButton(HWND button, const LabelBox& box, int dpi);

}  // namespace orl
