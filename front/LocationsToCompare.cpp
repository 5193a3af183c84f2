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

int CompareLocations(Platform& platform, const std::vector<std::string>& locations) {
    const std::string first = NormalisedFolder(platform.FullPath(locations[0]));
    if (!first.empty() && first == NormalisedFolder(platform.FullPath(locations[1]))) return kNeitherHoldsMore;
    return CompareDataSets(platform, locations);
}

}  // namespace orl
