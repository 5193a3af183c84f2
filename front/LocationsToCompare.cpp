#include "front/LocationsToCompare.h"

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

}  // namespace orl
