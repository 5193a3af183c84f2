// The one operation that changes where an installation keeps its data, and its report.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace orl {

// Normalises and validates the folders, prepares the data folders on the network, moves the data
// to the new location after backing up what lies there, writes the redirection and the server
// settings, and reports. Asks and shows nothing. Exactly one of the two reports is non-empty on
// return. A non-empty `failureReport` on entry is taken as the failure: nothing is moved or
// written, and the failure report is made of it. The errors of the settings files (cannot open,
// cannot create) pass through uncaught, with the steps before them done; a current redirection
// that cannot be reached (its share offline) raises "Cannot open file" before anything changes.
void Configure(Platform& platform, std::string installFolder, std::string serverFolder,
               std::string currentRedirect, std::string newRedirect, bool copySharedData,
               bool transferData, bool keepRights, bool userAdmin, bool adminOnly,
               std::string& successReport, bool reportServer, bool reportRights,
               std::string& failureReport);

// The report of a configuration: the failure headline and reason, or the success headline and
// the lines that say what was configured, separated by CR LF.
std::string FormatOutcome(const std::string& failureReason, bool reportServer, bool reportRights,
                          std::string serverFolder, std::string currentRedirect, std::string newRedirect,
                          bool userAdmin, bool adminOnly, bool copySharedData, std::string dataCopiedTo);

}  // namespace orl
