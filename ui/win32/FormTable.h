// A window described as a table of its controls, in the units of its design (pixels at 96 DPI),
// as the window's design lists them; FormTables.cpp holds the three windows of the program.
#pragma once

#include <cstddef>

namespace orl {

enum class ControlKind { Panel, Label, FolderField, Button, RadioButton, Bevel, Memo };

// Style flags of a control.
enum ControlStyle : unsigned {
    kPlain = 0,
    kBold = 1,         // a status line
    kWordWrap = 2,     // a label that wraps within its width
    kDefault = 4,      // the default button: Enter presses it
    kCancel = 8,       // the cancel button: Esc presses it
    kGroupStart = 16,  // the first radio button of a group
    kTabStop = 32,     // a memo the keyboard reaches
};

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent;            // the panel that holds the control, or nullptr for the window itself
    int left, top, width, height;  // a width of 0 sizes a label to its text
    const char* text;
    unsigned style;
};

struct FormTable {
    const char* className;
    const char* caption;
    int clientWidth, clientHeight;
    bool dialogBorder;           // a dialog's frame; otherwise a main window's fixed single border
    const ControlRow* controls;  // in tab order
    size_t controlCount;
};

const FormTable& MainConfigFormTable();
const FormTable& RedirectFormTable();
const FormTable& ParamInfoFormTable();

// The control's identifier: IDOK for the default button, IDCANCEL for the cancel button (so
// that Enter and Esc reach them), otherwise 100 plus its row in the table.
int ControlId(const FormTable& form, size_t row);

}  // namespace orl
