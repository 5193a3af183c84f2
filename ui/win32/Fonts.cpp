#include "ui/win32/Fonts.h"

namespace orl {

namespace {

// The pixels that a sample text darkens, drawn black on white in `font`.
long Ink(HDC dc, HFONT font, const DWORD* pixels, int width, int height) {
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 2, 2, "Workgroup HAVE BEEN", 19);
    SelectObject(dc, old);
    GdiFlush();
    long ink = 0;
    for (int at = 0; at < width * height; ++at) ink += 255 - static_cast<long>(pixels[at] & 0xFF);
    return ink;
}

}  // namespace

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

HFONT MakeFont(int dpi, bool bold) {
    return CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
}

bool BoldDrawsHeavier(HFONT regular, HFONT bold) {
    const int width = 400, height = 64;
    BITMAPINFO format = {};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc == nullptr || bitmap == nullptr) {
        if (bitmap != nullptr) DeleteObject(bitmap);
        if (dc != nullptr) DeleteDC(dc);
        return true;  // nothing measured: trust the font
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    const long regularInk = Ink(dc, regular, pixels, width, height);
    const long boldInk = Ink(dc, bold, pixels, width, height);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return boldInk * 10 >= regularInk * 11;  // a real bold face carries a good third more
}

}  // namespace orl
