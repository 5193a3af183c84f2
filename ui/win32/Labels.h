// Labels that show their whole text. The designed boxes fit Windows' Tahoma at 96 DPI; a font
// that measures wider (another face substituted, rounding at another DPI) needs more room.
#pragma once

#include <windows.h>

#include "ui/win32/FormTable.h"

namespace orl {

struct LabelBox {
    RECT designed;  // as the table gives it, scaled; no width: sized to its text, on one line
    RECT room;      // how far it may grow: to its parent's right edge, down to the control below
    HFONT font;     // the form's font for it
};

// The designed box of the label in `row` and the room around it, scaled by `dpi`.
LabelBox LabelBoxOf(const FormTable& form, size_t row, int dpi, HFONT font);

// The font `font` at another size; made once and kept for the life of the program.
HFONT FontOfSize(HFONT font, int pixels);

// Sizes the label to its text, in the form's font. A designed box that holds the whole text
// stays as it is; otherwise the label grows downward into the room below it or, where that is
// not enough, to the right edge of the room. The controls around it stay where they are. Where
// even the room cannot hold the text, the label takes the largest smaller size of the font (down
// to three quarters) that the room holds: smaller text rather than cut text.
void FitLabel(HWND label, const LabelBox& box);

// Draws the label's text twice, a pixel apart, as Windows draws a face that has no bold design:
// for a bold font that draws no heavier than the regular one.
void OverstrikeLabel(HWND label);

}  // namespace orl
