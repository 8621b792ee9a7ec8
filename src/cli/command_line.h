#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit codes of probaview-cli.
inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure =
    1;                               // a batch line was malformed, or the graph, formula or report could not be written
inline constexpr int exitUsage = 2;  // a wrong option or an unknown distribution

// Runs probaview-cli with the given arguments (without the program name):
// does what a user would do in the window and writes what the window shows.
int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err);
