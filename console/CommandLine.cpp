#include "console/CommandLine.h"

#include "core/Locations.h"
#include "core/Text.h"

namespace orl {

namespace {

bool IsSeparator(char c) {
    unsigned char code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

std::string Option(const std::string& argument) { return LowerAZ(argument.substr(0, 2)); }

struct FolderOption {
    const char* option;
    std::string CommandLineSettings::*folder;
    const char* whenEmpty;  // what the run then does
};

const FolderOption kFolderOptions[] = {
    {"/v", &CommandLineSettings::installFolder, "no installation folder is given"},
    {"/s", &CommandLineSettings::serverFolder, "the server is removed"},
    {"/r", &CommandLineSettings::newRedirect, "the redirection is removed"},
};

// The options that ask for help, in any spelling that starts with them; "--help" only as written.
const char* const kHelpOptions[] = {"/?", "-?", "/h", "-h"};

bool IsHelpOption(const std::string& argument) {
    const std::string option = Option(argument);
    for (const char* help : kHelpOptions) {
        if (option == help) return true;
    }
    return argument == "--help";
}

// The argument is one of the options of the syntax ("/c" included, which is accepted and ignored).
bool IsOption(const std::string& argument) {
    static const char* const kOptions[] = {"/v", "/s", "/r", "/d", "/a", "/x", "/w", "/c"};
    const std::string option = Option(argument);
    for (const char* known : kOptions) {
        if (option == known) return true;
    }
    return IsHelpOption(argument);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The note for a folder option: given again with another value, or given without its value, in
// which case a value that follows after a blank is ignored (and said so here, not by a note of
// its own). What the run then does is said of the option's last occurrence only.
std::string FolderNote(const FolderOption& folder, const std::string& argument, bool again, bool last,
                       const std::string* following) {
    const std::string name = argument.substr(0, 2), value = TrimControl(argument.substr(2));
    const std::string effect = last ? std::string(", so ") + folder.whenEmpty : "";
    if (again) {
        return "note: " + Quoted(name) + " given twice; the last one, " + (value.empty() ? "empty" : Quoted(value)) +
               ", counts" + (value.empty() && last ? std::string(": ") + folder.whenEmpty : "");
    }
    return "note: " + Quoted(name) + " has no value" +
           (following != nullptr ? " (a blank follows it); " + Quoted(*following) + " is ignored" : "") + effect;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
    std::vector<std::string> arguments;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && IsSeparator(line[at])) ++at;
        if (at == line.size()) break;
        std::string argument;
        while (at < line.size() && !IsSeparator(line[at])) {
            if (line[at] == '"') {
                size_t close = line.find('"', at + 1);
                if (close == std::string::npos) close = line.size();
                argument.append(line, at + 1, close - at - 1);
                at = std::min(close + 1, line.size());
            } else {
                argument += line[at++];
            }
        }
        if (!argument.empty()) arguments.push_back(argument);
    }
    return arguments;
}

CommandLineSettings ParseCommandLine(Platform& platform, const std::vector<std::string>& arguments) {
    CommandLineSettings settings;
    settings.installFolder = DefaultInstallFolder(platform);
    std::string given;               // the folder options met so far
    std::vector<bool> named(arguments.size());  // already named in a note
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const std::string option = Option(argument);
        if (!IsOption(argument)) {
            if (!named[i]) settings.notes.push_back("note: " + Quoted(argument) + " is not an option and is ignored");
            continue;
        }
        bool folderOption = false;
        for (const FolderOption& folder : kFolderOptions) {
            if (option != folder.option) continue;
            folderOption = true;
            const std::string before = settings.*folder.folder;
            settings.*folder.folder = TrimControl(LowerAZ(argument.substr(2)));
            const bool again = given.find(option) != std::string::npos;
            const bool next = i + 1 < arguments.size() && !IsOption(arguments[i + 1]);
            bool last = true;
            for (size_t later = i + 1; later < arguments.size(); ++later) last &= Option(arguments[later]) != option;
            if ((again && before != settings.*folder.folder) || (!again && (settings.*folder.folder).empty())) {
                settings.notes.push_back(FolderNote(folder, argument, again, last, next ? &arguments[i + 1] : nullptr));
                if (next && !again) named[i + 1] = true;
            }
            given += option;
        }
        // "/whatif" is "/w" as written out; help options take any spelling.
        if (!folderOption && argument.size() > 2 && option != "/w" && !IsHelpOption(argument)) {
            settings.notes.push_back("note: the value " + Quoted(argument.substr(2)) + " of " + Quoted(argument.substr(0, 2)) +
                                     " is ignored");
        }
        if (option == "/d") settings.copySharedRequest = true;
        else if (option == "/a") settings.userAdmin = true;
        else if (option == "/x") settings.adminOnly = true;
        else if (option == "/w") settings.whatIf = true;
    }
    return settings;
}

bool AsksForHelp(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (IsHelpOption(argument)) return true;
    }
    return false;
}

}  // namespace orl
