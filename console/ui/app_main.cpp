#include "app_main.h"

#include <fstream>
#include <iostream>
#include <memory>

#include "backend_registry.h"
#include "command_line.h"
#include "cwinapp.h"
#include "script_driver.h"

namespace ui {

int AfxWinMain(CWinApp& app, int argc, const char* const* argv) {
    CommandLineOptions options;
    std::string error;
    if (!ParseCommandLine(argc, argv, options, error)) {
        std::cerr << "kestrix: " << error << '\n' << UsageText();
        return 2;
    }
    if (options.help) {
        std::cout << UsageText();
        return 0;
    }
    std::unique_ptr<Backend> backend = ChooseBackend(options.headless, error);
    if (!backend) {
        std::cerr << "kestrix: " << error << '\n';
        return 2;
    }

    std::ifstream scriptFile;
    std::unique_ptr<ScriptDriver> driver;
    if (options.script) {
        std::istream* script = &std::cin;
        if (*options.script != "-") {
            scriptFile.open(*options.script, std::ios::binary);
            if (!scriptFile) {
                std::cerr << "kestrix: cannot open the script \"" << *options.script << "\"\n";
                return 2;
            }
            script = &scriptFile;
        }
        driver = std::make_unique<ScriptDriver>(*backend, *script, std::cout, std::cerr);
        backend->SetModalDriver(driver.get());
    }

    app.SetBackend(std::move(backend));
    app.InitInstance();
    app.GetBackend().SetModalDriver(nullptr);
    app.ReleaseBackend();
    std::cout.flush();
    return driver && driver->failed() ? 1 : 0;
}

}  // namespace ui
