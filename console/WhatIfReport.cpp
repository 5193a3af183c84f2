#include "console/WhatIfReport.h"

#include <map>
#include <set>

#include "core/Backup.h"
#include "core/SettingsFile.h"
#include "core/Text.h"

namespace orl {

namespace {

// The line that tells a step's copies, up to the count.
std::string StepHeading(const Change& step) {
    switch (step.step) {
        case CopyStep::BackingUp:
            return "back up " + step.source + " into " + step.path + ": ";
        case CopyStep::CopyingSharedFiles:
            return "copy shared files from " + step.source + " to " + step.path + ": ";
        case CopyStep::CopyingData:
        default:
            return "copy data from " + step.source + " to " + step.path + ": ";
    }
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
    size_t files = 0;
    unsigned long long bytes = 0;
    bool told = false;  // its line is there
    // Whether a server folder takes new files is asked without writing, and not every system
    // answers that truthfully (Wine grants the right whatever the folder allows).
    bool untried = false;
    std::string Text() const {
        return heading + std::to_string(files) + (files == 1 ? " file, " : " files, ") + std::to_string(bytes) +
               " bytes" + (untried ? " (not tried)" : "");
    }
};

// Files that a step made and removed again, as a settings file's save does with its temporary.
std::set<std::string> TransientFiles(const std::vector<Change>& changes) {
    std::map<std::string, bool> made;
    std::map<std::string, Change::Kind> last;
    for (const Change& change : changes) {
        if (change.kind == Change::FolderCreated || change.kind == Change::StepAnnounced) continue;
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

std::vector<std::string> DescribeChanges(Platform& platform, const std::vector<Change>& changes) {
    const std::set<std::string> transient = TransientFiles(changes);
    std::vector<std::string> lines;
    Tally copies;  // the copies of the step in hand, told on one line once there is one
    bool backingUp = false;
    for (const Change& change : changes) {
        if (change.kind == Change::StepAnnounced) {
            backingUp = change.step == CopyStep::BackingUp;
            copies = {lines.size(), StepHeading(change), 0, 0, backingUp, change.step == CopyStep::CopyingSharedFiles};
            if (backingUp) lines.push_back(copies.Text());  // a backup folder is made, empty or not
            continue;
        }
        if (transient.count(LowerAZ(change.path)) != 0) continue;
        if (change.kind == Change::FolderCreated) {
            // Whether the disk lets a folder be made cannot be known without making it.
            if (!backingUp) lines.push_back("create folder " + change.path + "\\ (not tried)");
        } else if (change.kind == Change::FileCopied) {
            if (!copies.told) copies = {lines.size(), copies.heading, 0, 0, true, copies.untried};
            if (copies.line == lines.size()) lines.emplace_back();
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

std::string WhatIfSummary(const std::vector<std::string>& lines, bool stopped) {
    std::string summary = "What-if run: no changes were made. The run would";
    if (lines.empty() && !stopped) return summary + " change nothing.";
    summary += ':';
    for (const std::string& line : lines) summary += "\r\n" + line;
    if (stopped) summary += "\r\nstop with the error above";
    return summary;
}

}  // namespace orl
