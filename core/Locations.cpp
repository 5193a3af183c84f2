#include "core/Locations.h"

#include "core/Text.h"
#include "core/WholeFiles.h"

namespace orl {

namespace {

const char* const kInstallMarkerFiles[] = {"orl.inf"};
const char* const kSharedDataFiles[] = {"orl.ini", "Data\\ClientProject.txt", "Data\\CategoryActivity.txt"};
const char kMachineWideInstallFolder[] = "C:\\Program Files\\Brenmoor\\Orlagen\\";

template <size_t N>
bool HoldsEveryFile(Platform& platform, const std::string& folder, const char* const (&names)[N]) {
    const std::string base = AddBackslash(folder);
    for (const char* name : names) {
        if (platform.Probe(base + name) != PathKind::File) return false;
    }
    return true;
}

// The folder part of a file path: up to its last backslash or colon, keeping the backslash only
// where it makes a root ("C:\", or a path that ends in two backslashes).
std::string FolderOfFile(const std::string& path) {
    size_t cut = path.find_last_of("\\:");
    if (cut == std::string::npos) return std::string();
    if (path[cut] == '\\' && cut > 0 && path[cut - 1] != ':' && path[cut - 1] != '\\') {
        return path.substr(0, cut);
    }
    return path.substr(0, cut + 1);
}

}  // namespace

std::string AddBackslash(const std::string& folder) {
    return folder.empty() || folder.back() == '\\' ? folder : folder + "\\";
}

std::string RemoveBackslash(const std::string& folder) {
    return !folder.empty() && folder.back() == '\\' ? folder.substr(0, folder.size() - 1) : folder;
}

std::string DataFolder(const std::string& folder) { return AddBackslash(folder) + "Data\\"; }

bool IsInstallFolder(Platform& platform, const std::string& folder) {
    return HoldsEveryFile(platform, folder, kInstallMarkerFiles);
}

bool HasSharedDataFiles(Platform& platform, const std::string& folder) {
    return HoldsEveryFile(platform, folder, kSharedDataFiles);
}

std::string GetEnvironmentValue(Platform& platform, const std::string& name) {
    return platform.EnvironmentValue(name);
}

std::string DefaultInstallFolder(Platform& platform) {
    std::string perUser = AddBackslash(GetEnvironmentValue(platform, "APPDATA")) + "Brenmoor\\Orlagen\\";
    if (platform.Probe(perUser) != PathKind::Folder &&
        platform.Probe(kMachineWideInstallFolder) == PathKind::Folder &&
        IsInstallFolder(platform, kMachineWideInstallFolder)) {
        return kMachineWideInstallFolder;
    }
    return perUser;
}

bool EnsureDataFolder(Platform& platform, const std::string& folder) {
    if (folder.empty()) return true;
    return platform.Probe(DataFolder(folder)) == PathKind::Folder || platform.CreateFolderPath(DataFolder(folder));
}

std::string NormalisedFolder(const std::string& folder) { return LowerAZ(AddBackslash(folder)); }

bool IsFolderAt(Platform& platform, const std::string& folder, const std::string& fullPath) {
    return platform.CompareNoCase(platform.FullPath(folder), fullPath) == 0;
}

bool CopyFileTo(Platform& platform, const std::string& source, const std::string& target) {
    std::string folder = FolderOfFile(target);
    if (!folder.empty() && platform.Probe(folder) != PathKind::Folder) platform.CreateFolderPath(folder);
    return CopyFileWhole(platform, source, target);
}

}  // namespace orl
