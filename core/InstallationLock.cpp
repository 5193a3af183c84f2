#include "core/InstallationLock.h"

#include <algorithm>

#include "core/Locations.h"
#include "core/Text.h"

namespace orl {

namespace {

// Lock names may not hold backslashes, and Windows takes names of up to 260 characters: a longer
// path keeps its start and end around a fingerprint of the whole.
std::string LockName(const std::string& fullPath) {
    std::string name = "orlconfig " + LowerAZ(fullPath);
    std::replace(name.begin(), name.end(), '\\', '/');
    if (name.size() <= 200) return name;
    return name.substr(0, 100) + "..." + std::to_string(Fingerprint(name)) + "..." + name.substr(name.size() - 80);
}

}  // namespace

InstallationLock::InstallationLock(Platform& platform, const std::string& installFolder)
    : platform_(platform), name_(LockName(platform.FullPath(AddBackslash(installFolder)))) {
    // Quoted as the reports quote folders; put together in place, as GCC 12 warns falsely
    // (-Wrestrict) of "\"" + folder + "\"" here.
    std::string folder = NormalisedFolder(installFolder);
    folder.insert(folder.begin(), '"');
    folder += '"';
    std::string reason;
    switch (platform_.TryLock(name_, reason)) {
        case LockOutcome::Taken: return;
        case LockOutcome::Held: throw PlatformError("Another configuration of " + folder + " is running.");
        case LockOutcome::Failed:
            throw PlatformError("Cannot lock " + folder + " against another configuration: " + reason);
    }
}

InstallationLock::~InstallationLock() { platform_.Unlock(name_); }

}  // namespace orl
