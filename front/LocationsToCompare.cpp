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
    // Each folder is taken as the configuration takes it, with its backslash added: "h:" is the
    // root of H:, not the folder that H: is in now. Only the same letters, A-Z in either case,
    // make the same folder here: a locale comparison may find two folders' names equal
    // ("Straße", "Strasse"), and taking them for one would skip a comparison that decides.
    const auto folder = [&](const std::string& location) {
        return NormalisedFolder(platform.FullPath(NormalisedFolder(location)));
    };
    const std::string first = folder(locations[0]);
    if (!first.empty() && first == folder(locations[1])) return kNeitherHoldsMore;
    return CompareDataSets(platform, locations);
}

}  // namespace orl
