#include "ui/ORLConfigRedirect.h"

namespace orl {

std::vector<ControlEvent> TRedirectForm::Events() {
    return {{"btnBrowseRedirect", [this] { btnBrowseRedirectClick(); }},
            {"btnRemove", [this] { btnRemoveClick(); }},
            {"btnOK", [this] { btnOKClick(); }},
            {"btnCancel", [this] { btnCancelClick(); }}};
}

void TRedirectForm::FormShow() {
    view_.SetText("txtRedirectFolder", mainForm_.NewRedirect);
    RefreshRemoveButton();
}

void TRedirectForm::RefreshRemoveButton() {
    const bool shown = !view_.Text("txtRedirectFolder").empty();
    view_.SetEnabled("btnRemove", shown);
    view_.SetEnabled("lblRemove", shown);
}

void TRedirectForm::btnBrowseRedirectClick() {
    if (BrowseIntoText(view_, "txtRedirectFolder", "Locate a network directory the user will be redirected to")) {
        RefreshRemoveButton();
    }
}

void TRedirectForm::btnRemoveClick() {
    view_.SetText("txtRedirectFolder", std::string());
    RefreshRemoveButton();
}

void TRedirectForm::btnOKClick() {
    mainForm_.NewRedirect = view_.Text("txtRedirectFolder");
    view_.Close();
}

void TRedirectForm::btnCancelClick() { view_.Close(); }

}  // namespace orl
