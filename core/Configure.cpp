#include "core/Configure.h"

#include <optional>

#include "core/Backup.h"
#include "core/InstallSettings.h"
#include "core/Locations.h"
#include "core/Text.h"

namespace orl {

namespace {

// The working values of one call. Folders are normalised: normal form, letters A-Z lowered.
struct ConfigureRun {
    Platform& platform;
    std::string install, server, currentRedirect, newRedirect;
    bool copyShared, transfer, userAdmin, adminOnly;
    bool serverReady = false, redirectReady = false;
    std::string currentLocation, newLocation, dataCopiedTo;
    std::string& failure;  // the one failure reason; empty while none has occurred
    std::optional<SettingsFile> newSettings = std::nullopt;  // once the redirection is written
};

std::string ValidationFailure(const ConfigureRun& run) {
    if (run.install.empty()) return "Installation path is required";
    if (run.install == run.server) return "Installation and server paths must be different";
    if (run.install == run.newRedirect) return "Installation and redirection paths must be different";
    if (!run.newRedirect.empty() && run.newRedirect == run.server) {
        return "Server and redirection paths must be different";
    }
    return std::string();
}

// Backs up what lies at the new location, then copies the data folder and the settings files there.
void TransferData(ConfigureRun& run) {
    Platform& platform = run.platform;
    if (FolderHasFiles(platform, run.newLocation) &&
        !BackupFolder(platform, run.newLocation, run.newLocation)) {
        run.failure = "File backup of \"" + run.newLocation + "\" failed.";
        return;
    }
    platform.Announce(CopyStep::CopyingData, run.currentLocation, run.newLocation);
    bool copied = CopyFolderTree(platform, DataFolder(run.currentLocation), DataFolder(run.newLocation), "");
    // The settings follow only data that arrived: when the new location is the installation
    // folder itself, its own "orl.ini" holds the redirection, and replacing it would point the
    // installation at a folder its data never reached. A location may lack "orl.ini", but one
    // that has it and loses it on the way would leave the installation redirected to settings
    // that are not its own, so that counts as a failed copy. The marker file's copy is made
    // alike, and its outcome does not matter.
    if (copied && !CopyFileTo(platform, run.currentLocation + "orl.ini", run.newLocation + "orl.ini") &&
        platform.Probe(run.currentLocation + "orl.ini") != PathKind::Missing) {
        copied = false;
    }
    if (copied) CopyFileTo(platform, run.currentLocation + "orl.inf", run.newLocation + "orl.inf");
    if (!copied) {
        run.failure = "File copy from \"" + run.currentLocation + "\" to \"" + run.newLocation + "\" failed.";
        return;
    }
    run.dataCopiedTo = run.newLocation;
}

// The locations keep no redirection of their own, and the installation points at the new one.
// The new location's settings are kept: they are the ones in effect from now on.
void WriteRedirection(ConfigureRun& run) {
    const SettingsFile current = RemoveRedirect(run.platform, run.currentLocation);
    run.newSettings.emplace(run.newLocation == run.currentLocation ? current
                                                                   : RemoveRedirect(run.platform, run.newLocation));
    if (run.newRedirect.empty()) return;
    WriteRedirect(run.platform, run.install, run.newLocation);
    // A redirection that names the installation folder by another spelling has just written its
    // key into the very file kept: that one is read again.
    if (IsFolderAt(run.platform, run.newLocation, run.platform.FullPath(run.install))) run.newSettings.reset();
}

void CopySharedDataFiles(ConfigureRun& run) {
    run.platform.Announce(CopyStep::CopyingSharedFiles, run.currentLocation, run.server);
    for (const char* name : {"Data\\ClientProject.txt", "Data\\CategoryActivity.txt", "orl.ini"}) {
        if (!CopyFileTo(run.platform, run.currentLocation + name, run.server + name)) {
            run.failure = "Could not copy shared data files to server location";
            return;
        }
    }
}

void WriteServerSettings(ConfigureRun& run) {
    // Read once: where the redirection was just written, the new location's settings are in effect.
    SettingsFile settings = run.newSettings ? *run.newSettings : OpenSettings(run.platform, run.install);
    if (run.copyShared) CopySharedDataFiles(run);
    if (run.server.empty()) {
        DeleteIniKey(&settings, "Server", "ServerPath");
    } else {
        settings.WriteText("Server", "ServerPath", RemoveBackslash(run.server));
    }
    if (run.userAdmin) {
        settings.WriteInteger("Server", "ServerAdmin", 2);
    } else if (run.adminOnly) {
        settings.WriteInteger("Server", "ServerAdmin", 1);
    } else {
        DeleteIniKey(&settings, "Server", "ServerAdmin");
    }
    settings.Save();
}

std::string NetworkFolderFailure(const std::string& folder) {
    return "The network directory \"" + folder + "\" (or a sub-directory) could not be created.";
}

}  // namespace

void Configure(Platform& platform, std::string installFolder, std::string serverFolder,
               std::string currentRedirect, std::string newRedirect, bool copySharedData,
               bool transferData, bool keepRights, bool userAdmin, bool adminOnly,
               std::string& successReport, bool reportServer, bool reportRights,
               std::string& failureReport) {
    successReport.clear();
    if (serverFolder.empty()) keepRights = userAdmin = adminOnly = copySharedData = false;
    ConfigureRun run{platform, NormalisedFolder(installFolder), NormalisedFolder(serverFolder),
                     NormalisedFolder(currentRedirect), NormalisedFolder(newRedirect), copySharedData,
                     transferData, userAdmin, adminOnly, false, false, "", "", "", failureReport};

    // The data in force must be within reach before anything is changed: a redirection whose share
    // is offline is not "no redirection", and moving or removing it would leave the user's recent
    // lines stranded there while the installation went back to older ones.
    if (!run.currentRedirect.empty() && platform.Probe(run.currentRedirect) == PathKind::Unknown) {
        throw PlatformError("Cannot open file " + run.currentRedirect);
    }
    // A save that lost a location's settings file is taken up before anything is changed, or
    // stops the run where it cannot be read: the current location's settings then go along with
    // its data, and the new location's are backed up with its own.
    if (!run.install.empty()) RecoverInterruptedSave(platform, run.install + "orl.ini");
    if (!run.currentRedirect.empty()) RecoverInterruptedSave(platform, run.currentRedirect + "orl.ini");
    if (!run.newRedirect.empty() && run.newRedirect != run.currentRedirect) {
        RecoverInterruptedSave(platform, run.newRedirect + "orl.ini");
    }
    // The network folders are prepared before anything is validated, so a rejected call may
    // still leave them created.
    run.serverReady = EnsureDataFolder(platform, run.server);
    run.redirectReady = EnsureDataFolder(platform, run.newRedirect);
    if (run.userAdmin) run.adminOnly = false;
    run.currentLocation = !run.currentRedirect.empty() && FolderHasFiles(platform, run.currentRedirect)
                              ? run.currentRedirect
                              : run.install;
    run.newLocation = run.newRedirect.empty() ? run.install : run.newRedirect;
    if (keepRights) {
        int rights = OpenSettings(platform, run.install).ReadInteger("Server", "ServerAdmin", 0);
        run.userAdmin = rights == 2;
        run.adminOnly = rights == 1;
    }

    // A failure text given by the caller stands: every step below first tests that none is set.
    if (run.failure.empty()) run.failure = ValidationFailure(run);
    bool ready = run.serverReady && run.redirectReady;
    if (run.failure.empty() && run.transfer && ready && run.currentLocation != run.newLocation) {
        TransferData(run);
    }
    // The installation is pointed at a new location only when its data could go there.
    if (run.failure.empty() && ready && (!run.currentRedirect.empty() || !run.newRedirect.empty())) {
        WriteRedirection(run);
    }
    if (run.failure.empty() && ready) WriteServerSettings(run);
    if (run.failure.empty() && !run.serverReady) run.failure = NetworkFolderFailure(run.server);
    if (run.failure.empty() && !run.redirectReady) run.failure = NetworkFolderFailure(run.newRedirect);

    std::string report = FormatOutcome(run.failure, reportServer, reportRights, run.server, run.currentRedirect,
                                       run.newRedirect, run.userAdmin, run.adminOnly, run.copyShared,
                                       run.dataCopiedTo);
    if (run.failure.empty()) {
        successReport = report;
    } else {
        failureReport = report;
    }
}

}  // namespace orl
