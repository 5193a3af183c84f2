#include "core/InstallSettings.h"

#include "core/Locations.h"
#include "core/Text.h"

namespace orl {

std::string ReadFolderKey(Platform& platform, const SettingsFile& settings, const std::string& section,
                          const std::string& key) {
    std::string value = TrimControl(settings.ReadText(section, key, std::string()));
    return value.empty() ? value : AddBackslash(platform.FullPath(value));
}

std::string ReadRedirect(Platform& platform, const std::string& folder) {
    SettingsFile own(platform, AddBackslash(folder) + "orl.ini");
    return ReadFolderKey(platform, own, "Setup", "Redirect");
}

void WriteRedirect(Platform& platform, const std::string& folder, const std::string& redirect) {
    if (redirect.empty()) {
        RemoveRedirect(platform, folder);
        return;
    }
    SettingsFile own(platform, AddBackslash(folder) + "orl.ini");
    own.WriteText("Setup", "Redirect", RemoveBackslash(redirect));
    own.Save();
}

SettingsFile RemoveRedirect(Platform& platform, const std::string& folder) {
    SettingsFile own(platform, AddBackslash(folder) + "orl.ini");
    DeleteIniKey(&own, "Setup", "Redirect");
    own.Save();
    return own;
}

SettingsFile OpenSettings(Platform& platform, const std::string& installFolder) {
    SettingsFile own(platform, AddBackslash(installFolder) + "orl.ini");
    std::string redirect = ReadFolderKey(platform, own, "Setup", "Redirect");
    if (redirect.empty()) return own;
    PathKind redirected = platform.Probe(redirect + "orl.ini");
    // Guessing here would read, and later write, the settings of the wrong file.
    if (redirected == PathKind::Unknown) throw PlatformError("Cannot open file " + redirect + "orl.ini");
    return redirected == PathKind::File ? SettingsFile(platform, redirect + "orl.ini") : own;
}

void DeleteIniKey(SettingsFile* settings, const std::string& section, const std::string& key) {
    if (settings == nullptr) return;
    settings->DeleteKey(section, key);
    if (settings->SectionLines(section).empty()) settings->EraseSection(section);
}

}  // namespace orl
