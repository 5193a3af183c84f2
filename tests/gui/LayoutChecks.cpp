// The window driver's checks of what the forms look like: every control there with its text,
// labels whose text shows whole, bold status lines, centred windows.
#include <algorithm>
#include <cmath>

#include "tests/gui/Driver.h"

namespace driver {

namespace {

HFONT Tahoma(int pixels, bool bold) {
    return CreateFontA(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
}

// The forms' font as the programs make it: Tahoma 8 point at the screen's DPI.
int FormFontPixels() { return MulDiv(8, Dpi(), 72); }

UINT LabelFlags(HWND label) {
    const bool wraps = (GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT;
    return DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX | (wraps ? DT_WORDBREAK : 0);
}

// What the label's text needs when drawn within `width` in `font`.
SIZE Needs(HWND label, HFONT font, int width) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    const std::string text = WindowText(label);
    RECT box = {0, 0, width, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, LabelFlags(label) | DT_CALCRECT);
    SelectObject(dc, old);
    DeleteDC(dc);
    return {box.right, box.bottom};
}

// A bitmap the driver can read pixel by pixel, with a device context to draw in or copy into.
class Pixels {
public:
    Pixels(int width, int height) : width_(width), height_(height) {
        BITMAPINFO format = {};
        format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &format, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, width, height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Pixels() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    // Read after GdiFlush, once drawing is done.
    bool Dark(int x, int y) const {
        const DWORD pixel = bits_[y * width_ + x];
        return (pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF) < 3 * 128;
    }
    int DarkCount() const {
        GdiFlush();
        int dark = 0;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) dark += Dark(x, y);
        }
        return dark;
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    DWORD* bits_ = nullptr;
};

// The window's area as the screen shows it.
void CopyFromScreen(HWND window, Pixels& into) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    HDC screen = GetDC(nullptr);
    BitBlt(into.Dc(), 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top, screen, bounds.left, bounds.top,
           SRCCOPY);
    ReleaseDC(nullptr, screen);
}

// The label's text drawn black on white in `font`, twice a pixel apart when `overstruck`.
void Draw(HWND label, HFONT font, bool overstruck, Pixels& into) {
    RECT box;
    GetClientRect(label, &box);
    HGDIOBJ old = SelectObject(into.Dc(), font);
    SetBkMode(into.Dc(), TRANSPARENT);
    const std::string text = WindowText(label);
    if (overstruck) box.right -= 1;
    DrawTextA(into.Dc(), text.c_str(), static_cast<int>(text.size()), &box, LabelFlags(label));
    if (overstruck) {
        OffsetRect(&box, 1, 0);
        DrawTextA(into.Dc(), text.c_str(), static_cast<int>(text.size()), &box, LabelFlags(label));
    }
    SelectObject(into.Dc(), old);
}

// The label's font as its pixels tell it: the form's Tahoma or a smaller one (down to three
// quarters), drawn plain or overstruck, whichever draws the top of its first line exactly as the
// screen shows it (lower down, a label may lie under the next one). Told while the label is
// enabled: a disabled one draws grey. The caller deletes the font.
HFONT FontOf(HWND label, const orl::ControlRow& row) {
    RECT client;
    GetClientRect(label, &client);
    const int rows = std::min<int>(client.bottom, FormFontPixels() * 3 / 4);
    Pixels shown(client.right, client.bottom);
    CopyFromScreen(label, shown);
    const bool bold = row.style & orl::kBold;
    int best = -1, bestPixels = 0;
    for (int pixels = FormFontPixels(); pixels >= FormFontPixels() * 3 / 4; --pixels) {
        for (bool overstruck : {false, bold}) {
            HFONT font = Tahoma(pixels, bold);
            Pixels drawn(client.right, client.bottom);
            Draw(label, font, overstruck, drawn);
            DeleteObject(font);
            GdiFlush();
            int differ = 0;
            for (int y = 0; y < rows; ++y) {
                for (int x = 0; x < client.right; ++x) differ += shown.Dark(x, y) != drawn.Dark(x, y);
            }
            if (best < 0 || differ < best) best = differ, bestPixels = pixels;
        }
    }
    Check(best * 50 <= shown.DarkCount() + 50,
          std::string(row.name) + ": no Tahoma draws it as shown (" + std::to_string(best) + " pixels differ)");
    return Tahoma(bestPixels, bold);
}

// The bounds of the dark pixels within `area`.
RECT Ink(const Pixels& pixels, const RECT& area) {
    GdiFlush();
    RECT ink = {area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (!pixels.Dark(x, y)) continue;
            ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                   std::max<LONG>(ink.bottom, y + 1)};
        }
    }
    return ink;
}

