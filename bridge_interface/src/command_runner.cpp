#include "command_runner.h"

#include <cstdio>

#include "number_conversion.h"
#include "transport.h"
#include "vantrel.h"

namespace vantrel {

bool FormatCommandLine(const CommandRow& row, std::initializer_list<CommandArgument> arguments,
                       std::string& line) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", row.number);
    line = std::string(row.keyword) + ',' + number;
    bool first = true;
    for (const CommandArgument& argument : arguments) {
        if (argument.missing()) return false;
        line += (first && row.blankAfterNumber) ? ", " : ",";
        line += argument.text();
        first = false;
    }
    return true;
}

int RunCommand(const CommandRow& row, std::initializer_list<CommandArgument> arguments,
               char* callerBuffer) {
    std::string line;
    if (!FormatCommandLine(row, arguments, line)) return KOV_INVALID_VALUE;
    if (line.size() > static_cast<std::size_t>(kMaxCommandLineLength)) return KOV_INVALID_VALUE;

    const int result = ExecuteCommand(line.c_str());
    if (result < 0) return result;

    switch (row.reply) {
        case ReplyKind::None:
            return result;
        case ReplyKind::Buffer:
        case ReplyKind::Parsed:
            FetchReply(g_replyBuffer, kReplyFetchLength);
            return result;
        case ReplyKind::Caller:
            if (callerBuffer != nullptr) FetchReply(callerBuffer, kReplyFetchLength);
            return result;
        case ReplyKind::Numeric:
            FetchReply(g_replyBuffer, kReplyFetchLength);
            return ConvertSignedDecimal(g_replyBuffer);
    }
    return result;
}

}  // namespace vantrel
