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
    // The copy itself would be held by no other program: its source is read as a copy reads it.
    if (!found->second.below.empty()) return below_.ReadSharingWrites(found->second.below, contents);
    contents = found->second.contents;
    return Access::Done;
}

Access WhatIfPlatform::CopyOf(const std::string& fullPath, Entry& copy) {
    copy = Entry();
    auto found = entries_.find(Key(fullPath));
    if (found == entries_.end()) {
        copy.below = fullPath;
        return below_.FileSize(fullPath, copy.bytes);
    }
    if (found->second.kind != PathKind::File) return Access::Missing;
    copy = found->second;
    return Access::Done;
}

bool WhatIfPlatform::CanPutFile(const std::string& fullPath) {
    const PathKind kind = KindOf(fullPath);
    const std::string folder = Parent(fullPath);
    if (KindOf(folder) != PathKind::Folder || (kind != PathKind::File && kind != PathKind::Missing)) {
        return false;
    }
    // Every file is put in place through a new temporary beside it. A folder that this run made
    // takes new files; one below is asked once.
    if (entries_.count(Key(folder)) == 0) {
        auto asked = refusing_.find(Key(folder));
        if (asked == refusing_.end()) asked = refusing_.emplace(Key(folder), below_.RefusesNewFiles(folder)).first;
        if (asked->second) return false;
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

WhatIfPlatform::Entry WhatIfPlatform::Made(PathKind kind, const std::string& fullPath, const std::string& text) {
    Entry entry;
    entry.kind = kind;
    entry.path = fullPath;
    entry.contents = text;
    entry.bytes = text.size();
    return entry;
}

void WhatIfPlatform::PutFile(const std::string& fullPath, Entry file, Change::Kind kind) {
    Change change = ChangeOf(kind, fullPath, KindOf(fullPath) == PathKind::File);
    change.bytes = file.bytes;
    if (kind == Change::FileCopied) {
        change.source = file.copiedFrom;
    } else {
        file.copiedFrom.clear();
        if (change.existedBefore) Contents(fullPath, change.before);
        change.after = file.contents;
    }
    file.kind = PathKind::File;
    file.path = fullPath;
    entries_[Key(fullPath)] = std::move(file);
    changes_.push_back(std::move(change));
}

void WhatIfPlatform::Remove(const std::string& fullPath) {
    entries_[Key(fullPath)] = Made(PathKind::Missing, fullPath);
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
        entries_[Key(*folder)] = Made(PathKind::Folder, *folder);
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
    // Opened as CopyFileA opens its source: a file that another program is writing can be copied.
    Entry copy;
    if (CopyOf(from, copy) != Access::Done || !CanPutFile(to)) return false;
    copy.copiedFrom = from;
    copy.attributes = Attributes(from);  // CopyFileA carries them over
    PutFile(to, std::move(copy), Change::FileCopied);
    return true;
}

Access WhatIfPlatform::ReadWholeFile(const std::string& path, std::string& contents) {
    return Contents(Full(path), contents);
}

Access WhatIfPlatform::ReadSharingWrites(const std::string& path, std::string& contents) {
    return Contents(Full(path), contents, true);
}

Access WhatIfPlatform::FileSize(const std::string& path, unsigned long long& bytes) {
    Entry file;
    const Access access = CopyOf(Full(path), file);
    bytes = file.bytes;
    return access;
}

bool WhatIfPlatform::WriteWholeFile(const std::string& path, const std::string& contents) {
    const std::string full = Full(path);
    if (!CanPutFile(full)) return false;
    PutFile(full, Made(PathKind::File, full, contents), Change::FileWritten);
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
    PutFile(target, Made(PathKind::File, target, contents), Change::FileWritten);
    Remove(source);
    return true;
}

bool WhatIfPlatform::MoveFileReplacing(const std::string& source, const std::string& target) {
    const std::string from = Full(source), to = Full(target);
    // A copy made beside its target and moved into place is, in the end, a copy; anything else
    // moved there is a write of its text.
    auto made = entries_.find(Key(from));
    const bool copy = made != entries_.end() && made->second.kind == PathKind::File && !made->second.copiedFrom.empty();
    Entry moved;
    if (copy) {
        moved = made->second;
    } else {
        std::string contents;
        if (Contents(from, contents) != Access::Done) return false;
        moved = Made(PathKind::File, to, contents);
    }
    if (!CanPutFile(to)) return false;
    moved.attributes = Attributes(from);
    PutFile(to, std::move(moved), copy ? Change::FileCopied : Change::FileWritten);
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
