#include "ui/win32/FormTable.h"

namespace orl {

namespace {

using K = ControlKind;

const ControlRow kMainConfigControls[] = {
    {"Panel3", K::Panel, nullptr, 10, 9, 519, 114, "", kPlain},
    {"lblExeLocated1", K::Label, "Panel3", 10, 8, 471, 17, "Orlagen data files HAVE BEEN FOUND at a standard location.",
     kBold | kWordWrap},
    {"lblExeLocated2", K::Label, "Panel3", 10, 21, 495, 17,
     "Click \"Browse\" to locate and configure a different installation (find 'orl.inf').", kWordWrap},
    {"txtInstallFolder", K::FolderField, "Panel3", 10, 40, 415, 32, "", kPlain},
    {"btnBrowseInstall", K::Button, "Panel3", 434, 40, 75, 25, "Browse...", kPlain},
    {"btnAdvanced", K::Button, "Panel3", 10, 78, 75, 25, "Advanced...", kPlain},
    {"Label1", K::Label, "Panel3", 92, 77, 0, 0, "Click \"Advanced\" to configure redirection (not normally required).",
     kPlain},
    {"lblRedirect", K::Label, "Panel3", 92, 91, 0, 0, "Redirection is NOT currently configured.", kBold},
    {"Panel1", K::Panel, nullptr, 10, 132, 519, 114, "", kPlain},
    {"Label4", K::Label, "Panel1", 10, 8, 415, 26,
     "Click \"Browse\" to search the network for a workgroup server location or create a new directory if required.",
     kWordWrap},
    {"txtServerFolder", K::FolderField, "Panel1", 10, 40, 415, 32, "", kPlain},
    {"btnBrowseServer", K::Button, "Panel1", 434, 40, 75, 25, "Browse...", kPlain},
    {"btnRemove", K::Button, "Panel1", 10, 78, 75, 25, "Remove", kPlain},
    {"lblRemove", K::Label, "Panel1", 92, 77, 421, 17,
     "Click \"Remove\" to remove use of a work group server location from the configuration.", kWordWrap},
    {"lblWorkgroup", K::Label, "Panel1", 92, 91, 0, 0, "A workgroup server location is NOT currently configured.",
     kBold},
    {"Panel2", K::Panel, nullptr, 10, 256, 519, 98, "", kPlain},
    {"lblAdmin", K::Label, "Panel2", 10, 8, 423, 30,
     "Indicate if the user will be permitted to administer server data e.g. clients, projects, categories and "
     "activities.",
     kWordWrap},
    {"rbNoAdmin", K::RadioButton, "Panel2", 10, 38, 489, 17, "This user cannot administer important shared server data",
     kGroupStart},
    {"rbAdminUser", K::RadioButton, "Panel2", 10, 55, 489, 17,
     "This user can administer server data as well as enter and report on time (like normal users)", kPlain},
    {"rbAdminOnly", K::RadioButton, "Panel2", 10, 72, 489, 17,
     "This user only administers server data and does not enter time or do reporting", kPlain},
    {"Bevel1", K::Bevel, nullptr, 10, 365, 519, 2, "", kPlain},
    {"btnParamInfo", K::Button, nullptr, 10, 376, 75, 25, "Param info...", kPlain},
    {"btnOK", K::Button, nullptr, 366, 376, 78, 24, "Configure", kDefault},
    {"btnCancel", K::Button, nullptr, 451, 376, 78, 24, "Cancel", kCancel},
};

// Rows in tab order: the buttons at the foot come before the panel.
const ControlRow kRedirectControls[] = {
    {"btnOK", K::Button, nullptr, 365, 142, 78, 24, "OK", kDefault},
    {"btnCancel", K::Button, nullptr, 450, 142, 78, 24, "Cancel", kCancel},
    {"Panel3", K::Panel, nullptr, 10, 9, 519, 114, "", kPlain},
    {"lblExeLocated1", K::Label, "Panel3", 10, 8, 479, 17,
     "Redirection forces Orlagen to use a non-standard location for its local data files. ", kWordWrap},
    {"lblDropboxLocated2", K::Label, "Panel3", 10, 23, 495, 17,
     "Click \"Browse\" to create a folder for Orlagen and/or find a different location.", kWordWrap},
    {"txtRedirectFolder", K::FolderField, "Panel3", 10, 40, 415, 32, "", kPlain},
    {"btnBrowseRedirect", K::Button, "Panel3", 434, 40, 75, 25, "Browse...", kPlain},
    {"btnRemove", K::Button, "Panel3", 10, 78, 74, 25, "Remove", kPlain},
    {"lblRemove", K::Label, "Panel3", 92, 77, 331, 26,
     "Click \"Remove\" to remove redirection from the configuration and use the standard local data file location.",
     kWordWrap},
    {"Bevel1", K::Bevel, nullptr, 10, 131, 518, 2, "", kPlain},
};

const ControlRow kParamInfoControls[] = {
    {"Label1", K::Label, nullptr, 10, 8, 378, 39,
     "The following parameters can be used with this configuration utility.                  No user interface is "
     "provided for data entry when parameters are supplied,    but the user is informed of the success or failure "
     "of the operation.",
     kWordWrap},
    {"btnOK", K::Button, nullptr, 331, 274, 78, 24, "Close", kDefault},
    {"Memo", K::Memo, nullptr, 10, 53, 399, 201, "", kTabStop},
    {"Bevel1", K::Bevel, nullptr, 10, 263, 399, 2, "", kPlain},
};

template <size_t N>
FormTable Form(const char* className, const char* caption, int width, int height, bool dialog,
               const ControlRow (&controls)[N]) {
    return {className, caption, width, height, dialog, controls, N};
}

}  // namespace

const FormTable& MainConfigFormTable() {
    static const FormTable form = Form("TMainConfigForm", "Orlagen - Workgroup, Data and Administrator Configuration",
                                       537, 412, false, kMainConfigControls);
    return form;
}

const FormTable& RedirectFormTable() {
    static const FormTable form = Form("TRedirectForm", "Redirection", 537, 176, true, kRedirectControls);
    return form;
}

const FormTable& ParamInfoFormTable() {
    static const FormTable form = Form("TParamInfoForm", "Parameter Information", 419, 306, true, kParamInfoControls);
    return form;
}

int ControlId(const FormTable& form, size_t row) {
    const unsigned style = form.controls[row].style;
    if (style & kDefault) return 1;  // IDOK
    if (style & kCancel) return 2;   // IDCANCEL
    return static_cast<int>(100 + row);
}

}  // namespace orl
