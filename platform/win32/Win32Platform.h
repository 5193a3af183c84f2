// The real platform: thin calls of the ANSI Win32 entry points, no policy of their own.
#pragma once

#include <map>

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
    Access FileSize(const std::string& path, unsigned long long& bytes) override;
    bool RefusesNewFiles(const std::string& folder) override;
    bool WriteWholeFile(const std::string& path, const std::string& contents) override;
    bool FlushFile(const std::string& path) override;
    unsigned Attributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, unsigned attributes) override;
    bool ReplaceFileWith(const std::string& replaced, const std::string& replacement) override;
    bool MoveFileReplacing(const std::string& source, const std::string& target) override;
    bool DeleteFileAt(const std::string& path) override;
    bool CanReplace(const std::string& path) override;
    void Announce(CopyStep, const std::string&, const std::string&) override {}
    std::string FullPath(const std::string& path) override;
    int CompareNoCase(const std::string& a, const std::string& b) override;
    std::string ComparisonKey(const std::string& text) override;
    LocalTime Now() override;
    void Pause(int milliseconds) override;
    std::string EnvironmentValue(const std::string& name) override;
    std::string RunnerIdentity() override;
    LockOutcome TryLock(const std::string& name, std::string& reason) override;
    void Unlock(const std::string& name) override;

private:
    std::map<std::string, void*> locks_;  // the mutex handles held, by name
};

}  // namespace orl
