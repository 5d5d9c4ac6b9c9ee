// The platform's Open and Save As dialogs as Qt file dialogs.
#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "backend.h"

namespace ui::qt {

// Runs a Qt file dialog for `request` over `owner` (may be nullptr); the chosen path, or
// nothing when cancelled. Save As asks before replacing a file only with overwritePrompt.
std::optional<std::string> RunFileDialog(const FileDialogRequest& request, QWidget* owner);

// A filter in the "Text files|*.txt;*.log|All files|*.*|" form as Qt name filters
// ("Text files (*.txt *.log)", "All files (*.*)"); empty for an empty filter.
QStringList ToNameFilters(const std::string& filter);

}  // namespace ui::qt
