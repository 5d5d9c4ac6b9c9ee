// The program's options. Parsing is kept apart from running so options can be added (for
// example a screenshot of the window) without touching the rest.
#pragma once

#include <optional>
#include <string>

namespace ui {

struct CommandLineOptions {
    bool headless = false;               // --headless: no window, the headless back end
    std::optional<std::string> script;   // --script FILE, "-" for standard input
    std::optional<std::string> screenshot;  // --screenshot FILE.png: the window back end saves a
                                            // picture of the main dialog when its loop ends
    bool help = false;                   // --help
};

// False with a message in `error` for an unknown option or a missing argument.
bool ParseCommandLine(int argc, const char* const* argv, CommandLineOptions& options, std::string& error);

const char* UsageText();

}  // namespace ui
