#include "console/ConsoleRun.h"

#include "console/CommandLine.h"
#include "console/WhatIfReport.h"
#include "core/ORLConfigUtil.h"
#include "front/LocationsToCompare.h"
#include "front/OutcomeDisplay.h"
#include "front/ProgramTexts.h"

namespace orl {

namespace {

// Only data that the new location lacks is worth moving there.
bool TransferData(Platform& platform, const CommandLineSettings& settings, const std::string& currentRedirect) {
    const std::vector<std::string> locations =
        LocationsToCompare(platform, settings.installFolder, currentRedirect, settings.newRedirect);
    if (locations.empty()) return true;
    int result = CompareLocations(platform, locations);
    return result == kFirstHoldsMore || result == kEachHoldsMore;
}

struct Outcome {
    std::string success, failure;
};

// The configuration that the options ask for, the questions answered by fixed rules.
Outcome ConfigureAsAsked(Platform& platform, const CommandLineSettings& settings) {
    const std::string currentRedirect = ReadRedirect(platform, settings.installFolder);
    const bool copyShared = settings.copySharedRequest && !HasSharedDataFiles(platform, settings.serverFolder) &&
                            HasSharedDataFiles(platform, settings.installFolder);
    const bool transfer = TransferData(platform, settings, currentRedirect);
    Outcome outcome;
    Configure(platform, settings.installFolder, settings.serverFolder, currentRedirect, settings.newRedirect,
              copyShared, transfer, false, settings.userAdmin, settings.adminOnly, outcome.success, true, true,
              outcome.failure);
    return outcome;
}

// The notes on the arguments that the line loses, each on a line of its own.
std::string Notes(const CommandLineSettings& settings) {
    std::string notes;
    for (const std::string& note : settings.notes) notes += "\r\n" + note;
    return notes;
}

// The same run on a platform that keeps its changes to itself: its report, or the error that ends
// it, is followed by the changes that the real run would make and by the notes on the line, which
// may be what ends it. So a log tells a what-if run from a real one even when it ends in an error.
Outcome ConfigureWhatIf(Platform& platform, const CommandLineSettings& settings) {
    WhatIfPlatform whatIf(platform);
    try {
        InstallationLock lock(platform, settings.installFolder);
        Outcome outcome = ConfigureAsAsked(whatIf, settings);
        std::string& report = outcome.failure.empty() ? outcome.success : outcome.failure;
        report += "\r\n\r\n" + WhatIfSummary(DescribeChanges(whatIf, whatIf.Changes())) + Notes(settings);
        return outcome;
    } catch (const std::exception& error) {
        throw PlatformError(ErrorMessage(error) + "\r\n\r\n" +
                            WhatIfSummary(DescribeChanges(whatIf, whatIf.Changes()), true) + Notes(settings));
    }
}

// The configuration with the installation's lock held from the first look at it to the last
// change, by the what-if run too, so that it foretells the real run here as well; not while the
// outcome is shown, which may wait for a person.
Outcome ConfigureAlone(Platform& platform, const CommandLineSettings& settings) {
    if (settings.whatIf) return ConfigureWhatIf(platform, settings);
    InstallationLock lock(platform, settings.installFolder);
    return ConfigureAsAsked(platform, settings);
}

}  // namespace

ExitStatus RunConsole(Platform& platform, const std::vector<std::string>& arguments, OutcomeDisplay& display,
                      bool consoleBuild) {
    if (AsksForHelp(arguments)) {
        display.ShowHelp(HelpText(consoleBuild));
        return kExitSuccess;
    }
    const Outcome outcome = ConfigureAlone(platform, ParseCommandLine(platform, arguments));
    display.ShowOutcome(outcome.failure, outcome.success);
    return outcome.failure.empty() ? kExitSuccess : kExitFailed;
}

}  // namespace orl
