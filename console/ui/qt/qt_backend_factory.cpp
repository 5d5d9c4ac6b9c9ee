#include "qt_backend_factory.h"

#include <cstdio>
#include <cstdlib>

#include "cwinapp.h"
#include "qt_backend.h"

namespace ui::qt {

namespace {

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

}  // namespace

std::unique_ptr<Backend> CreateQtBackend() {
    // Without a display Qt would stop the program; say what is missing instead.
    if (!Set("QT_QPA_PLATFORM") && !Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) {
        std::fputs("kestrix: no display to open the window on (DISPLAY is not set); "
                   "run it with --headless --script FILE\n",
                   stderr);
        return nullptr;
    }
    return std::make_unique<QtBackend>([](int iconId) -> const IconResource* {
        const CWinApp* app = AfxGetApp();
        return app != nullptr ? app->GetResources().FindIcon(iconId) : nullptr;
    });
}

bool RequestScreenshot(Backend& backend, const std::string& path) {
    auto* qtBackend = dynamic_cast<QtBackend*>(&backend);
    if (qtBackend == nullptr) return false;
    qtBackend->RequestScreenshot(path);
    return true;
}

std::optional<bool> ScreenshotWritten(const Backend& backend) {
    const auto* qtBackend = dynamic_cast<const QtBackend*>(&backend);
    return qtBackend != nullptr ? qtBackend->screenshotWritten() : std::nullopt;
}

}  // namespace ui::qt
