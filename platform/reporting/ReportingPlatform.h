// A platform that passes every operation to another one and tells what it is doing: each
// listing, copy and write, with the path concerned. The window build shows it while it works.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace orl {

enum class FileActivity { Listing, Copying, Writing };

// Told of each activity (for a copy, its target) on the thread that does it, so it must not
// touch windows itself.
class ActivityListener {
public:
    virtual ~ActivityListener() = default;
    virtual void OnActivity(FileActivity activity, const std::string& path) = 0;
};

class ReportingPlatform final : public Platform {
public:
    ReportingPlatform(Platform& below, ActivityListener& listener) : below_(below), listener_(listener) {}

    PathKind Probe(const std::string& path) override { return below_.Probe(path); }
    bool CreateFolderPath(const std::string& path) override { return below_.CreateFolderPath(path); }
    Access ListFolder(const std::string& folder, const std::string& pattern,
                      std::vector<FolderEntry>& entries) override {
        listener_.OnActivity(FileActivity::Listing, folder);
        return below_.ListFolder(folder, pattern, entries);
    }
    bool CopyFileReplacing(const std::string& source, const std::string& target) override {
        listener_.OnActivity(FileActivity::Copying, target);
        return below_.CopyFileReplacing(source, target);
    }
    Access ReadWholeFile(const std::string& path, std::string& contents) override {
        return below_.ReadWholeFile(path, contents);
    }
    Access ReadSharingWrites(const std::string& path, std::string& contents) override {
        return below_.ReadSharingWrites(path, contents);
    }
    bool WriteWholeFile(const std::string& path, const std::string& contents) override {
        listener_.OnActivity(FileActivity::Writing, path);
        return below_.WriteWholeFile(path, contents);
    }
    bool ReplaceFileWith(const std::string& replaced, const std::string& replacement) override {
        return below_.ReplaceFileWith(replaced, replacement);
    }
    bool MoveFileReplacing(const std::string& source, const std::string& target) override {
        return below_.MoveFileReplacing(source, target);
    }
    bool DeleteFileAt(const std::string& path) override { return below_.DeleteFileAt(path); }
    std::string FullPath(const std::string& path) override { return below_.FullPath(path); }
    int CompareNoCase(const std::string& a, const std::string& b) override { return below_.CompareNoCase(a, b); }
    std::string ComparisonKey(const std::string& text) override { return below_.ComparisonKey(text); }
    LocalTime Now() override { return below_.Now(); }
    std::string EnvironmentValue(const std::string& name) override { return below_.EnvironmentValue(name); }

private:
    Platform& below_;
    ActivityListener& listener_;
};

}  // namespace orl
