// The one interface between the dialog-framework layer and whatever shows the windows.
//
// The layer (CWnd, CDialog, CEdit, CButton, CFileDialog, CPaintDC, ...) knows windows only as
// handles and reaches the screen only through the calls below. A back end implements them:
// the headless one keeps the controls in memory for tests and scripts, a window back end shows
// real widgets. The console's code never sees a back end; main() picks one at start-up
// (backend_registry.h) and hands it to the application object.
//
// Rules every back end keeps:
// - Everything happens on the one thread that runs the dialog; no call may start a thread.
// - A control is named by its dialog's handle and its identifier in the template.
// - Events go to the WindowEvents object given when the window is built, on the same thread.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "resource_types.h"

namespace ui {

// A dialog window built by a back end; 0 is no window.
using WindowHandle = int;

// What a dialog window hears from its back end. The layer's CDialog implements this and routes
// each event through the dialog's message map.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    // A button or check box was clicked (BN_CLICKED). An automatic check box has already
    // ticked or unticked itself. IDOK / IDCANCEL also arrive here (Enter, Escape, Exit).
    virtual void OnControlClicked(int controlId) = 0;
    // A command of the system menu (WM_SYSCOMMAND): the platform's own or one appended with
    // AppendSystemMenuItem.
    virtual void OnSystemCommand(unsigned commandId, long parameter) = 0;
    // The window must be painted (WM_PAINT); sent while minimised, where the program draws.
    virtual void OnPaintRequest() = 0;
    // The picture to show while the minimised window is dragged (WM_QUERYDRAGICON); nullptr
    // lets the back end choose.
    virtual const IconResource* OnQueryDragIcon() = 0;
};

// A drawing surface obtained for one paint (the back end's side of CPaintDC).
class PaintSurface {
public:
    virtual ~PaintSurface() = default;
    // Erase the background behind a minimised window's icon (WM_ICONERASEBKGND).
    virtual void EraseIconBackground() = 0;
    // Draw the icon's picture that best fits the system icon size with its top-left at x, y.
    virtual void DrawIcon(int x, int y, const IconResource& icon) = 0;
};

// What the program asks of a file dialog. The title is always the platform's default.
struct FileDialogRequest {
    bool openDialog = true;          // true: Open, false: Save As
    std::string defaultExtension;    // appended by the platform where it does so; may be empty
    std::string initialFileName;     // may be empty
    bool overwritePrompt = false;    // ask before a Save As names an existing file
    std::string filter;              // empty: no filter, every file shown
    WindowHandle owner = 0;          // the window that owns the dialog (0: none)
};

struct Size {
    int width = 0;
    int height = 0;
};

// Drives a modal loop instead of a person: the scripted mode installs one so the same script
// runs on every back end. RunModalLoop is called from inside RunModal once the dialog is shown;
// it acts through the back end (Click, SetControlText, ...) and must end the dialog before it
// returns. Nested modal dialogs (the About box) call it again.
class ModalDriver {
public:
    virtual ~ModalDriver() = default;
    virtual void RunModalLoop(WindowHandle dialog, const DialogTemplate& dialogTemplate) = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    // --- Windows -------------------------------------------------------------------------
    // Builds, not yet shown, the window of a dialog template with every control of it:
    // edits empty, check boxes unticked, labels and buttons with their captions. Events go to
    // `events`, which outlives the window. `owner` is the owning window or 0.
    virtual WindowHandle CreateDialogWindow(const DialogTemplate& dialogTemplate,
                                            WindowEvents& events, WindowHandle owner) = 0;
    // Destroys the window and its controls; the handle is invalid afterwards.
    virtual void DestroyDialogWindow(WindowHandle dialog) = 0;
    // True when the template of `dialog` has a control with this identifier.
    virtual bool HasControl(WindowHandle dialog, int controlId) const = 0;

