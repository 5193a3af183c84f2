// The redirection dialog behind "Advanced...": edits the main window's wanted redirection.
#pragma once

#include "ui/FormView.h"
#include "ui/ORLConfigMain.h"

namespace orl {

class TRedirectForm final : public FormLogic {
public:
    TRedirectForm(FormView& view, TMainConfigForm& mainForm) : view_(view), mainForm_(mainForm) {}

    // Every showing starts from the main window's value: a cancelled showing leaves no trace.
    void FormShow() override;
    std::vector<ControlEvent> Events() override;

    void btnBrowseRedirectClick();
    void btnRemoveClick();
    void btnOKClick();
    void btnCancelClick();

private:
    void RefreshRemoveButton();

    FormView& view_;
    TMainConfigForm& mainForm_;
};

}  // namespace orl