RECT InParent(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

std::string Describe(const std::string& name, const RECT& bounds) {
    return name + " at " + std::to_string(bounds.left) + "," + std::to_string(bounds.top) + " " +
           std::to_string(bounds.right - bounds.left) + "x" + std::to_string(bounds.bottom - bounds.top);
}

// A button's text shows whole: its ink (past a radio button's mark, within a push button's edges and focus
// rectangle) stops short of that area's edges and is as wide and high as in a Tahoma of 3/4 to 1 times the form's.
void CheckButtonText(HWND button, const orl::ControlRow& row) {
    RECT client;
    GetClientRect(button, &client);
    Pixels shown(client.right, client.bottom);
    CopyFromScreen(button, shown);
    const int edge = Scale(3) + 1;
    const RECT area = row.kind == orl::ControlKind::RadioButton
                          ? RECT{Scale(15), 0, client.right, client.bottom}
                          : RECT{edge, edge, client.right - edge, client.bottom - edge};
    const RECT ink = Ink(shown, area);
    const std::string text = WindowText(button);
    bool whole = false;
    for (int pixels = FormFontPixels(); pixels >= FormFontPixels() * 3 / 4; --pixels) {
        Pixels drawn(client.right * 2, client.bottom * 2);  // room for the whole of a cut text
        HGDIOBJ old = SelectObject(drawn.Dc(), Tahoma(pixels, false));
        TextOutA(drawn.Dc(), 0, 0, text.c_str(), static_cast<int>(text.size()));
        DeleteObject(SelectObject(drawn.Dc(), old));
        const RECT all = Ink(drawn, {0, 0, client.right * 2, client.bottom * 2});
        whole |= std::abs((all.right - all.left) - (ink.right - ink.left)) <= 1 &&
                 std::abs((all.bottom - all.top) - (ink.bottom - ink.top)) <= 1;
    }
    Check(whole && ink.left > area.left && ink.right < area.right,
          std::string(row.name) + ": \"" + text + "\" cut, its ink " + Describe("", ink));
}

}  // namespace

// Every control of the form is there, with its text and its kind's style. Places and sizes are
// not compared with the table the program builds the form from, which would check the table
// against itself: the screenshots show them, and CheckLabels measures every text in its box.
void CheckLayout() {
    for (size_t row = 0; row < table->controlCount; ++row) {
        const orl::ControlRow& control = table->controls[row];
        HWND window = Control(control.name);
        if (window == nullptr) continue;
        const bool statusLine = control.style & orl::kBold;
        if (*control.text && !statusLine)
            Check(WindowText(window) == control.text, std::string(control.name) + " text");
        const LONG style = GetWindowLongA(window, GWL_STYLE);
        if (control.kind == orl::ControlKind::FolderField) {
            Check((style & ES_READONLY) && !(style & WS_TABSTOP),
                  std::string(control.name) + " read-only, no tab stop");
        }
        if (control.style & orl::kDefault) Check((style & 0xF) == BS_DEFPUSHBUTTON, "default button");
    }
}

void CheckLabels() {
    for (size_t row = 0; row < table->controlCount; ++row) {
        const orl::ControlRow& control = table->controls[row];
        if (control.kind == orl::ControlKind::Button || control.kind == orl::ControlKind::RadioButton) {
            CheckButtonText(Control(control.name), control);
        }
        if (control.kind != orl::ControlKind::Label) continue;
        HWND label = Control(control.name);
        RECT client, parent;
        GetClientRect(label, &client);
        GetClientRect(GetParent(label), &parent);
        HFONT font = FontOf(label, control);
        const SIZE needs = Needs(label, font, client.right);
        DeleteObject(font);
        const RECT bounds = InParent(label);
        const std::string what = Describe(control.name, bounds) + " needs " + std::to_string(needs.cx) + "x" +
                                 std::to_string(needs.cy) + " for \"" + WindowText(label) + "\"";
        Check(needs.cx <= client.right && needs.cy <= client.bottom, what + ": text cut");
        Check(bounds.left >= 0 && bounds.top >= 0 && bounds.right <= parent.right && bounds.bottom <= parent.bottom,
              what + ": beyond its parent");
        // Only a control above the label in the z-order hides what lies under it.
        RECT lines = {0, 0, needs.cx, needs.cy};
        MapWindowPoints(label, nullptr, reinterpret_cast<POINT*>(&lines), 2);
        for (HWND above = GetWindow(label, GW_HWNDPREV); above != nullptr; above = GetWindow(above, GW_HWNDPREV)) {
            RECT covered, aboveBounds;
            GetWindowRect(above, &aboveBounds);
            Check(!IsWindowVisible(above) || !IntersectRect(&covered, &lines, &aboveBounds),
                  what + ": covered by " + Describe(ClassOf(above), InParent(above)));
        }
    }
}

void CheckBold(const std::string& name) {
    HWND label = Control(name);
    if (label == nullptr) return;
    RECT client;
    GetClientRect(label, &client);
    Pixels shown(client.right, client.bottom), regular(client.right, client.bottom);
    CopyFromScreen(label, shown);
    HFONT font = Tahoma(FormFontPixels(), false);
    Draw(label, font, false, regular);
    DeleteObject(font);
    Check(shown.DarkCount() * 10 >= regular.DarkCount() * 12,
          name + " is not bold: " + std::to_string(shown.DarkCount()) + " dark pixels, " +
              std::to_string(regular.DarkCount()) + " when drawn regular");
}

void CheckCentred() {
    RECT frame;
    GetWindowRect(form, &frame);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2;
    Check(std::abs(frame.left - left) <= 1 && std::abs(frame.top - top) <= 1,
          Describe("window", frame) + ", not centred at " + std::to_string(left) + "," + std::to_string(top));
}

}  // namespace driver
