// The one sequence that every command export runs: form the command line, run the transaction,
// and deal with the reply as the command's row says.
#pragma once

#include <initializer_list>
#include <string>

namespace vantrel {

enum class ReplyKind {
    None,     // the reply stays in the reply file for the caller to fetch
    Buffer,   // fetched into g_replyBuffer, nothing handed back
    Caller,   // fetched into the caller's buffer
    Numeric,  // fetched into g_replyBuffer; its leading decimal number replaces the status
    Parsed,   // fetched into g_replyBuffer; the export takes it apart afterwards
};

struct CommandRow {
    const char* keyword;
    int number;
    ReplyKind reply;
    bool blankAfterNumber = false;  // only PlayMessage puts a blank before its first argument
};

// An argument of a command line: an integer in decimal, or a text sent unchanged.
class CommandArgument {
public:
    CommandArgument(int value) : text_(std::to_string(value)) {}
    CommandArgument(const char* text) : text_(text ? text : ""), missing_(text == nullptr) {}

    const std::string& text() const { return text_; }
    bool missing() const { return missing_; }

private:
    std::string text_;
    bool missing_ = false;
};

// Forms "<keyword>,<NNN>[,arg...]". Returns false when an argument is missing (null).
bool FormatCommandLine(const CommandRow& row, std::initializer_list<CommandArgument> arguments,
                       std::string& line);

// Refuses with KOV_INVALID_VALUE, before the mailbox is touched, a null text argument or a line
// longer than the 511 characters the protocol carries (cutting could change a path's meaning).
// callerBuffer is used by ReplyKind::Caller only; a null one is not written.
int RunCommand(const CommandRow& row, std::initializer_list<CommandArgument> arguments = {},
               char* callerBuffer = nullptr);

}  // namespace vantrel
