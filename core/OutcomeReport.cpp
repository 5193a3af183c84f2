#include "core/Configure.h"
#include "core/Text.h"

namespace orl {

std::string FormatOutcome(const std::string& failureReason, bool reportServer, bool reportRights,
                          std::string serverFolder, std::string currentRedirect, std::string newRedirect,
                          bool userAdmin, bool adminOnly, bool copySharedData, std::string dataCopiedTo) {
    if (!failureReason.empty()) return "Orlagen configuration failed.\r\n" + failureReason;
    serverFolder = LowerAZ(serverFolder);
    currentRedirect = LowerAZ(currentRedirect);
    newRedirect = LowerAZ(newRedirect);
    dataCopiedTo = LowerAZ(dataCopiedTo);

    std::string report = "Orlagen has been configured on this machine.\r\n";
    auto add = [&report](const std::string& line) { report += "\r\n" + line; };
    if (reportServer && !serverFolder.empty()) add("Workgroup server configured at \"" + serverFolder + "\"");
    if (copySharedData) add("Shared files for the workgroup have been copied to the server.");
    if (reportRights) {
        if (userAdmin) {
            add("User administrator rights for server data have been assigned.");
        } else if (adminOnly) {
            add("Administrator only rights for server data have been assigned.");
        } else {
            add("No administrator rights for server data have been assigned.");
        }
    }
    if (currentRedirect != newRedirect) {
        if (!currentRedirect.empty()) add("Redirection to \"" + currentRedirect + "\" has been removed.");
        if (!newRedirect.empty()) add("Redirection to \"" + newRedirect + "\" has been established.");
        if (!dataCopiedTo.empty()) add("Data files have been copied to \"" + dataCopiedTo + "\"");
    }
    return report;
}

}  // namespace orl
