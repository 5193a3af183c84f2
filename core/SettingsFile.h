// The in-memory form of one "orl.ini", in this program's INI dialect: read whole on creation,
// changed in memory, written whole on saving.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace orl {

class SettingsFile {
public:
    // Reads the file. A missing file gives no sections, unless a save of it lost the old file and
    // left the new one whole under its temporary name: that one is then taken up in its place. A
    // file that exists but cannot be read raises "Cannot open file <path>", and so does such a
    // temporary (with its own path), which is left as it is.
    SettingsFile(Platform& platform, std::string path);
    // The settings that a file holding `text` would give, without reading the file.
    SettingsFile(Platform& platform, std::string path, const std::string& text);

    const std::string& Path() const { return path_; }

    // Section names and keys match without regard to case; the first occurrence counts.
    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
    // The value when it is an integer by IsInteger's rules; otherwise the default.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // Sets key "=" value in place of the key's first line, or at the end of the section, which is
    // appended at the end of the file when it does not exist.
    void WriteText(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    // Removes the first line of the section that holds the key.
    void DeleteKey(const std::string& section, const std::string& key);
    // Every line of the section in order (none when it does not exist), comments excluded.
    std::vector<std::string> SectionLines(const std::string& section) const;
    std::vector<std::string> SectionNames() const;
    void EraseSection(const std::string& section);

    // The whole text as saving writes it: each section's header, its lines and one empty line,
    // every line ending in CR LF.
    std::string Text() const;
    // Writes the text to the file, unless the file holds these bytes already (as read). The old file is replaced in one step, so it is never left
    // half-written: on failure it stays as it was (or, where the replace lost it, the new text
    // stays whole beside it), and "Cannot create file <path>" is raised.
    void Save();

private:
    struct Section {
        std::string name;
        std::vector<std::string> lines;
    };

    void Parse(const std::string& text);
    // The text of a whole save that lost the old file, put in its place where it can be (and then
    // recorded as the file's bytes); false when there is none. A temporary that cannot be read raises "Cannot open file <temporary>".
    bool TakeUpInterruptedSave(std::string& text);
    const Section* FindSection(const std::string& name) const;
    Section* FindSection(const std::string& name);
    // Index of the first line of the section that holds the key; -1 when none does.
    int FindKeyLine(const Section& section, const std::string& key) const;

    Platform& platform_;
    std::string path_;
    std::vector<Section> sections_;
    std::optional<std::string> onDisk_;  // the file's bytes as read; none when it was not there
};

// Where "orl.ini" is missing from a folder that exists and a save of it left the new text whole
// under its temporary name, puts that text in its place; raises as reading the file does.
void RecoverInterruptedSave(Platform& platform, const std::string& path);

}  // namespace orl
