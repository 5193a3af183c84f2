#include "console/WhatIfReport.h"

#include <map>
#include <set>

#include "core/Backup.h"
#include "core/SettingsFile.h"
#include "core/Text.h"

namespace orl {

namespace {

// The location a file belongs to: the folder that holds its "Data" folder, or its own folder.
std::string LocationOf(const std::string& path) {
    const size_t data = LowerAZ(path).rfind("\\data\\");
    return data != std::string::npos ? path.substr(0, data + 1) : FolderPart(path);
}

// The backup folder that holds the path, or empty.
std::string BackupFolderOf(const std::string& path) {
    for (size_t end = path.find('\\'); end != std::string::npos; end = path.find('\\', end + 1)) {
        if (IsBackupFolderName(kBackupPrefix, path.substr(0, end))) return path.substr(0, end + 1);
    }
    return IsBackupFolderName(kBackupPrefix, path) ? path + "\\" : std::string();
}

// "[Server] ServerPath = s:\workgroup" for each key set, "[Setup] Redirect removed" for each
// key removed, between the two versions of a settings file.
std::string KeyChanges(Platform& platform, const Change& write) {
    const SettingsFile before(platform, write.path, write.before), after(platform, write.path, write.after);
    const std::string absent = std::string("\x01", 1);
    std::string keys;
    auto add = [&keys](const std::string& text) { keys += (keys.empty() ? "" : "; ") + text; };
    auto visit = [&](const SettingsFile& from, const SettingsFile& to, bool removing) {
        for (const std::string& section : from.SectionNames()) {
            for (const std::string& line : from.SectionLines(section)) {
                const size_t equals = line.find('=');
                if (equals == std::string::npos) continue;
                const std::string key = line.substr(0, equals);
                const std::string value = from.ReadText(section, key, absent);
                const std::string other = to.ReadText(section, key, absent);
                if (value == other || (removing && other != absent)) continue;
                add("[" + section + "] " + key + (removing ? " removed" : " = " + value));
            }
        }
    };
    visit(after, before, false);
    visit(before, after, true);
    return keys;
}

// Copies told as one line: its heading and how many files and bytes so far.
struct Tally {
    size_t line = 0;
    std::string heading;
    size_t files = 0, bytes = 0;
    std::string Text() const {
        return heading + std::to_string(files) + (files == 1 ? " file, " : " files, ") + std::to_string(bytes) +
               " bytes";
    }
};

// Files that a step made and removed again, as a settings file's save does with its temporary.
std::set<std::string> TransientFiles(const std::vector<Change>& changes) {
    std::map<std::string, bool> made;
    std::map<std::string, Change::Kind> last;
    for (const Change& change : changes) {
        if (change.kind == Change::FolderCreated) continue;
        const std::string key = LowerAZ(change.path);
        made.emplace(key, !change.existedBefore);
        last[key] = change.kind;
    }
    std::set<std::string> transient;
    for (const auto& [key, kind] : last) {
        if (made[key] && kind == Change::FileDeleted) transient.insert(key);
    }
    return transient;
}

}  // namespace

std::vector<std::string> DescribeChanges(Platform& platform, const std::vector<Change>& changes,
                                         const std::string& serverFolder) {
    const std::set<std::string> transient = TransientFiles(changes);
    std::vector<std::string> lines;
    std::map<std::string, Tally> backups;  // by backup folder
    Tally copies;                          // the copies told on the last line, if they are
    for (const Change& change : changes) {
        if (transient.count(LowerAZ(change.path)) != 0) continue;
        const std::string backup = BackupFolderOf(change.path);
        if (change.kind == Change::FolderCreated) {
            if (backup.empty()) {
                lines.push_back("create folder " + change.path + "\\");
            } else if (backup == change.path + "\\") {
                backups[backup] = {lines.size(), "back up " + FolderPart(change.path) + " into " + backup + ": "};
                lines.push_back(backups[backup].Text());
            }
        } else if (change.kind == Change::FileCopied && backups.count(backup) != 0) {
            Tally& tally = backups[backup];
            ++tally.files;
            tally.bytes += change.bytes;
            lines[tally.line] = tally.Text();
        } else if (change.kind == Change::FileCopied) {
            const std::string from = LocationOf(change.source), to = LocationOf(change.path);
            const std::string heading = (LowerAZ(to) == serverFolder ? "copy shared files from " : "copy data from ") +
                                        from + " to " + to + ": ";
            if (copies.heading != heading || copies.line + 1 != lines.size()) {
                copies = {lines.size(), heading};
                lines.emplace_back();
            }
            ++copies.files;
            copies.bytes += change.bytes;
            lines[copies.line] = copies.Text();
        } else if (change.kind == Change::FileWritten) {
            if (change.existedBefore && change.before == change.after) continue;
            const bool settings = LowerAZ(LastPathComponent(change.path)) == "orl.ini";
            const std::string keys = settings ? KeyChanges(platform, change) : std::string();
            lines.push_back("write " + change.path + (keys.empty() ? "" : ": " + keys));
        } else {
            lines.push_back("delete " + change.path);
        }
    }
    return lines;
}

std::string WhatIfSummary(const std::vector<std::string>& lines) {
    std::string summary = "What-if run: no changes were made. The run would:";
    for (const std::string& line : lines) summary += "\r\n" + line;
    return summary;
}

}  // namespace orl
