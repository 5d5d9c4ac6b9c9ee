// The program's options: what is accepted, and the message for what is not.
#include <gtest/gtest.h>

#include <vector>

#include "command_line.h"

namespace kestrix_test {
namespace {

TEST(CommandLine, OptionsAndTheirErrors) {
    const struct {
        std::vector<const char*> arguments;
        bool ok;
        bool headless;
        const char* script;      // nullptr: none
        const char* screenshot;  // nullptr: none
        const char* error;
    } cases[] = {
        {{}, true, false, nullptr, nullptr, ""},
        {{"--headless", "--script", "-"}, true, true, "-", nullptr, ""},
        {{"--script", "run.txt", "--screenshot", "shot.png"}, true, false, "run.txt", "shot.png", ""},
        {{"--headless"}, false, true, nullptr, nullptr,
         "--headless has no window to use: pass --script FILE (or --script - for standard input)"},
        {{"--script"}, false, false, nullptr, nullptr, "--script needs a file name (or - for standard input)"},
        {{"--screenshot"}, false, false, nullptr, nullptr, "--screenshot needs a file name"},
        {{"--headless", "--script", "-", "--screenshot", "a.png"}, false, true, "-", "a.png",
         "--screenshot needs the window; it cannot be used with --headless"},
        {{"--fast"}, false, false, nullptr, nullptr, "unknown option \"--fast\""},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"kestrix"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        ui::CommandLineOptions options;
        std::string error;
        const bool ok = ui::ParseCommandLine(static_cast<int>(argv.size()), argv.data(), options, error);
        SCOPED_TRACE(c.error);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(options.headless, c.headless);
        EXPECT_EQ(options.script.value_or("<none>"), c.script != nullptr ? c.script : "<none>");
        EXPECT_EQ(options.screenshot.value_or("<none>"), c.screenshot != nullptr ? c.screenshot : "<none>");
    }
}

}  // namespace
}  // namespace kestrix_test
