#include "console/ConsoleRun.h"

#include "console/CommandLine.h"
#include "console/ProgramTexts.h"
#include "core/ORLConfigUtil.h"

namespace orl {

std::vector<std::string> LocationsToCompare(Platform& platform, const std::string& installFolder,
                                            const std::string& currentRedirect, const std::string& newRedirect) {
    const bool compare = !newRedirect.empty() ? IsInstallFolder(platform, newRedirect)
                                              : !currentRedirect.empty() && IsInstallFolder(platform, installFolder);
    if (!compare) return {};
    return {currentRedirect.empty() ? installFolder : currentRedirect,
            newRedirect.empty() ? installFolder : newRedirect};
}

namespace {

// Only data that the new location lacks is worth moving there.
bool TransferData(Platform& platform, const CommandLineSettings& settings, const std::string& currentRedirect) {
    const std::vector<std::string> locations =
        LocationsToCompare(platform, settings.installFolder, currentRedirect, settings.newRedirect);
    if (locations.empty()) return true;
    int result = CompareDataSets(platform, locations);
    return result == kFirstHoldsMore || result == kEachHoldsMore;
}

}  // namespace

std::string ShowSyntax(OutcomeDisplay& display, bool consoleBuild) {
    const std::string syntax = SyntaxText(consoleBuild);
    display.ShowSyntax(syntax);
    return syntax;
}

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
