#pragma once

#include <string>
#include <string_view>

// The browser program's path in a registered "open" command for web
// addresses: a leading double quote is skipped, and the text ends right after
// its last ".exe" (lower case, as the command is written), which drops a
// closing quote and the arguments. A command with no ".exe" gives the empty
// text, which the caller takes as "no browser registered". Reads nothing
// outside `command`.
std::string browserProgramFromCommand(std::string_view command);
