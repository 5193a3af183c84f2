#include "ui/win32/FormControls.h"

#include <commctrl.h>

namespace orl {

namespace {

const char kPanelClass[] = "TPanel";
const char kBevelClass[] = "TBevel";

// A panel draws its bevel (raised inner, lowered outer) and passes its controls' clicks on to
// the form, where the handlers are.
LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) return SendMessageA(GetAncestor(panel, GA_ROOT), message, wParam, lParam);
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(panel, &paint);
        RECT bounds;
        GetClientRect(panel, &bounds);
        DrawEdge(dc, &bounds, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
        EndPaint(panel, &paint);
        return 0;
    }
    return DefWindowProcA(panel, message, wParam, lParam);
}

// A bevel is a single etched line along its top.
LRESULT CALLBACK BevelProcedure(HWND bevel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(bevel, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(bevel, &paint);
    RECT bounds;
    GetClientRect(bevel, &bounds);
    DrawEdge(dc, &bounds, EDGE_ETCHED, BF_TOP);
    EndPaint(bevel, &paint);
    return 0;
}

// A multi-line text box wants every key, Tab and Esc included, and the keyboard would stay in
// it. The memo is read-only: Tab and Shift+Tab move the focus on, and Esc and Enter do what
// they do on the form's buttons.
LRESULT CALLBACK MemoProcedure(HWND memo, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    LRESULT result = DefSubclassProc(memo, message, wParam, lParam);
    if (message == WM_GETDLGCODE) result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    return result;
}

void RegisterClass(const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.hInstance = GetModuleHandleA(nullptr);
    if (GetClassInfoA(windowClass.hInstance, name, &windowClass)) return;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

struct WindowKind {
    const char* windowClass;
    DWORD style;
    DWORD extendedStyle;
};

WindowKind KindOf(const ControlRow& control) {
    const DWORD tabStop = (control.style & kTabStop) ? WS_TABSTOP : 0;
    switch (control.kind) {
        case ControlKind::Panel: return {kPanelClass, 0, WS_EX_CONTROLPARENT};
        case ControlKind::Label:
            return {"STATIC",
                    static_cast<DWORD>(WS_CLIPSIBLINGS | SS_NOPREFIX |
                                       ((control.style & kWordWrap) ? SS_LEFT : SS_LEFTNOWORDWRAP)),
                    0};
        case ControlKind::FolderField: return {"EDIT", ES_READONLY | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Button:
            return {"BUTTON",
                    static_cast<DWORD>(WS_TABSTOP | ((control.style & kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)),
                    0};
        case ControlKind::RadioButton:
            return {"BUTTON", static_cast<DWORD>(BS_AUTORADIOBUTTON | ((control.style & kGroupStart) ? WS_TABSTOP : 0)),
                    0};
        case ControlKind::Bevel: return {kBevelClass, 0, 0};
        case ControlKind::Memo: return {"EDIT", ES_MULTILINE | ES_READONLY | tabStop, WS_EX_CLIENTEDGE};
    }
    return {"STATIC", 0, 0};
}

// A radio button continues its group unless it starts one; every other control starts one, so
// that the arrow keys move within the radio group only.
DWORD GroupStyle(const ControlRow& control) {
    return control.kind == ControlKind::RadioButton && !(control.style & kGroupStart) ? 0 : WS_GROUP;
}

}  // namespace

void RegisterControlClasses() {
    RegisterClass(kPanelClass, PanelProcedure);
    RegisterClass(kBevelClass, BevelProcedure);
}

HWND CreateControl(const FormTable& form, size_t row, HWND parent, HFONT font, int dpi) {
    const ControlRow& control = form.controls[row];
    const WindowKind kind = KindOf(control);
    HWND created = CreateWindowExA(
        kind.extendedStyle, kind.windowClass, control.text, WS_CHILD | WS_VISIBLE | GroupStyle(control) | kind.style,
        MulDiv(control.left, dpi, 96), MulDiv(control.top, dpi, 96), MulDiv(control.width, dpi, 96),
        MulDiv(control.height, dpi, 96), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(form, row))),
        GetModuleHandleA(nullptr), nullptr);
    SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (control.kind == ControlKind::Memo) SetWindowSubclass(created, MemoProcedure, 0, 0);
    // A label's box reaches a few pixels into the next label's, as laid out. Each label lies
    // above the earlier ones and clips them, so that no background hides the top of the text
    // below it. Labels take no focus: the order of the controls that do stays as it is.
    if (control.kind == ControlKind::Label) {
        SetWindowPos(created, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return created;
}

}  // namespace orl
