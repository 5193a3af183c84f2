// The settings of an installation: its redirection, and the settings file that is in effect.
#pragma once

#include <string>

#include "core/SettingsFile.h"
#include "platform/Platform.h"

namespace orl {

// A folder key's value as the installation means it ("Redirect", "ServerPath"): trimmed of codes
// up to 32, expanded to a full path against the current folder, in normal form; empty stays empty.
std::string ReadFolderKey(Platform& platform, const SettingsFile& settings, const std::string& section,
                          const std::string& key);

// The redirection named in the folder's own "orl.ini", in normal form, or empty. Not followed.
std::string ReadRedirect(Platform& platform, const std::string& folder);
// Sets [Setup] Redirect in the folder's own "orl.ini" (removes it for an empty redirection) and
// saves the file, creating it when it is missing; a file that keeps its bytes is not written.
void WriteRedirect(Platform& platform, const std::string& folder, const std::string& redirect);
// WriteRedirect with an empty redirection, giving back the folder's settings as saved.
SettingsFile RemoveRedirect(Platform& platform, const std::string& folder);
// The installation's effective settings file: its own "orl.ini", or the "orl.ini" of the folder
// that its Redirect names when that file exists. Redirection is followed one step only.
SettingsFile OpenSettings(Platform& platform, const std::string& installFolder);
// Deletes the key, and the section with it once nothing is left in it. Does not save.
void DeleteIniKey(SettingsFile* settings, const std::string& section, const std::string& key);

}  // namespace orl
