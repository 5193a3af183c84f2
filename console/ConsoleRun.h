// The unattended run of either build when it is given arguments.
#pragma once

#include <string>
#include <vector>

#include "front/OutcomeDisplay.h"
#include "platform/Platform.h"

namespace orl {

// Exit statuses of the programs. A raised error (a settings or period file that cannot be read
// or written) ends the process with kExitError after the last-resort report.
enum ExitStatus : int { kExitSuccess = 0, kExitError = 1, kExitFailed = 2 };

// Answers the questions of the main window by fixed rules from the options, configures once and
// shows the outcome; or shows the help and changes nothing. Errors pass through uncaught.
// `arguments` are those after the program name.
ExitStatus RunConsole(Platform& platform, const std::vector<std::string>& arguments, OutcomeDisplay& display,
                      bool consoleBuild);

}  // namespace orl
