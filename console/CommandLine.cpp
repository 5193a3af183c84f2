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
    for (const std::string& argument : arguments) {
        if (argument.size() < 2) continue;
        const std::string option = Option(argument);
        const std::string value = TrimControl(LowerAZ(argument.substr(2)));
        if (option == "/v") settings.installFolder = value;
        else if (option == "/s") settings.serverFolder = value;
        else if (option == "/r") settings.newRedirect = value;
        else if (option == "/d") settings.copySharedRequest = true;
        else if (option == "/a") settings.userAdmin = true;
        else if (option == "/x") settings.adminOnly = true;
        else if (option == "/w") settings.whatIf = true;
    }
    return settings;
}

bool AsksForHelp(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        const std::string option = Option(argument);
        if (option == "/?" || option == "-?" || option == "/h" || option == "-h" || argument == "--help") {
            return true;
        }
    }
    return false;
}

}  // namespace orl
