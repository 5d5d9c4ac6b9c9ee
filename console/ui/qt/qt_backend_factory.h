// The window back end as the rest of the program sees it: no Qt type appears here, so the
// back-end registry and main() include it without depending on Qt's headers.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "backend.h"

namespace ui::qt {

// The Qt back end, its icon controls drawn from the application's resources. nullptr, with a
// message on standard error, when there is no display to open a window on.
std::unique_ptr<Backend> CreateQtBackend();

// Asks the Qt back end to save a PNG picture of the main dialog to `path` when its modal loop
// ends (at once after showing it when no script runs). False when `backend` is not the Qt one.
bool RequestScreenshot(Backend& backend, const std::string& path);

// After the dialog ended: whether the requested picture was written (nothing when none was
// requested or the back end is not the Qt one).
std::optional<bool> ScreenshotWritten(const Backend& backend);

}  // namespace ui::qt
