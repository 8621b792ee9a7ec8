#include "shell/browser_command.h"

std::string browserProgramFromCommand(std::string_view command)
{
    if (!command.empty() && command.front() == '"') command.remove_prefix(1);
    // The stored value may carry its terminating zero; the command ends there.
    command = command.substr(0, command.find('\0'));
    constexpr std::string_view extension = ".exe";
    const std::size_t last = command.rfind(extension);
    if (last == std::string_view::npos) return {};
    return std::string(command.substr(0, last + extension.size()));
}
