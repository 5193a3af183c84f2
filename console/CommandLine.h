// The command line: split into arguments, and read as the settings of a console run.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace orl {

// The arguments of a command line, the program name included. Blanks and codes 1-32 outside
// double quotes separate; a double quote opens a stretch running to the next one or to the end,
// whose characters belong to the argument and whose quotes are dropped. There is no escape
// character: a backslash before a quote stays. An argument that comes out empty ("") is skipped.
std::vector<std::string> SplitCommandLine(const std::string& line);

// What the options of a console run ask for. Folders are lower-cased (A-Z) and trimmed, not
// normalised: the core normalises them itself.
struct CommandLineSettings {
    std::string installFolder;  // "/v"; the default installation folder when not given
    std::string serverFolder;   // "/s"
    std::string newRedirect;    // "/r"
    bool copySharedRequest = false;  // "/d"
    bool userAdmin = false;          // "/a"
    bool adminOnly = false;          // "/x"
    bool whatIf = false;             // "/w": tell what the run would change, and change nothing
    // One line per argument that the run ignores or that empties an option, in their order: a
    // what-if run shows them, since such a line may not ask for what its writer meant.
    std::vector<std::string> notes;
};

// Reads the arguments after the program name. An option is an argument's first two characters,
// lower-cased; its value the rest, lower-cased and trimmed. Unknown options are ignored; a folder
// option given twice takes the last value, an empty one included.
CommandLineSettings ParseCommandLine(Platform& platform, const std::vector<std::string>& arguments);

// The arguments ask for help: an option "/?", "-?", "/h" or "-h" (so "/help" too), or "--help".
bool AsksForHelp(const std::vector<std::string>& arguments);

}  // namespace orl
