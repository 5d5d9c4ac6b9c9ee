// Every command the library sends: keyword, command number and what happens to the reply.
// The keyword is what the bridge service sees; it differs from the export's name in some rows.
#pragma once

#include "command_runner.h"

namespace vantrel::commands {

using R = ReplyKind;

inline constexpr CommandRow kOpen{"Open", 1, R::None};
inline constexpr CommandRow kClose{"Close", 2, R::None};
inline constexpr CommandRow kGetSWVersion{"GetSWVersion", 3, R::None};
inline constexpr CommandRow kGetModel{"GetModel", 6, R::Parsed};
inline constexpr CommandRow kLoadProjectFile{"LoadProjectFile", 7, R::Buffer};
inline constexpr CommandRow kRequestScriptLibraryContent{"LoadProjectFile", 8, R::Caller};
inline constexpr CommandRow kPlayScript{"LoadPlayScript", 9, R::Buffer};
inline constexpr CommandRow kRequestPortConfig{"RequestPortConfig", 10, R::Parsed};
inline constexpr CommandRow kLoadScriptLib{"LoadScriptLib", 11, R::Buffer};
inline constexpr CommandRow kLoadScript{"LoadScript", 12, R::Buffer};
inline constexpr CommandRow kRequestBusStatus{"RequestBusStatus", 13, R::Parsed};
inline constexpr CommandRow kPlayMessage{"PlayMessage", 14, R::Buffer, true};
inline constexpr CommandRow kPlayBuffer{"PlayBuffer", 15, R::Buffer};
inline constexpr CommandRow kPlayScriptID{"PlayScriptID", 16, R::Buffer};
inline constexpr CommandRow kFramerControl{"FramerControl", 17, R::Buffer};
inline constexpr CommandRow kManagerControl{"ManagerControl", 18, R::Buffer};
inline constexpr CommandRow kSnifferControl{"SnifferControl", 19, R::Buffer};
inline constexpr CommandRow kBridgeReset{"BridgeReset", 20, R::Buffer};
inline constexpr CommandRow kRequestBridgeConfig{"RequestBridgeConfig", 21, R::Buffer};
inline constexpr CommandRow kImportRegister{"ImportRegister", 23, R::Buffer};
inline constexpr CommandRow kExportRegister{"ExportRegister", 24, R::Buffer};
inline constexpr CommandRow kExportLiveView{"ExportLiveView", 25, R::Buffer};
inline constexpr CommandRow kLiveViewCount{"LiveViewCount", 26, R::Numeric};
inline constexpr CommandRow kWriteRegister{"WriteRegister", 27, R::Buffer};
inline constexpr CommandRow kReadRegister{"ReadRegister", 28, R::Caller};
inline constexpr CommandRow kSetPollTiming{"SetPollTiming", 29, R::Buffer};
inline constexpr CommandRow kReportFramerConfig{"ReportFramerConfig", 30, R::Parsed};
inline constexpr CommandRow kReportPhyConfig{"ReportPhyConfig", 31, R::Parsed};
inline constexpr CommandRow kReportClkConfig{"ReportClkConfig", 32, R::Parsed};
inline constexpr CommandRow kReportDigAudioConfig{"ReportDigAudioConfig", 33, R::Parsed};
inline constexpr CommandRow kReportDataPathConfig{"ReportDataPathConfig", 34, R::Parsed};
inline constexpr CommandRow kReportPresenceRate{"ReportPresenceRate", 35, R::Parsed};
inline constexpr CommandRow kIPReset{"IPReset", 36, R::Numeric};
inline constexpr CommandRow kLoadAutomatorFilename{"LoadAutomatorFilename", 50, R::Buffer};
inline constexpr CommandRow kUseLiterals{"UseLiterals", 51, R::Numeric};
inline constexpr CommandRow kClearLiveView{"ClearLiveView", 52, R::Numeric};

}  // namespace vantrel::commands
