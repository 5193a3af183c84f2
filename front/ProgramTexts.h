// The program's own texts, which both front ends show: its title line and the syntax of its
// command line.
#pragma once

#include <string>

#include "front/OutcomeDisplay.h"

namespace orl {

inline const char kApplicationTitle[] = "ORL - Workgroup Configuration";

// "Orlagen - Workgroup Configuration Version 3.0", with " (Console)" in the console build.
std::string ProgramTitle(bool consoleBuild);
// The nine lines of the syntax text, CR LF between them, naming the build's own file.
std::string SyntaxText(bool consoleBuild);
// What a request for help shows: the title line, an empty line, the syntax text, CR LF.
std::string HelpText(bool consoleBuild);

// The syntax text of the build, passed through the display on the way.
std::string ShowSyntax(OutcomeDisplay& display, bool consoleBuild);

}  // namespace orl
