#include "script_driver.h"

#include <cerrno>
#include <cstdlib>
#include <istream>
#include <ostream>

#include "win_types.h"

namespace ui {

namespace {

// Splits "word rest": the word up to the first blank, and everything after that one blank.
void SplitFirstWord(const std::string& line, std::string& word, std::string& rest) {
    const std::size_t blank = line.find(' ');
    word = line.substr(0, blank);
    rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
}

}  // namespace

std::string UnescapeScriptText(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            const char* replacement = next == 'r' ? "\r" : next == 'n' ? "\n" : next == 't' ? "\t"
                                    : next == '\\' ? "\\" : nullptr;
            if (replacement != nullptr) {
                result += replacement;
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

std::string EscapeForPrint(const std::string& text) {
    std::string result;
    for (const char c : text) {
        if (c == '\r') {
            result += "\\r";
        } else if (c == '\n') {
            result += "\\n";
        } else if (c == '\\') {
            result += "\\\\";
        } else {
            result += c;
        }
    }
    return result;
}

ScriptDriver::ScriptDriver(Backend& backend, std::istream& script, std::ostream& output, std::ostream& errors)
    : backend_(backend), script_(script), output_(output), errors_(errors) {}

void ScriptDriver::RunModalLoop(WindowHandle dialog, const DialogTemplate& dialogTemplate) {
    if (running_) {
        // A dialog opened by the script's own actions: close it at once, as its OK would.
        if (!backend_.Click(dialog, IDOK)) backend_.EndModal(dialog, IDCANCEL);
        return;
    }
    running_ = true;
    std::string line;
    bool goOn = true;
    while (goOn && std::getline(script_, line)) {
        ++lineNumber_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A line may end the dialog (Exit, Cancel, the system's Close): nothing is left to act on.
        goOn = RunLine(dialog, dialogTemplate, line) && !backend_.ModalEnded(dialog);
    }
    if (!backend_.ModalEnded(dialog)) {
        // The end of the script presses Exit.
        if (!backend_.Click(dialog, IDOK)) backend_.EndModal(dialog, IDOK);
    }
    output_.flush();
    running_ = false;
}

bool ScriptDriver::RunLine(WindowHandle dialog, const DialogTemplate& dialogTemplate, const std::string& line) {
    if (line.empty() || line[0] == '#') return true;
    std::string command;
    std::string argument;
    SplitFirstWord(line, command, argument);

    if (command == "exit" && argument.empty()) {
        if (!backend_.Click(dialog, IDOK)) backend_.EndModal(dialog, IDOK);
        return false;
    }
    if (command == "filedialog" && !argument.empty()) {
        if (argument == "cancel") {
            backend_.QueueFileDialogAnswer(std::nullopt);
        } else {
            backend_.QueueFileDialogAnswer(argument);
        }
        return true;
    }
    if (command == "syscommand") {
        errno = 0;
        char* end = nullptr;
        const unsigned long value = std::strtoul(argument.c_str(), &end, 0);
        if (argument.empty() || *end != '\0' || errno != 0 || argument[0] == '-' || value > 0xFFFFFFFFul) {
            Report("bad system command \"" + argument + "\"");
        } else {
            backend_.SendSystemCommand(dialog, static_cast<unsigned>(value));
        }
        return true;
    }
    if (command == "set") {
        std::string idText;
        std::string text;
        SplitFirstWord(argument, idText, text);
        int id = 0;
        if (!ParseControl(dialogTemplate, idText, id)) return true;
        const ControlTemplate* control = dialogTemplate.FindControl(id);
        if (control->kind != ControlKind::Edit || (control->style & kReadOnly) != 0) {
            Report("control " + idText + " is not an edit box one can type into");
            return true;
        }
        backend_.SetControlText(dialog, id, UnescapeScriptText(text));
        return true;
    }
    if (command == "click" || command == "print" || command == "checked") {
        int id = 0;
        if (!ParseControl(dialogTemplate, argument, id)) return true;
        const ControlTemplate* control = dialogTemplate.FindControl(id);
        if (command == "click") {
            if (!backend_.Click(dialog, id)) Report("control " + argument + " cannot be clicked");
        } else if (command == "print") {
            output_ << EscapeForPrint(backend_.GetControlText(dialog, id)) << '\n';
        } else if (control->kind != ControlKind::CheckBox) {
            Report("control " + argument + " is not a check box");
        } else {
            output_ << (backend_.GetCheck(dialog, id) != 0 ? 1 : 0) << '\n';
        }
        return true;
    }
    Report("unknown line \"" + line + "\"");
    return true;
}

bool ScriptDriver::ParseControl(const DialogTemplate& dialogTemplate, const std::string& text, int& id) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < 0 || value > 0xFFFF ||
        dialogTemplate.FindControl(static_cast<int>(value)) == nullptr) {
        Report("unknown control \"" + text + "\"");
        return false;
    }
    id = static_cast<int>(value);
    return true;
}

void ScriptDriver::Report(const std::string& message) {
    failed_ = true;
    output_.flush();
    errors_ << "kestrix: script line " << lineNumber_ << ": " << message << '\n';
}

}  // namespace ui
