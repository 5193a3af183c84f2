#include "front/ProgramTexts.h"

namespace orl {

std::string ProgramTitle(bool consoleBuild) {
    return std::string("Orlagen - Workgroup Configuration Version 3.0") + (consoleBuild ? " (Console)" : "");
}

std::string SyntaxText(bool consoleBuild) {
    return std::string("SYNTAX   ") + (consoleBuild ? "orlconfigc.exe" : "orlconfig.exe") +
           "  [/v\"xxxx\"] /s\"xxxx\" [/r\"xxxx\"] [/c] [/a]\r\n"
           "[ ] : Shows an optional parameter (don't use square brackets in parameters)\r\n"
           "\r\n"
           "/v  : ORL install/data directory (default location will be used if not supplied)\r\n"
           "/s  : Network directory for ORL workgroup server\r\n"
           "/r  : Network directory for user files (INI file redirection)\r\n"
           "/d  : Copy shared data files (if available and no files on server)\r\n"
           "/a  : Assign user administrator rights\r\n"
           "/x : Assign administrator only rights";
}

std::string HelpText(bool consoleBuild) {
    return ProgramTitle(consoleBuild) + "\r\n\r\n" + SyntaxText(consoleBuild) + "\r\n";
}

std::string ShowSyntax(OutcomeDisplay& display, bool consoleBuild) {
    const std::string syntax = SyntaxText(consoleBuild);
    display.ShowSyntax(syntax);
    return syntax;
}

}  // namespace orl
