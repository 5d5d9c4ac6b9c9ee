#include "command_line.h"

namespace ui {

bool ParseCommandLine(int argc, const char* const* argv, CommandLineOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--headless") {
            options.headless = true;
        } else if (argument == "--script") {
            if (i + 1 >= argc) {
                error = "--script needs a file name (or - for standard input)";
                return false;
            }
            options.script = argv[++i];
        } else if (argument == "--screenshot") {
            if (i + 1 >= argc) {
                error = "--screenshot needs a file name";
                return false;
            }
            options.screenshot = argv[++i];
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else {
            error = "unknown option \"" + argument + "\"";
            return false;
        }
    }
    if (options.headless && options.screenshot) {
        error = "--screenshot needs the window; it cannot be used with --headless";
        return false;
    }
    if (options.headless && !options.script && !options.help) {
        error = "--headless has no window to use: pass --script FILE (or --script - for standard input)";
        return false;
    }
    return true;
}

const char* UsageText() {
    return "usage: kestrix [--headless] [--script FILE|-] [--screenshot FILE.png]\n"
           "  --headless          no window: the dialog lives in memory (needs --script)\n"
           "  --script FILE       drive the dialog from FILE, one action a line; - reads standard input\n"
           "  --screenshot FILE   save a picture of the main dialog when it ends (window only)\n";
}

}  // namespace ui
