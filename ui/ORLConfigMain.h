// The main configuration window: one installation of this workstation, the redirection, the
// workgroup server folder and the user's administrator level; "Configure" asks the questions
// that the console run answers by fixed rules, then configures once.
#pragma once

#include <functional>
#include <string>

#include "core/Configure.h"
#include "front/OutcomeDisplay.h"
#include "platform/Platform.h"
#include "ui/FormView.h"

namespace orl {

class TMainConfigForm final : public FormLogic {
public:
    using ConfigureOperation = std::function<decltype(Configure)>;

    // `outcome` shows the configuration's report; `configure` is the configuration itself.
    TMainConfigForm(Platform& platform, FormView& view, OutcomeDisplay& outcome,
                    ConfigureOperation configure = Configure);

    void FormShow() override;
    std::vector<ControlEvent> Events() override;

    void btnBrowseInstallClick();
    void btnAdvancedClick();
    void btnBrowseServerClick();
    void btnRemoveClick();
    void btnParamInfoClick();
    void btnOKClick();
    void btnCancelClick();

    // The redirection in force now, and the one wanted; the redirection dialog edits the second.
    std::string CurrentRedirect;
    std::string NewRedirect;
    // [Server] ServerPath of the effective settings as read at show time, untrimmed.
    std::string StoredServerPath;

private:
    // Recomputes every status line and enabled state from the window's state.
    void RefreshStatus();
    // The data-location question for the comparison's result; false when the user stops.
    bool AskTransfer(int comparison, bool& transferData);

    Platform& platform_;
    FormView& view_;
    OutcomeDisplay& outcome_;
    ConfigureOperation configure_;
};

}  // namespace orl
