#include "ui/win32/Labels.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace orl {

namespace {

const int kBevel = 2;  // a panel's edge, inside its box

// The property that marks an overstruck label (the subclass itself cannot be asked for: not every
// import library of comctl32 has GetWindowSubclass).
const char kOverstruck[] = "orl.overstruck";

bool Overstruck(HWND label);

std::string LabelText(HWND label) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(label)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(label, &text[0], static_cast<int>(text.size()))));
    return text;
}

// The flags with which the static control draws its text.
UINT TextFlags(HWND label) {
    const LONG style = GetWindowLongA(label, GWL_STYLE);
    return DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX | ((style & SS_TYPEMASK) == SS_LEFT ? DT_WORDBREAK : 0);
}

// The room the label's text takes when drawn within `width` (its lines' widest and their height).
SIZE TextNeeds(HWND label, int width) {
    const int extra = Overstruck(label) ? 1 : 0;
    RECT box = {0, 0, width - extra, 0};
    const std::string text = LabelText(label);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, TextFlags(label) | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return {box.right + extra, box.bottom};
}

const ControlRow* FindRow(const FormTable& form, const char* name) {
    for (size_t row = 0; name != nullptr && row < form.controlCount; ++row) {
        if (std::strcmp(form.controls[row].name, name) == 0) return &form.controls[row];
    }
    return nullptr;
}

bool SameParent(const ControlRow& one, const ControlRow& other) {
    return one.parent == other.parent || (one.parent && other.parent && std::strcmp(one.parent, other.parent) == 0);
}

// In design units: right to the parent's inner edge (a window-level label keeps its left margin
// on the right too) or to a control beside it; down to the first control below it.
RECT DesignRoom(const FormTable& form, const ControlRow& label) {
    const ControlRow* parent = FindRow(form, label.parent);
    RECT room = {label.left, label.top, parent ? parent->width - kBevel : form.clientWidth - label.left,
                 parent ? parent->height - kBevel : form.clientHeight};
    const int labelBottom = label.top + label.height;
    for (size_t row = 0; row < form.controlCount; ++row) {
        const ControlRow& other = form.controls[row];
        if (&other == &label || !SameParent(other, label)) continue;
        const bool beside = other.top < labelBottom && other.top + other.height > label.top;
        if (beside && other.left >= label.left + label.width) room.right = std::min<LONG>(room.right, other.left);
    }
    for (size_t row = 0; row < form.controlCount; ++row) {
        const ControlRow& other = form.controls[row];
        if (&other == &label || !SameParent(other, label)) continue;
        const bool under = other.left < room.right && (other.width == 0 || other.left + other.width > label.left);
        if (under && other.top > label.top) room.bottom = std::min<LONG>(room.bottom, other.top);
    }
    return room;
}

LRESULT CALLBACK OverstrikeProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR);

}  // namespace

HFONT FontOfSize(HFONT font, int pixels) {
    static std::map<std::pair<HFONT, int>, HFONT> made;
    LOGFONTA format = {};
    GetObjectA(font, sizeof format, &format);
    if (-format.lfHeight == pixels || format.lfHeight == pixels) return font;
    HFONT& sized = made[{font, pixels}];
    if (sized == nullptr) {
        format.lfHeight = -pixels;
        sized = CreateFontIndirectA(&format);
    }
    return sized;
}

namespace {

// Gives the label the box its text needs in its present font, within the room; true when the
// whole text shows in it.
bool SizeToText(HWND label, const LabelBox& box) {
    const RECT& designed = box.designed;
    int width = designed.right - designed.left, height = designed.bottom - designed.top;
    bool fits = true;
    if (width == 0) {
        TEXTMETRICA metrics = {};
        HDC dc = GetDC(label);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(label, dc);
        width = TextNeeds(label, 32767).cx;
        height = metrics.tmHeight;
        fits = designed.left + width <= box.room.right;
    } else {
        SIZE needs = TextNeeds(label, width);
        if (needs.cx > width || needs.cy > height) {
            if (needs.cx > width || designed.top + needs.cy > box.room.bottom) {
                width = box.room.right - designed.left;
                needs = TextNeeds(label, width);
            }
            height = std::max<int>(height, std::min<int>(needs.cy, box.room.bottom - designed.top));
            fits = needs.cx <= width && needs.cy <= height;
        }
    }
    SetWindowPos(label, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return fits;
}

void PaintOverstruck(HWND label, HDC dc) {
    RECT box;
    GetClientRect(label, &box);
    // The background the static control itself would paint: its parent's answer.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(label), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    FillRect(dc, &box, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(label) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    const std::string text = LabelText(label);
    box.right -= 1;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, TextFlags(label));
    OffsetRect(&box, 1, 0);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, TextFlags(label));
    SelectObject(dc, old);
}

LRESULT CALLBACK OverstrikeProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(label, &paint);
        PaintOverstruck(label, dc);
        EndPaint(label, &paint);
        return 0;
    }
    if (message == WM_NCDESTROY) RemovePropA(label, kOverstruck);
    const LRESULT result = DefSubclassProc(label, message, wParam, lParam);
    // The static control draws a new text or state at once, itself: drawn again over it.
    if (message == WM_SETTEXT || message == WM_ENABLE) InvalidateRect(label, nullptr, TRUE);
    return result;
}

bool Overstruck(HWND label) { return GetPropA(label, kOverstruck) != nullptr; }

}  // namespace

LabelBox LabelBoxOf(const FormTable& form, size_t row, int dpi, HFONT font) {
    const ControlRow& label = form.controls[row];
    const RECT room = DesignRoom(form, label);
    auto scale = [dpi](LONG pixels) { return static_cast<LONG>(MulDiv(pixels, dpi, 96)); };
    const RECT designed = {scale(label.left), scale(label.top), scale(label.left) + scale(label.width),
                           scale(label.top) + scale(label.height)};
    return {designed, {scale(room.left), scale(room.top), scale(room.right), scale(room.bottom)}, font};
}

void FitLabel(HWND label, const LabelBox& box) {
    LOGFONTA base = {};
    GetObjectA(box.font, sizeof base, &base);
    const int pixels = static_cast<int>(base.lfHeight < 0 ? -base.lfHeight : base.lfHeight);
    bool fits = false;
    for (int size = pixels; !fits && size >= pixels * 3 / 4; --size) {
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(FontOfSize(box.font, size)), FALSE);
        fits = SizeToText(label, box);
    }
    if (!fits) {  // the form's font, in the largest box there is
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(box.font), FALSE);
        SizeToText(label, box);
    }
    InvalidateRect(label, nullptr, TRUE);
}

void OverstrikeLabel(HWND label) {
    SetPropA(label, kOverstruck, reinterpret_cast<HANDLE>(1));
    SetWindowSubclass(label, OverstrikeProcedure, 0, 0);
    InvalidateRect(label, nullptr, TRUE);
}

}  // namespace orl
