// The program's entry: options, the back end, the optional script, then the application's
// InitInstance, which runs the dialog.
#pragma once

class CWinApp;

namespace ui {

// Exit status: 0; 1 when a script line failed; 2 for bad options, an unreadable script or no
// usable back end; 3 when a screenshot was asked for and not written.
int AfxWinMain(CWinApp& app, int argc, const char* const* argv);

}  // namespace ui
