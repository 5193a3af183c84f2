// The unattended run of either build when it is given arguments.
#pragma once

#include <exception>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace orl {

// Where a run's results go: standard output in the console build, message boxes in the window build.
class OutcomeDisplay {
public:
    virtual ~OutcomeDisplay() = default;
    // The failure report when there is one, otherwise the success report.
    virtual void ShowOutcome(const std::string& failureReport, const std::string& successReport) = 0;
    virtual void ShowHelp(const std::string& helpText) = 0;
    // The syntax text as the parameter information dialog composes it: written to standard
    // output in the console build, not shown at all in the window build (the dialog shows it).
    virtual void ShowSyntax(const std::string& syntaxText) = 0;
};

// The message of an error that ends a run or a handler. Running out of memory (a period file of
// hundreds of megabytes in a 32-bit program) is told in words, not as the library's name for it.
std::string ErrorMessage(const std::exception& error);

// The syntax text of the build, passed through the display on the way.
std::string ShowSyntax(OutcomeDisplay& display, bool consoleBuild);

// Exit statuses of the programs. A raised error (a settings or period file that cannot be read
// or written) ends the process with kExitError after the last-resort report.
enum ExitStatus : int { kExitSuccess = 0, kExitError = 1, kExitFailed = 2 };

// The two data locations to compare before a configuration, the current one first, or none.
// They are compared when the folder that becomes the data location already holds an
// installation of its own: the one redirected to, or the installation folder when the
// redirection is removed.
std::vector<std::string> LocationsToCompare(Platform& platform, const std::string& installFolder,
                                            const std::string& currentRedirect, const std::string& newRedirect);

// Answers the questions of the main window by fixed rules from the options, configures once and
// shows the outcome; or shows the help and changes nothing. Errors pass through uncaught.
// `arguments` are those after the program name.
ExitStatus RunConsole(Platform& platform, const std::vector<std::string>& arguments, OutcomeDisplay& display,
                      bool consoleBuild);

}  // namespace orl
