// The scripted mode: runs the modal dialog from a script instead of a person, one action a
// line. It acts only through the Backend interface, so one script drives every back end.
//
//   # ... or empty        nothing
//   set ID TEXT           sets the text of edit ID to TEXT (everything after the one blank;
//                         \r \n \t \\ are escapes)
//   click ID              clicks button or check box ID (a check box toggles, then its handler runs)
//   filedialog PATH       queues the answer of the next file dialog; "filedialog cancel" queues
//                         a Cancel; with none queued a file dialog is cancelled
//   print ID              prints the text of control ID on one line, with CR, LF and
//                         backslash written as \r, \n and \\.
//   checked ID            prints 1 or 0
//   syscommand N          sends system command N (decimal, or hexadecimal after 0x)
//   exit                  presses Exit and ends the script; the end of the script does the same,
//                         and so does a click of Exit (1) or Cancel (2), which ends the dialog
//
// An unknown line or control is reported on the error stream with its line number and the
// script goes on; failed() is then true. Dialogs opened while the script runs (the About box)
// are closed at once with their OK button.
#pragma once

#include <iosfwd>
#include <string>

#include "backend.h"

namespace ui {

class ScriptDriver : public ModalDriver {
public:
    ScriptDriver(Backend& backend, std::istream& script, std::ostream& output, std::ostream& errors);

    void RunModalLoop(WindowHandle dialog, const DialogTemplate& dialogTemplate) override;

    bool failed() const { return failed_; }

private:
    // Runs one line; false when the line ended the script.
    bool RunLine(WindowHandle dialog, const DialogTemplate& dialogTemplate, const std::string& line);
    bool ParseControl(const DialogTemplate& dialogTemplate, const std::string& text, int& id);
    void Report(const std::string& message);

    Backend& backend_;
    std::istream& script_;
    std::ostream& output_;
    std::ostream& errors_;
    bool running_ = false;
    bool failed_ = false;
    int lineNumber_ = 0;
};

// "\r", "\n", "\t" and "\\" in `text` become CR, LF, tab and a backslash; any other backslash
// stands as it is.
std::string UnescapeScriptText(const std::string& text);
// CR, LF and backslash written as \r, \n and \\, so a text prints on one line.
std::string EscapeForPrint(const std::string& text);

}  // namespace ui
