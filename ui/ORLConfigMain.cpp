#include "ui/ORLConfigMain.h"

#include <optional>

#include "core/ORLConfigUtil.h"
#include "front/LocationsToCompare.h"
#include "platform/ReadOnlyPlatform.h"

namespace orl {

namespace {

const char* const kAdminLevels[] = {"rbNoAdmin", "rbAdminUser", "rbAdminOnly"};

// Radio buttons told their check one by one: exactly one of the group ends up checked.
void CheckAdminLevel(FormView& view, const std::string& level) {
    for (const char* button : kAdminLevels) view.SetChecked(button, level == button);
}

const char kMoreDataAtCurrent[] =
    "The current Orlagen file location appears to have more data than the new file location\r\n"
    "Do you wish to use the more complete files in the current location?\r\n"
    "(Recommended - The utility will back up Orlagen data files at the new location before copying files)";
const char kMoreDataAtNew[] =
    "The selected Orlagen file location appears to have more data than the current file location\r\n"
    "Do you wish to use the more complete files in the new data file location?\r\n"
    "(Recommended - No Orlagen files will be copied from the current file location)";
const char kDataAtBoth[] =
    "The selected data file location has existing Orlagen data files\r\n"
    "The utility will back up these files and copy current files to the new location\r\n"
    "Continue?";
const char kChangedMeanwhile[] =
    "Another configuration has changed this installation since the window read it.\r\n"
    "The window now shows it as it is: check the settings and click \"Configure\" again.";

}  // namespace

TMainConfigForm::TMainConfigForm(Platform& platform, FormView& view, OutcomeDisplay& outcome,
                                 ConfigureOperation configure)
    : platform_(platform), view_(view), outcome_(outcome), configure_(std::move(configure)) {}

std::vector<ControlEvent> TMainConfigForm::Events() {
    return {{"btnBrowseInstall", [this] { btnBrowseInstallClick(); }},
            {"btnAdvanced", [this] { btnAdvancedClick(); }},
            {"btnBrowseServer", [this] { btnBrowseServerClick(); }},
            {"btnRemove", [this] { btnRemoveClick(); }},
            {"btnParamInfo", [this] { btnParamInfoClick(); }},
            {"btnOK", [this] { btnOKClick(); }},
            {"btnCancel", [this] { btnCancelClick(); }}};
}

void TMainConfigForm::FormShow() {
    const std::string installFolder = DefaultInstallFolder(platform_);
    view_.SetText("txtInstallFolder", installFolder);
    ReadState(installFolder);
}

void TMainConfigForm::ReadState(const std::string& installFolder) {
    // An error ends the reading where it stands; the window shows it, with the lock let go (the
    // box waits for a person), and what it did read.
    RunHandler(view_, [&] { ReadLocked(installFolder, [&](Platform& disk) { LoadState(disk, installFolder); }); });
    RefreshStatus();
}

void TMainConfigForm::LoadState(Platform& disk, const std::string& installFolder) {
    redirectRead_ = settingsRead_ = false;
    CurrentRedirect = NewRedirect = StoredServerPath = std::string();
    view_.SetText("txtServerFolder", std::string());
    CheckAdminLevel(view_, "rbNoAdmin");
    CurrentRedirect = ReadRedirect(disk, installFolder);
    NewRedirect = CurrentRedirect;
    redirectRead_ = true;
    const SettingsFile settings = OpenSettings(disk, installFolder);
    view_.SetText("txtServerFolder", ReadFolderKey(disk, settings, "Server", "ServerPath"));
    const int level = settings.ReadInteger("Server", "ServerAdmin", 0);
    if (level == 2) CheckAdminLevel(view_, "rbAdminUser");
    if (level == 1) CheckAdminLevel(view_, "rbAdminOnly");
    StoredServerPath = settings.ReadText("Server", "ServerPath", std::string());
    settingsRead_ = true;
}

void TMainConfigForm::ReadLocked(const std::string& installFolder, const std::function<void(Platform&)>& read) {
    std::optional<InstallationLock> lock;
    RunHandler(view_, [&] { lock.emplace(platform_, installFolder); });
    if (lock) {
        read(platform_);
        return;
    }
    ReadOnlyPlatform unchanged(platform_);
    read(unchanged);
}

void TMainConfigForm::RefreshStatus() {
    view_.SetText("lblExeLocated1", IsInstallFolder(platform_, view_.Text("txtInstallFolder"))
                                        ? "Orlagen data files HAVE BEEN FOUND at a standard location."
                                        : "Orlagen data files have NOT BEEN FOUND at a standard location.");
    std::string redirection =
        NewRedirect.empty() ? "Redirection is NOT currently selected." : "Redirection IS currently selected.";
    if (NewRedirect == CurrentRedirect && !redirectRead_) redirection = "The redirection cannot be read.";
    if (NewRedirect == CurrentRedirect && redirectRead_ && !settingsRead_ && !CurrentRedirect.empty()) {
        redirection = "Redirection to \"" + NormalisedFolder(CurrentRedirect) + "\" cannot be reached.";
    }
    view_.SetText("lblRedirect", redirection);
    view_.SetText("lblWorkgroup", !settingsRead_             ? "The workgroup server location cannot be read."
                                  : StoredServerPath.empty() ? "A workgroup server location is NOT currently selected."
                                                             : "A workgroup server location IS currently selected.");
    const std::string serverFolder = view_.Text("txtServerFolder");
    const bool serverExists = !serverFolder.empty() && platform_.Probe(serverFolder) == PathKind::Folder;
    if (!serverExists) CheckAdminLevel(view_, "rbNoAdmin");
    view_.SetEnabled("lblAdmin", serverExists);
    for (const char* button : kAdminLevels) view_.SetEnabled(button, serverExists);
    view_.SetEnabled("btnRemove", !serverFolder.empty());
    view_.SetEnabled("lblRemove", !serverFolder.empty());
}

void TMainConfigForm::btnBrowseInstallClick() {
    std::string chosenFile;
    if (!view_.OpenFile(view_.Text("txtInstallFolder"), chosenFile)) return;
    const std::string folder = FolderPart(chosenFile);
    if (!IsInstallFolder(platform_, folder)) {
        view_.Ask(BoxKind::Error, "The selected location does not contain a valid Orlagen installation",
                  BoxButtons::Ok);
        return;
    }
    ReadLocked(folder, [&](Platform& disk) {
        const std::string redirect = ReadRedirect(disk, folder);
        view_.SetText("txtInstallFolder", RemoveBackslash(folder));
        CurrentRedirect = redirect;
        redirectRead_ = true;
    });
    RefreshStatus();
}

void TMainConfigForm::btnAdvancedClick() {
    view_.ShowModal("TRedirectForm");
    RefreshStatus();
}

void TMainConfigForm::btnBrowseServerClick() {
    if (BrowseIntoText(view_, "txtServerFolder", "Locate a network directory for Orlagen")) RefreshStatus();
}

void TMainConfigForm::btnRemoveClick() {
    view_.SetText("txtServerFolder", std::string());
    RefreshStatus();
}

void TMainConfigForm::btnParamInfoClick() { view_.ShowModal("TParamInfoForm"); }

void TMainConfigForm::btnCancelClick() { view_.Close(); }

bool TMainConfigForm::AskTransfer(int comparison, bool& transferData) {
    switch (comparison) {
        case kNeitherHoldsMore: transferData = false; return true;
        case kFirstHoldsMore:
            switch (view_.Ask(BoxKind::Confirmation, kMoreDataAtCurrent, BoxButtons::YesNoCancel)) {
                case BoxAnswer::Yes: return true;
                case BoxAnswer::No: transferData = false; return ConfirmTransfer(view_, false);
                default: return false;
            }
        case kSecondHoldsMore:
            switch (view_.Ask(BoxKind::Confirmation, kMoreDataAtNew, BoxButtons::YesNoCancel)) {
                case BoxAnswer::Yes: transferData = false; return true;
                case BoxAnswer::No: return ConfirmTransfer(view_, true);
                default: return false;
            }
        default:
            switch (view_.Ask(BoxKind::Warning, kDataAtBoth, BoxButtons::YesNoCancel)) {
                case BoxAnswer::Yes: return true;
                case BoxAnswer::No: transferData = false; return ConfirmTransfer(view_, false);
                default: return false;
            }
    }
}

void TMainConfigForm::btnOKClick() {
    // A state that could not be read is not configured from: it is read again and shown, and the
    // next press configures.
    if (!redirectRead_ || !settingsRead_) {
        ReadState(AddBackslash(TrimControl(view_.Text("txtInstallFolder"))));
        return;
    }
    std::string successReport, failureReport;
    if (!AskAndConfigure(successReport, failureReport)) return;
    outcome_.ShowOutcome(failureReport, successReport);
    if (failureReport.empty()) view_.Close();
}

bool TMainConfigForm::AskAndConfigure(std::string& successReport, std::string& failureReport) {
    // Everything the configuration needs of the window is read here, before any work starts.
    const std::string installFolder = view_.Text("txtInstallFolder");
    const std::string serverFolder = view_.Text("txtServerFolder");
    const bool userAdmin = view_.Checked("rbAdminUser"), adminOnly = view_.Checked("rbAdminOnly");
    // One configuration at a time per installation, a login script's included: held from the
    // first question to the end of the work, and let go before the outcome waits for a person.
    const InstallationLock lock(platform_, TrimControl(installFolder));
    const std::string install = AddBackslash(TrimControl(installFolder));
    CheckStillInForce(install);
    bool copySharedData = false;
    if (!serverFolder.empty() && !HasSharedDataFiles(platform_, serverFolder) &&
        HasSharedDataFiles(platform_, installFolder)) {
        const BoxAnswer answer = view_.Ask(
            BoxKind::Confirmation,
            "Do you want to copy Client/Project/Category/Activity files from this machine for the shared data?",
            BoxButtons::YesNoCancel);
        if (answer == BoxAnswer::Cancel) return false;
        copySharedData = answer == BoxAnswer::Yes;
    }

    bool transferData = true;
    const std::vector<std::string> locations =
        LocationsToCompare(platform_, AddBackslash(installFolder), CurrentRedirect, NewRedirect);
    if (!locations.empty()) {
        int comparison = kNeitherHoldsMore;
        view_.RunLong("Comparing the data of the two locations",
                      [&] { comparison = CompareLocations(platform_, locations); });
        if (!AskTransfer(comparison, transferData)) return false;
    }

    // A failed configuration, reported or raised (a settings file that cannot be written), may
    // have got as far as the redirection: the next press starts from where this one left the data.
    try {
        view_.RunLong("Configuring", [&] {
            configure_(platform_, TrimControl(installFolder), TrimControl(serverFolder), TrimControl(CurrentRedirect),
                       TrimControl(NewRedirect), copySharedData, transferData, false, userAdmin, adminOnly,
                       successReport, true, true, failureReport);
        });
    } catch (...) {
        ReadRedirectAgain(install);
        throw;
    }
    if (!failureReport.empty()) ReadRedirectAgain(install);
    return true;
}

void TMainConfigForm::CheckStillInForce(const std::string& installFolder) {
    if (NormalisedFolder(ReadRedirect(platform_, installFolder)) == NormalisedFolder(CurrentRedirect)) return;
    // What could not be read of the new state is shown as such, and the read's error said.
    try {
        LoadState(platform_, installFolder);
    } catch (...) {
        RefreshStatus();
        throw;
    }
    RefreshStatus();
    throw PlatformError(kChangedMeanwhile);
}

void TMainConfigForm::ReadRedirectAgain(const std::string& installFolder) {
    try {
        CurrentRedirect = ReadRedirect(platform_, installFolder);
    } catch (const PlatformError&) {
        redirectRead_ = false;  // read again, with the rest, at the next press
    }
}

}  // namespace orl
