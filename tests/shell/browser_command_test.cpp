#include "shell/browser_command.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BrowserCommand, KeepsThePathUpToTheLastExe)
{
    struct Case {
        std::string command;
        const char* program;
    };
    const Case cases[] = {
        {R"("C:\Program Files\Web\browser.exe" -osint -url "%1")", R"(C:\Program Files\Web\browser.exe)"},
        {R"(C:\Web\browser.exe)", R"(C:\Web\browser.exe)"},
        {R"(C:\Web\browser.exe %1)", R"(C:\Web\browser.exe)"},
        {R"("C:\Web\browser.exe")", R"(C:\Web\browser.exe)"},
        // The last occurrence counts, also one inside the arguments.
        {R"(C:\old.exe\new.exe -a)", R"(C:\old.exe\new.exe)"},
        {R"("C:\a.exe" C:\b.exe)", R"(C:\a.exe" C:\b.exe)"},
        {".exe", ".exe"},
        {"\".exe", ".exe"},
        // A zero ends the stored text.
        {std::string(R"(C:\b.exe)") + '\0' + R"(C:\c.exe)", R"(C:\b.exe)"},
    };
    for (const Case& c : cases) EXPECT_EQ(browserProgramFromCommand(c.command), c.program) << c.command;
}

TEST(BrowserCommand, GivesNothingWithoutAnExe)
{
    const std::string commands[] = {
        "", "\"", "\"\"", ".ex", "exe", "C:\\Web\\BROWSER.EXE", "/usr/bin/browser %u", std::string("\0.exe", 5),
    };
    for (const std::string& command : commands) EXPECT_EQ(browserProgramFromCommand(command), "") << command;
}

TEST(BrowserCommand, NeverReadsPastTheGivenText)
{
    // The view ends before ".exe" of the larger buffer.
    const std::string buffer = "C:\\Web\\browser.exe";
    EXPECT_EQ(browserProgramFromCommand(std::string_view(buffer).substr(0, buffer.size() - 1)), "");
    EXPECT_EQ(browserProgramFromCommand(std::string_view(buffer).substr(0, 3)), "");
}

}  // namespace
