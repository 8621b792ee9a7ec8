#pragma once

#include <string>

class Shell;

// Writes the page that Print... prints for the shell's state to a PDF file:
// the window's texts, the two formula pictures and the graph drawn as the
// graph area would show it. Needs no display. Returns an empty text, or what
// went wrong; a failed file is not left behind.
std::string writeReport(const Shell& shell, const std::string& file);
