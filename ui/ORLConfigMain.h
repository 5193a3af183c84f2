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
    // Reads the installation's state under its lock, as far as it can be read, and shows it.
    void ReadState(const std::string& installFolder);
    // Reads the redirection and the effective settings of the installation into the window; an
    // error leaves what was read before it.
    void LoadState(Platform& disk, const std::string& installFolder);
    // Runs `read` on the installation under its lock, so that a save left half done, which a read
    // puts in place, is put there by this run alone. Where the lock cannot be had, says why in
    // the error box and reads without changing anything.
    void ReadLocked(const std::string& installFolder, const std::function<void(Platform&)>& read);
    // Recomputes every status line and enabled state from the window's state.
    void RefreshStatus();
    // The questions and the configuration, under the installation's lock; false when the user
    // stops.
    bool AskAndConfigure(std::string& successReport, std::string& failureReport);
    // Where the data is may have changed since the window read it: another run (a login script)
    // held the lock then, or ran while the window stood open. The window never configures from
    // a place the data has left: it shows the installation as it is now and says so.
    void CheckStillInForce(const std::string& installFolder);
    void ReadRedirectAgain(const std::string& installFolder);
    // The data-location question for the comparison's result; false when the user stops.
    bool AskTransfer(int comparison, bool& transferData);

    Platform& platform_;
    FormView& view_;
    OutcomeDisplay& outcome_;
    ConfigureOperation configure_;
    // What the window could read of the installation: a state it could not read is not shown
    // as "not selected", nor configured from.
    bool redirectRead_ = false;
    bool settingsRead_ = false;
};

}  // namespace orl
