// A platform that passes every operation to another one and tells what it is doing: each
// listing, copy and write, with the path concerned. The window build shows it while it works.
#pragma once

#include <string>

#include "platform/ForwardingPlatform.h"

namespace orl {

enum class FileActivity { Listing, Copying, Writing };

// Told of each activity (for a copy, the file it makes) on the thread that does it, so it must
// not touch windows itself.
class ActivityListener {
public:
    virtual ~ActivityListener() = default;
    virtual void OnActivity(FileActivity activity, const std::string& path) = 0;
};

class ReportingPlatform final : public ForwardingPlatform {
public:
    ReportingPlatform(Platform& below, ActivityListener& listener) : ForwardingPlatform(below), listener_(listener) {}

    Access ListFolder(const std::string& folder, const std::string& pattern,
                      std::vector<FolderEntry>& entries) override {
        listener_.OnActivity(FileActivity::Listing, folder);
        return below_.ListFolder(folder, pattern, entries);
    }
    bool CopyFileReplacing(const std::string& source, const std::string& target) override {
        // The copy goes to a temporary, whose name tells a person nothing: the file it becomes is
        // the source's name in the target's folder.
        listener_.OnActivity(FileActivity::Copying, target.substr(0, target.find_last_of('\\') + 1) +
                                                        source.substr(source.find_last_of('\\') + 1));
        return below_.CopyFileReplacing(source, target);
    }
    bool WriteWholeFile(const std::string& path, const std::string& contents) override {
        listener_.OnActivity(FileActivity::Writing, path);
        return below_.WriteWholeFile(path, contents);
    }

private:
    ActivityListener& listener_;
};

}  // namespace orl