    // --- Controls ------------------------------------------------------------------------
    // Replaces the whole text of a control (SetWindowText). Shown at the next repaint.
    virtual void SetControlText(WindowHandle dialog, int controlId, const std::string& text) = 0;
    // The whole text of a control, whatever its length (GetWindowText).
    virtual std::string GetControlText(WindowHandle dialog, int controlId) const = 0;
    // Check state of a check box: 1 ticked, 0 unticked (BM_SETCHECK / BM_GETCHECK).
    virtual void SetCheck(WindowHandle dialog, int controlId, int state) = 0;
    virtual int GetCheck(WindowHandle dialog, int controlId) const = 0;
    // Repaints one control at once, even though the caller then blocks (UpdateWindow).
    virtual void UpdateControlNow(WindowHandle dialog, int controlId) = 0;

    // --- Modal loop ----------------------------------------------------------------------
    // Shows the dialog and runs its modal loop until EndModal; returns the code given there.
    // With a ModalDriver installed the driver runs the loop.
    virtual int RunModal(WindowHandle dialog) = 0;
    // Ends the modal loop of `dialog` with `code` once the current event has been handled.
    virtual void EndModal(WindowHandle dialog, int code) = 0;

    // --- File dialog ---------------------------------------------------------------------
    // Runs the platform's file dialog modally; the chosen full path, or nothing when cancelled.
    virtual std::optional<std::string> AskFileName(const FileDialogRequest& request) = 0;

    // --- System menu ---------------------------------------------------------------------
    // True when the window has a system menu (its template asks for one).
    virtual bool HasSystemMenu(WindowHandle dialog) const = 0;
    // Appends a separator (MF_SEPARATOR).
    virtual void AppendSystemMenuSeparator(WindowHandle dialog) = 0;
    // Appends a text item (MF_STRING); choosing it sends OnSystemCommand(commandId, 0).
    virtual void AppendSystemMenuItem(WindowHandle dialog, unsigned commandId,
                                      const std::string& text) = 0;
    // The platform's own handling of a system command the program passes on (move, size,
    // minimise, restore, close, ...). Close ends a dialog like its Cancel command.
    virtual void DefaultSystemCommand(WindowHandle dialog, unsigned commandId, long parameter) = 0;

    // --- Icons and painting while minimised ----------------------------------------------
    // Sets the window's big (title bar, task switcher) or small icon (WM_SETICON).
    virtual void SetWindowIcon(WindowHandle dialog, const IconResource* icon, bool big) = 0;
    // True while the window is minimised (IsIconic).
    virtual bool IsIconic(WindowHandle dialog) const = 0;
    // Size of the client area in pixels (GetClientRect).
    virtual Size ClientSize(WindowHandle dialog) const = 0;
    // The system's icon size in pixels (SM_CXICON, SM_CYICON).
    virtual Size SystemIconSize() const = 0;
    // Begins painting `dialog` (CPaintDC); painting ends when the surface is destroyed.
    virtual std::unique_ptr<PaintSurface> BeginPaint(WindowHandle dialog) = 0;

    // --- Automation (scripted mode) ------------------------------------------------------
    // Installs the driver that runs modal loops instead of a person; nullptr removes it.
    virtual void SetModalDriver(ModalDriver* driver) = 0;
    // Clicks a control as a person would: an automatic check box toggles first, then the
    // dialog hears OnControlClicked. False when there is no such visible, enabled button or
    // check box.
    virtual bool Click(WindowHandle dialog, int controlId) = 0;
    // Sends a system command as the system menu would (OnSystemCommand).
    virtual void SendSystemCommand(WindowHandle dialog, unsigned commandId) = 0;
    // Queues the answer of the next file dialog: a path, or nothing for Cancel. With no
    // answer queued, a file dialog under a ModalDriver is cancelled.
    virtual void QueueFileDialogAnswer(std::optional<std::string> path) = 0;
    // True once the modal loop of `dialog` has been ended (EndModal: Exit, Cancel, the system's
    // Close), or when there is no such window: a driver then has nothing left to act on.
    virtual bool ModalEnded(WindowHandle dialog) const = 0;
};

}  // namespace ui
