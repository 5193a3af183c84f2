#include "core/SettingsFile.h"

#include "core/Integers.h"
#include "core/LineScanning.h"
#include "core/Text.h"
#include "core/WholeFiles.h"

namespace orl {

namespace {

bool IsSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace

SettingsFile::SettingsFile(Platform& platform, std::string path)
    : platform_(platform), path_(std::move(path)) {
    std::string text;
    Access read = platform_.ReadWholeFile(path_, text);
    if (read == Access::Failed) throw PlatformError("Cannot open file " + path_);
    if (read == Access::Done) {
        onDisk_ = text;
    } else {
        TakeUpInterruptedSave(text);
    }
    Parse(text);
}

SettingsFile::SettingsFile(Platform& platform, std::string path, const std::string& text)
    : platform_(platform), path_(std::move(path)) {
    Parse(text);
}

bool SettingsFile::TakeUpInterruptedSave(std::string& text) {
    const std::string temporary = TemporaryFor(platform_, path_);
    const Access read = platform_.ReadWholeFile(temporary, text);
    // A temporary that a sync client or a scanner holds may be the only copy of the settings:
    // starting empty would lose every other setting at the next save.
    if (read == Access::Failed) throw PlatformError("Cannot open file " + temporary);
    // Only a whole save counts: its text is exactly what saving these settings writes.
    if (read != Access::Done || SettingsFile(platform_, path_, text).Text() != text) {
        text.clear();
        return false;
    }
    // When it cannot go into place now, the next read tries again.
    if (MoveIntoPlace(platform_, temporary, path_)) onDisk_ = text;
    return true;
}

void SettingsFile::Parse(const std::string& text) {
    lines::ForEachLine(text, 0, [&](std::string_view line, size_t, uint32_t) {
        if (line.empty() || line[0] == ';') return;
        if (IsSectionHeader(line)) {
            sections_.push_back({std::string(line.substr(1, line.size() - 2)), {}});
        } else if (!sections_.empty()) {
            sections_.back().lines.emplace_back(line);
        }
    });
}

const SettingsFile::Section* SettingsFile::FindSection(const std::string& name) const {
    for (const Section& section : sections_) {
        if (platform_.CompareNoCase(section.name, name) == 0) return &section;
    }
    return nullptr;
}

SettingsFile::Section* SettingsFile::FindSection(const std::string& name) {
    return const_cast<Section*>(static_cast<const SettingsFile*>(this)->FindSection(name));
}

int SettingsFile::FindKeyLine(const Section& section, const std::string& key) const {
    for (size_t i = 0; i < section.lines.size(); ++i) {
        size_t equals = section.lines[i].find('=');
        if (equals != std::string::npos &&
            platform_.CompareNoCase(section.lines[i].substr(0, equals), key) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string SettingsFile::ReadText(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
    const Section* found = FindSection(section);
    int line = found == nullptr ? -1 : FindKeyLine(*found, key);
    if (line < 0) return defaultValue;
    const std::string& text = found->lines[static_cast<size_t>(line)];
    return text.substr(text.find('=') + 1);
}

int SettingsFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    return ParseInteger(ReadText(section, key, std::string())).value_or(defaultValue);
}

void SettingsFile::WriteText(const std::string& section, const std::string& key, const std::string& value) {
    Section* found = FindSection(section);
    if (found == nullptr) {
        sections_.push_back({section, {}});
        found = &sections_.back();
    }
    int line = FindKeyLine(*found, key);
    if (line < 0) {
        found->lines.push_back(key + "=" + value);
    } else {
        found->lines[static_cast<size_t>(line)] = key + "=" + value;
    }
}

void SettingsFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteText(section, key, std::to_string(value));
}

void SettingsFile::DeleteKey(const std::string& section, const std::string& key) {
    Section* found = FindSection(section);
    int line = found == nullptr ? -1 : FindKeyLine(*found, key);
    if (line >= 0) found->lines.erase(found->lines.begin() + line);
}

std::vector<std::string> SettingsFile::SectionLines(const std::string& section) const {
    const Section* found = FindSection(section);
    return found == nullptr ? std::vector<std::string>() : found->lines;
}

std::vector<std::string> SettingsFile::SectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) names.push_back(section.name);
    return names;
}

void SettingsFile::EraseSection(const std::string& section) {
    const Section* found = FindSection(section);
    if (found != nullptr) sections_.erase(sections_.begin() + (found - sections_.data()));
}

std::string SettingsFile::Text() const {
    std::string text;
    for (const Section& section : sections_) {
        text += "[" + section.name + "]\r\n";
        for (const std::string& line : section.lines) text += line + "\r\n";
        text += "\r\n";
    }
    return text;
}

void SettingsFile::Save() {
    // The same line runs at every login: a file that would get the bytes it has keeps them, and
    // its time stamp, and costs the file server one question: whether it is still there.
    const std::string text = Text();
    if (onDisk_ && *onDisk_ == text && platform_.Probe(path_) == PathKind::File) return;
    // The new text goes to a temporary beside the old file and is flushed there; only then is it
    // put in the old one's place, in one step. ReplaceFile keeps the old file's attributes and
    // security; a file that does not exist yet is simply renamed into place.
    const std::string temporary = TemporaryFor(platform_, path_);
    const std::string failed = "Cannot create file " + path_;
    // A save that lost the old file may have left the only copy of the settings under the
    // temporary's name: it goes into place before the temporary is written anew.
    std::string left;
    if (platform_.Probe(path_) == PathKind::Missing && TakeUpInterruptedSave(left) &&
        platform_.Probe(path_) != PathKind::File) {
        throw PlatformError(failed);
    }
    // A read-only settings file stays as it is: Windows refuses to replace it, and so does this
    // program where a file system would let it.
    if ((platform_.Attributes(path_) & ReadOnly) || !RemoveTemporary(platform_, temporary)) throw PlatformError(failed);
    if (!platform_.WriteWholeFile(temporary, text)) {
        RemoveTemporary(platform_, temporary);  // cut, and never to be taken up
        throw PlatformError(failed);
    }
    const PathKind old = platform_.Probe(path_);
    if (old == PathKind::File ? platform_.ReplaceFileWith(path_, temporary)
                              : old == PathKind::Missing && MoveIntoPlace(platform_, temporary, path_)) {
        onDisk_ = text;
        return;
    }
    // ReplaceFile may fail after it has taken the old file away: the new text is then the only
    // copy left. It goes into place after all, or stays where it is for the next read to take
    // up; it is never deleted while the settings file is missing.
    if (platform_.Probe(path_) == PathKind::Missing && platform_.Probe(temporary) == PathKind::File) {
        if (!MoveIntoPlace(platform_, temporary, path_)) throw PlatformError(failed);
        onDisk_ = text;
        return;
    }
    if (platform_.Probe(path_) == PathKind::File) RemoveTemporary(platform_, temporary);
    throw PlatformError(failed);
}

void RecoverInterruptedSave(Platform& platform, const std::string& path) {
    // A folder still to be made holds no save, and what lies below it at a long path is out of
    // reach until then: the run reaches it through the short names of the folders it makes.
    if (platform.Probe(path) == PathKind::Missing && platform.Probe(FolderPart(path)) == PathKind::Folder) {
        SettingsFile(platform, path);
    }
}

}  // namespace orl
