#include "tests/support/DiskLayout.h"

namespace orl {

bool PutFile(Platform& platform, const std::string& path, const std::string& text) {
    platform.CreateFolderPath(path.substr(0, path.find_last_of('\\') + 1));
    return platform.WriteWholeFile(path, text);
}

std::string FileText(Platform& platform, const std::string& path) {
    std::string text;
    const Access read = platform.ReadWholeFile(path, text);
    return read == Access::Done ? text : read == Access::Missing ? "(no such file)" : "(cannot be read)";
}

void LayOutLocation(Platform& platform, const std::string& folder, const std::string& ini,
                    const std::map<std::string, std::string>& periods) {
    PutFile(platform, folder + "orl.ini", ini);
    PutFile(platform, folder + "orl.inf", "installed");
    PutFile(platform, folder + "Data\\ClientProject.txt", kClientProjectText);
    PutFile(platform, folder + "Data\\CategoryActivity.txt", kCategoryActivityText);
    for (const auto& [name, text] : periods) PutFile(platform, folder + "Data\\" + name, text);
}

}  // namespace orl
