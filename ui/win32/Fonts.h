// The forms' font, Tahoma 8 point at the screen's DPI, and whether its bold face looks bold.
#pragma once

#include <windows.h>

namespace orl {

// The screen's pixels per inch (96 when the system does not say).
int ScreenDpi();
HFONT MakeFont(int dpi, bool bold);
// Whether text drawn in `bold` carries visibly more ink than in `regular`. Wine's Tahoma Bold
// has the outlines of the regular face: drawn from them, above 12 pixels, it looks regular.
bool BoldDrawsHeavier(HFONT regular, HFONT bold);

}  // namespace orl
