#include "console/ConsoleRun.h"

#include "console/CommandLine.h"
#include "console/ProgramTexts.h"
#include "core/ORLConfigUtil.h"

namespace orl {

namespace {

// The data is compared first when the folder that becomes the data location already holds an
// installation of its own: the one redirected to, or the installation folder when the
// redirection is removed. Only data that the new location lacks is worth moving there.
bool TransferData(Platform& platform, const CommandLineSettings& settings, const std::string& currentRedirect) {
    const bool compare = !settings.newRedirect.empty()
                             ? IsInstallFolder(platform, settings.newRedirect)
                             : !currentRedirect.empty() && IsInstallFolder(platform, settings.installFolder);
    if (!compare) return true;
    const std::string current = currentRedirect.empty() ? settings.installFolder : currentRedirect;
    const std::string target = settings.newRedirect.empty() ? settings.installFolder : settings.newRedirect;
    int result = CompareDataSets(platform, {current, target});
    return result == kFirstHoldsMore || result == kEachHoldsMore;
}

}  // namespace

ExitStatus RunConsole(Platform& platform, const std::vector<std::string>& arguments, OutcomeDisplay& display,
                      bool consoleBuild) {
    if (AsksForHelp(arguments)) {
        display.ShowHelp(HelpText(consoleBuild));
        return kExitSuccess;
    }
    const CommandLineSettings settings = ParseCommandLine(platform, arguments);
    const std::string currentRedirect = ReadRedirect(platform, settings.installFolder);
    const bool copyShared = settings.copySharedRequest && !HasSharedDataFiles(platform, settings.serverFolder) &&
                            HasSharedDataFiles(platform, settings.installFolder);
    const bool transfer = TransferData(platform, settings, currentRedirect);

    std::string successReport, failureReport;
    Configure(platform, settings.installFolder, settings.serverFolder, currentRedirect, settings.newRedirect,
              copyShared, transfer, false, settings.userAdmin, settings.adminOnly, successReport, true, true,
              failureReport);
    display.ShowOutcome(failureReport, successReport);
    return failureReport.empty() ? kExitSuccess : kExitFailed;
}

}  // namespace orl
