// The real platform: thin calls of the ANSI Win32 entry points, no policy of their own.
#pragma once

#include "platform/Platform.h"

namespace orl {

class Win32Platform final : public Platform {
public:
    PathKind Probe(const std::string& path) override;
    bool CreateFolderPath(const std::string& path) override;
    Access ListFolder(const std::string& folder, const std::string& pattern,
                      std::vector<FolderEntry>& entries) override;
    bool CopyFileReplacing(const std::string& source, const std::string& target) override;
    Access ReadWholeFile(const std::string& path, std::string& contents) override;
    Access ReadSharingWrites(const std::string& path, std::string& contents) override;
    bool WriteWholeFile(const std::string& path, const std::string& contents) override;
    bool ReplaceFileWith(const std::string& replaced, const std::string& replacement) override;
    bool MoveFileReplacing(const std::string& source, const std::string& target) override;
    bool DeleteFileAt(const std::string& path) override;
    std::string FullPath(const std::string& path) override;
    int CompareNoCase(const std::string& a, const std::string& b) override;
    std::string ComparisonKey(const std::string& text) override;
    LocalTime Now() override;
    std::string EnvironmentValue(const std::string& name) override;
};

}  // namespace orl
