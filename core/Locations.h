// The folder conventions of an Orlagen installation and the small operations on its locations.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace orl {

// The normal form of a folder: a backslash appended unless the text ends in one; empty stays empty.
std::string AddBackslash(const std::string& folder);
// The text without one trailing backslash, if it ends in one.
std::string RemoveBackslash(const std::string& folder);
// The normalised form of a folder: its normal form with the letters A to Z lowered, as the
// configuration compares folders and writes them into settings files and reports.
std::string NormalisedFolder(const std::string& folder);
// The folder's data folder, "Data\" in it ("Data\" alone for an empty folder).
std::string DataFolder(const std::string& folder);

// The folder holds the installation marker file "orl.inf" (as a file, not a folder).
bool IsInstallFolder(Platform& platform, const std::string& folder);
// The folder holds "orl.ini", "Data\ClientProject.txt" and "Data\CategoryActivity.txt".
bool HasSharedDataFiles(Platform& platform, const std::string& folder);

// The variable's value, or empty when it is not set or has 1,024 characters or more.
std::string GetEnvironmentValue(Platform& platform, const std::string& name);
// The per-user installation folder under APPDATA, unless it does not exist while the machine-wide
// one is an installation; in normal form.
std::string DefaultInstallFolder(Platform& platform);

// The folder's data folder exists or has been created, with every missing folder above it.
// True at once for an empty folder; never raises.
bool EnsureDataFolder(Platform& platform, const std::string& folder);
// The folder, in any spelling, is the one whose full path is given: compared as Windows matches
// names, without regard to case.
bool IsFolderAt(Platform& platform, const std::string& folder, const std::string& fullPath);
// Copies one file whole, replacing an existing target, after creating the target's folder if missing.
bool CopyFileTo(Platform& platform, const std::string& source, const std::string& target);

}  // namespace orl
