// Starting the front end as a process of its own that outlives the game.
#pragma once

#include <string>

namespace crv {

/// Starts `program` with `arguments` (argv[1..]) without waiting, handing it standard input,
/// output and error and no other descriptor. Looks first in `preferredDirectory`, then on
/// PATH. False when it could not be started.
bool startDetached(const std::string& program, const char* const* arguments, int argumentCount,
                   const std::string& preferredDirectory);

/// The directory holding the running executable, with a trailing slash, or "" if unknown.
std::string executableDirectory();

} // namespace crv
