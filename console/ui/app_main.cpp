#include "app_main.h"

#include <fstream>
#include <iostream>
#include <memory>

#include "backend_registry.h"
#include "command_line.h"
#include "cwinapp.h"
#include "script_driver.h"
#ifdef KESTRIX_WITH_QT
#include "qt_backend_factory.h"
#endif

namespace ui {

namespace {

// Screenshots are the window back end's; a build without one has none to take.
bool RequestScreenshot([[maybe_unused]] Backend& backend, [[maybe_unused]] const std::string& path) {
#ifdef KESTRIX_WITH_QT
    return qt::RequestScreenshot(backend, path);
#else
    return false;
#endif
}

bool ScreenshotWritten([[maybe_unused]] const Backend& backend) {
#ifdef KESTRIX_WITH_QT
    return qt::ScreenshotWritten(backend).value_or(false);
#else
    return false;
#endif
}

}  // namespace

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
        if (!error.empty()) std::cerr << "kestrix: " << error << '\n';
        return 2;
    }
    if (options.screenshot && !RequestScreenshot(*backend, *options.screenshot)) {
        std::cerr << "kestrix: this build's back end cannot take screenshots\n";
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
    const bool pictureMissing = options.screenshot && !ScreenshotWritten(app.GetBackend());
    app.ReleaseBackend();
    std::cout.flush();
    if (driver && driver->failed()) return 1;
    return pictureMissing ? 3 : 0;
}

}  // namespace ui
