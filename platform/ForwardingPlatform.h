// A platform that hands every operation to another one: the base of the realisations that
// change or watch a few operations of a platform below and pass the rest through.
#pragma once

#include "platform/Platform.h"

namespace orl {

class ForwardingPlatform : public Platform {
public:
    explicit ForwardingPlatform(Platform& below) : below_(below) {}

    PathKind Probe(const std::string& path) override { return below_.Probe(path); }
    bool CreateFolderPath(const std::string& path) override { return below_.CreateFolderPath(path); }
    Access ListFolder(const std::string& folder, const std::string& pattern,
                      std::vector<FolderEntry>& entries) override {
        return below_.ListFolder(folder, pattern, entries);
    }
    bool CopyFileReplacing(const std::string& source, const std::string& target) override {
        return below_.CopyFileReplacing(source, target);
    }
    Access ReadWholeFile(const std::string& path, std::string& contents) override {
        return below_.ReadWholeFile(path, contents);
    }
    Access ReadSharingWrites(const std::string& path, std::string& contents) override {
        return below_.ReadSharingWrites(path, contents);
    }
    Access FileSize(const std::string& path, unsigned long long& bytes) override {
        return below_.FileSize(path, bytes);
    }
    bool RefusesNewFiles(const std::string& folder) override { return below_.RefusesNewFiles(folder); }
    bool WriteWholeFile(const std::string& path, const std::string& contents) override {
        return below_.WriteWholeFile(path, contents);
    }
    bool FlushFile(const std::string& path) override { return below_.FlushFile(path); }
    unsigned Attributes(const std::string& path) override { return below_.Attributes(path); }
    bool SetAttributes(const std::string& path, unsigned attributes) override {
        return below_.SetAttributes(path, attributes);
    }
    bool ReplaceFileWith(const std::string& replaced, const std::string& replacement) override {
        return below_.ReplaceFileWith(replaced, replacement);
    }
    bool MoveFileReplacing(const std::string& source, const std::string& target) override {
        return below_.MoveFileReplacing(source, target);
    }
    bool DeleteFileAt(const std::string& path) override { return below_.DeleteFileAt(path); }
    bool CanReplace(const std::string& path) override { return below_.CanReplace(path); }
    void Announce(CopyStep step, const std::string& from, const std::string& to) override {
        below_.Announce(step, from, to);
    }
    std::string FullPath(const std::string& path) override { return below_.FullPath(path); }
    int CompareNoCase(const std::string& a, const std::string& b) override { return below_.CompareNoCase(a, b); }
    std::string ComparisonKey(const std::string& text) override { return below_.ComparisonKey(text); }
    LocalTime Now() override { return below_.Now(); }
    void Pause(int milliseconds) override { below_.Pause(milliseconds); }
    std::string EnvironmentValue(const std::string& name) override { return below_.EnvironmentValue(name); }
    std::string RunnerIdentity() override { return below_.RunnerIdentity(); }
    LockOutcome TryLock(const std::string& name, std::string& reason) override { return below_.TryLock(name, reason); }
    void Unlock(const std::string& name) override { below_.Unlock(name); }

protected:
    Platform& below_;
};

}  // namespace orl
