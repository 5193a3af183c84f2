#include "platform/whatif/WhatIfPlatform.h"

#include "platform/WindowsPath.h"
#include "platform/WindowsText.h"

namespace orl {

std::string WhatIfPlatform::WithoutTrailingSlash(std::string path) {
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

std::string WhatIfPlatform::Full(const std::string& path) { return WithoutTrailingSlash(below_.FullPath(path)); }

std::string WhatIfPlatform::Key(const std::string& fullPath) {
    std::string key = fullPath;
    for (char& c : key) c = static_cast<char>(LowerCase1252(static_cast<unsigned char>(c)));
    if (!key.empty() && key.back() == '\\') key.pop_back();
    return key;
}

std::string WhatIfPlatform::Parent(const std::string& fullPath) {
    size_t slash = fullPath.find_last_of('\\', fullPath.size() - 2);
    return slash == std::string::npos ? std::string() : WithoutTrailingSlash(fullPath.substr(0, slash + 1));
}

PathKind WhatIfPlatform::KindOf(const std::string& fullPath) {
    auto found = entries_.find(Key(fullPath));
    return found != entries_.end() ? found->second.kind : below_.Probe(fullPath);
}

Access WhatIfPlatform::Contents(const std::string& fullPath, std::string& contents, bool sharingWrites) {
    auto found = entries_.find(Key(fullPath));
    if (found == entries_.end()) {
        return sharingWrites ? below_.ReadSharingWrites(fullPath, contents) : below_.ReadWholeFile(fullPath, contents);
    }
    if (found->second.kind != PathKind::File) return Access::Missing;
    contents = found->second.contents;
    return Access::Done;
}

bool WhatIfPlatform::CanPutFile(const std::string& fullPath) {
    const PathKind kind = KindOf(fullPath);
    if (KindOf(Parent(fullPath)) != PathKind::Folder || (kind != PathKind::File && kind != PathKind::Missing)) {
        return false;
    }
    return kind == PathKind::Missing || CanReplace(fullPath);
}

Change WhatIfPlatform::ChangeOf(Change::Kind kind, const std::string& fullPath, bool existedBefore) {
    Change change;
    change.kind = kind;
    change.path = fullPath;
    change.existedBefore = existedBefore;
    return change;
}

void WhatIfPlatform::PutFile(const std::string& fullPath, const std::string& contents, Change::Kind kind,
                             const std::string& source, unsigned attributes) {
    Change change = ChangeOf(kind, fullPath, KindOf(fullPath) == PathKind::File);
    change.source = source;
    change.bytes = contents.size();
    if (change.kind == Change::FileWritten) {
        if (change.existedBefore) Contents(fullPath, change.before);
        change.after = contents;
    }
    entries_[Key(fullPath)] = {PathKind::File, fullPath, contents, kind == Change::FileCopied ? source : "",
                               attributes};
    changes_.push_back(std::move(change));
}

void WhatIfPlatform::Remove(const std::string& fullPath) {
    entries_[Key(fullPath)] = {PathKind::Missing, fullPath, std::string(), std::string(), 0};
    changes_.push_back(ChangeOf(Change::FileDeleted, fullPath, true));
}

PathKind WhatIfPlatform::Probe(const std::string& path) { return KindOf(Full(path)); }

bool WhatIfPlatform::CreateFolderPath(const std::string& path) {
    std::string full = Full(path);
    // As the real creation does, the climb through missing folders stops at the root, which
    // cannot be created: "C:\" or "\\server\share".
    const std::string root = WithoutTrailingSlash(SplitFullPath(full).root);
    std::vector<std::string> missing;
    PathKind kind;
    while ((kind = KindOf(full)) == PathKind::Missing && full.size() > root.size()) {
        // A name that Windows refuses can be seen without making the folder.
        if (!IsValidName(full.substr(full.find_last_of('\\') + 1))) return false;
        missing.push_back(full);
        full = Parent(full);
    }
    if (kind != PathKind::Folder) return false;  // a file in the way, no such drive or share, out of reach
    for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder) {
        entries_[Key(*folder)] = {PathKind::Folder, *folder, std::string(), std::string(), 0};
        changes_.push_back(ChangeOf(Change::FolderCreated, *folder, false));
    }
    return true;
}

Access WhatIfPlatform::ListFolder(const std::string& folder, const std::string& pattern,
                                  std::vector<FolderEntry>& entries) {
    const std::string full = Full(folder);
    const std::string key = Key(full);
    auto own = entries_.find(key);
    if (own != entries_.end() && own->second.kind != PathKind::Folder) return Access::Missing;
    std::vector<FolderEntry> listed;
    Access access = below_.ListFolder(folder, pattern, listed);
    if (access == Access::Failed) return access;
    if (access == Access::Missing && own == entries_.end()) return access;
    // What lies below as this run has left it, then what this run has put there.
    for (const FolderEntry& entry : listed) {
        if (entries_.count(key + "\\" + Key(entry.name)) == 0) entries.push_back(entry);
    }
    for (const auto& [path, entry] : entries_) {
        const std::string name = entry.path.substr(entry.path.find_last_of('\\') + 1);
        if (entry.kind != PathKind::Missing && Key(Parent(entry.path)) == key && MatchesWildcard(name, pattern)) {
            entries.push_back({name, entry.kind == PathKind::Folder});
        }
    }
    return Access::Done;
}

bool WhatIfPlatform::CopyFileReplacing(const std::string& source, const std::string& target) {
    const std::string from = Full(source), to = Full(target);
    // Read as CopyFileA reads its source: a file that another program is writing can be copied.
    std::string contents;
    if (Contents(from, contents, true) != Access::Done || !CanPutFile(to)) return false;
    PutFile(to, contents, Change::FileCopied, from, Attributes(from));  // CopyFileA carries them over
    return true;
}

Access WhatIfPlatform::ReadWholeFile(const std::string& path, std::string& contents) {
    return Contents(Full(path), contents);
}

Access WhatIfPlatform::ReadSharingWrites(const std::string& path, std::string& contents) {
    return Contents(Full(path), contents, true);
}

bool WhatIfPlatform::WriteWholeFile(const std::string& path, const std::string& contents) {
    const std::string full = Full(path);
    if (!CanPutFile(full)) return false;
    PutFile(full, contents, Change::FileWritten);
    return true;
}

bool WhatIfPlatform::FlushFile(const std::string& path) { return KindOf(Full(path)) == PathKind::File; }

unsigned WhatIfPlatform::Attributes(const std::string& path) {
    auto found = entries_.find(Key(Full(path)));
    return found != entries_.end() ? found->second.attributes : below_.Attributes(path);
}

bool WhatIfPlatform::SetAttributes(const std::string& path, unsigned attributes) {
    // Only this run's own files change; the attributes of a file below do not matter to the
    // changes listed.
    auto found = entries_.find(Key(Full(path)));
    if (found == entries_.end()) return KindOf(Full(path)) != PathKind::Missing;
    if (found->second.kind == PathKind::Missing) return false;
    found->second.attributes = attributes;
    return true;
}

bool WhatIfPlatform::ReplaceFileWith(const std::string& replaced, const std::string& replacement) {
    const std::string target = Full(replaced), source = Full(replacement);
    std::string contents;
    if (KindOf(target) != PathKind::File || !CanReplace(target) || Contents(source, contents) != Access::Done) {
        return false;
    }
    PutFile(target, contents, Change::FileWritten);
    Remove(source);
    return true;
}

bool WhatIfPlatform::MoveFileReplacing(const std::string& source, const std::string& target) {
    const std::string from = Full(source), to = Full(target);
    std::string contents;
    if (Contents(from, contents) != Access::Done || !CanPutFile(to)) return false;
    // A copy made beside its target and moved into place is, in the end, a copy.
    auto made = entries_.find(Key(from));
    const std::string copiedFrom = made != entries_.end() ? made->second.copiedFrom : std::string();
    PutFile(to, contents, copiedFrom.empty() ? Change::FileWritten : Change::FileCopied, copiedFrom,
            Attributes(from));
    Remove(from);
    return true;
}

bool WhatIfPlatform::DeleteFileAt(const std::string& path) {
    const std::string full = Full(path);
    if (KindOf(full) != PathKind::File || !CanReplace(full)) return false;
    Remove(full);
    return true;
}

bool WhatIfPlatform::CanReplace(const std::string& path) {
    auto found = entries_.find(Key(Full(path)));
    if (found == entries_.end()) return below_.CanReplace(path);
    return found->second.kind == PathKind::File;
}

void WhatIfPlatform::Announce(CopyStep step, const std::string& from, const std::string& to) {
    Change change = ChangeOf(Change::StepAnnounced, to, false);
    change.source = from;
    change.step = step;
    changes_.push_back(std::move(change));
}

}  // namespace orl
