// The mailbox transport: one command transaction with the bridge service, and the library's two
// pieces of process-wide state.
#pragma once

namespace vantrel {

constexpr int kDefaultPollPeriodMs = 200;
constexpr int kWaitLimitMs = 2000;
constexpr int kReplyBufferSize = 512;
constexpr int kReplyFetchLength = 511;
constexpr int kStatusReadLength = 128;
constexpr int kMaxCommandLineLength = 511;

extern int g_pollPeriodMs;
extern char g_replyBuffer[kReplyBufferSize];

// Resets the poll period, creates the mailbox directory and removes all four files.
int PrepareMailbox();

// Posts commandLine and waits for the status. Returns the status number, or -6, -7 or -8.
int ExecuteCommand(const char* commandLine);

// The reply fetch behind KovSLIMbusGetReply: 0 when a line was stored, -7 otherwise.
int FetchReply(char* buffer, int length);

}  // namespace vantrel
