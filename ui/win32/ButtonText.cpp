#include "ui/win32/ButtonText.h"

#include <algorithm>
#include <string>

namespace orl {

namespace {

bool HasMark(HWND button) {
    switch (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return true;
        default: return false;
    }
}

// The width the control needs for its text in `font`: the text, and around it a push button's
// edges and margins, or the mark of a radio button or check box with the gap after it and the
// focus rectangle.
int NeedsWidth(HWND button, HFONT font, int dpi) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(button)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(button, &text[0], static_cast<int>(text.size()))));
    HDC dc = GetDC(button);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    const int around = HasMark(button) ? MulDiv(13, dpi, 96) + metrics.tmAveCharWidth + 2 : MulDiv(10, dpi, 96);
    return size.cx + around;
}

}  // namespace

void FitButton(HWND button, const LabelBox& box, int dpi) {
    LOGFONTA base = {};
    GetObjectA(box.font, sizeof base, &base);
    const int pixels = static_cast<int>(base.lfHeight < 0 ? -base.lfHeight : base.lfHeight);
    const int designed = box.designed.right - box.designed.left, height = box.designed.bottom - box.designed.top;
    const int widest = std::max<int>(designed, box.room.right - box.designed.left);
    HFONT font = box.font;
    int width = widest;
    for (int size = pixels; size >= pixels * 3 / 4; --size) {
        const int needs = NeedsWidth(button, FontOfSize(box.font, size), dpi);
        if (needs > widest) continue;
        font = FontOfSize(box.font, size);
        width = std::max(designed, needs);
        break;
    }
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowPos(button, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace orl
