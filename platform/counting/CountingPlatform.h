// A platform that passes every operation to another one and counts what a run asks of each
// drive or share: on a file server every path call is at least one round trip, so these counts
// are what a run costs the server. Also keeps the files read and the files changed.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/ForwardingPlatform.h"
#include "platform/WindowsPath.h"
#include "platform/WindowsText.h"

namespace orl {

class CountingPlatform final : public ForwardingPlatform {
public:
    explicit CountingPlatform(Platform& below) : ForwardingPlatform(below) {}

    // Path calls on the drive or share ("S:\", "\\server\share", as the full path spells it).
    int OperationsOn(const std::string& root) const {
        auto found = operations_.find(LowerRoot(root));
        return found == operations_.end() ? 0 : found->second;
    }
    // Full paths, letters as given: the files whose contents were read (copies' sources
    // included), and the files and folders that were created, written, replaced, moved,
    // deleted or given other attributes.
    const std::multiset<std::string>& FilesRead() const { return read_; }
    const std::set<std::string>& Changed() const { return changed_; }

    PathKind Probe(const std::string& path) override { return Count(path), below_.Probe(path); }
    bool CreateFolderPath(const std::string& path) override {
        return Count(path), Change(path), below_.CreateFolderPath(path);
    }
    Access ListFolder(const std::string& folder, const std::string& pattern,
                      std::vector<FolderEntry>& entries) override {
        return Count(folder), below_.ListFolder(folder, pattern, entries);
    }
    bool CopyFileReplacing(const std::string& source, const std::string& target) override {
        return Count(source, target), Read(source), Change(target), below_.CopyFileReplacing(source, target);
    }
    Access ReadWholeFile(const std::string& path, std::string& contents) override {
        return Count(path), Read(path), below_.ReadWholeFile(path, contents);
    }
    Access ReadSharingWrites(const std::string& path, std::string& contents) override {
        return Count(path), Read(path), below_.ReadSharingWrites(path, contents);
    }
    Access FileSize(const std::string& path, unsigned long long& bytes) override {
        return Count(path), below_.FileSize(path, bytes);
    }
    bool RefusesNewFiles(const std::string& folder) override { return Count(folder), below_.RefusesNewFiles(folder); }
    bool WriteWholeFile(const std::string& path, const std::string& contents) override {
        return Count(path), Change(path), below_.WriteWholeFile(path, contents);
    }
    bool FlushFile(const std::string& path) override { return Count(path), below_.FlushFile(path); }
    unsigned Attributes(const std::string& path) override { return Count(path), below_.Attributes(path); }
    bool SetAttributes(const std::string& path, unsigned attributes) override {
        return Count(path), Change(path), below_.SetAttributes(path, attributes);
    }
    bool ReplaceFileWith(const std::string& replaced, const std::string& replacement) override {
        return Count(replaced, replacement), Change(replaced), Change(replacement),
               below_.ReplaceFileWith(replaced, replacement);
    }
    bool MoveFileReplacing(const std::string& source, const std::string& target) override {
        return Count(source, target), Change(source), Change(target), below_.MoveFileReplacing(source, target);
    }
    bool DeleteFileAt(const std::string& path) override {
        return Count(path), Change(path), below_.DeleteFileAt(path);
    }
    bool CanReplace(const std::string& path) override { return Count(path), below_.CanReplace(path); }

private:
    static std::string LowerRoot(std::string root) {
        root = FoldName(root);
        while (root.size() > 2 && root.back() == '\\') root.pop_back();
        return root;
    }
    std::string RootOf(const std::string& path) { return LowerRoot(SplitFullPath(below_.FullPath(path)).root); }
    // One call, counted once on each drive or share it reaches.
    void Count(const std::string& path, const std::string& other = std::string()) {
        const std::string root = RootOf(path);
        ++operations_[root];
        if (!other.empty() && RootOf(other) != root) ++operations_[RootOf(other)];
    }
    void Read(const std::string& path) { read_.insert(below_.FullPath(path)); }
    void Change(const std::string& path) { changed_.insert(below_.FullPath(path)); }

    std::map<std::string, int> operations_;  // by root, letters lowered, no trailing backslash
    std::multiset<std::string> read_;
    std::set<std::string> changed_;
};

}  // namespace orl
