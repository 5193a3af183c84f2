// Which data locations a configuration compares before it moves data: the same rule whether a
// person answers the questions (the window) or fixed rules do (the console run).
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace orl {

// The two data locations to compare before a configuration, the current one first, or none.
// They are compared when the folder that becomes the data location already holds an
// installation of its own: the one redirected to, or the installation folder when the
// redirection is removed.
std::vector<std::string> LocationsToCompare(Platform& platform, const std::string& installFolder,
                                            const std::string& currentRedirect, const std::string& newRedirect);

// CompareDataSets' answer for the two locations. A location compared with itself (the same
// folder once normalised, as after every login once the data has moved) holds neither more nor
// less, and nothing of it is read.
int CompareLocations(Platform& platform, const std::vector<std::string>& locations);

}  // namespace orl
