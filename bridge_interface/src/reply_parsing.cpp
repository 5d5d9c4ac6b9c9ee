#include "reply_parsing.h"

#include <algorithm>
#include <cstring>

#include "command_table.h"
#include "number_conversion.h"
#include "transport.h"
#include "vantrel.h"

namespace vantrel {

namespace {

constexpr int kShortReport = -11;
constexpr int kPortCount = 8;
constexpr int kPortIntegersStart = 16;

void Store(int* out, std::int32_t value) {
    if (out != nullptr) *out = value;
}

void CopyText(char* out, const char* text) {
    if (out != nullptr) std::strcpy(out, text);
}

// Cuts text at its first comma; returns the position after it, or null when there is none.
char* CutAtComma(char* text) {
    char* comma = std::strchr(text, ',');
    if (comma == nullptr) return nullptr;
    *comma = '\0';
    return comma + 1;
}

}  // namespace

char* NextField(char* text, std::int32_t* out) {
    char* next = CutAtComma(text);
    if (out != nullptr) *out = ParseNumber(text);
    return next;
}

int ParseReport(int* const outputs[], int count) {
    char* field = g_replyBuffer;
    for (int k = 0; k < count; ++k) {
        field = NextField(field, outputs[k]);
        if (field == nullptr && k + 1 < count) return kShortReport;
    }
    return KOV_OK;
}

void ParseDecimalFields(char* text, int* const outputs[], int count) {
    for (int k = 0; k + 1 < count; ++k) {
        char* next = CutAtComma(text);
        if (next == nullptr) return;
        Store(outputs[k], ConvertSignedDecimal(text));
        text = next;
    }
    Store(outputs[count - 1], ConvertSignedDecimal(text));
}

}  // namespace vantrel

using namespace vantrel;
namespace c = vantrel::commands;

extern "C" {

VANTREL_API int KovSLIMbusBridgeRequestModel(char* modelType, char* firmwareVersion, char* ipVersion) {
    const int status = RunCommand(c::kGetModel);
    if (status < 0) return status;
    char* firmware = CutAtComma(g_replyBuffer);
    if (firmware == nullptr) {
        CopyText(modelType, "");
        CopyText(firmwareVersion, "");
        CopyText(ipVersion, "");
        return status;
    }
    CopyText(modelType, g_replyBuffer);
    char* ip = CutAtComma(firmware);
    if (ip == nullptr) return status;
    CopyText(firmwareVersion, firmware);
    CopyText(ipVersion, ip);  // further commas and the line feed belong to the last field
    return status;
}

VANTREL_API int KovSLIMbusBridgeRequestBusStatus(int* clockGear, int* rootFrequency, int* ipFrozen,
                                                 int* ipPaused) {
    const int status = RunCommand(c::kRequestBusStatus);
    if (status < 0) return status;
    int* const outputs[] = {clockGear, rootFrequency, ipFrozen, ipPaused};
    ParseDecimalFields(g_replyBuffer, outputs, 4);
    return status;
}

// The port characters stand at fixed even positions. A line too short to hold one yields a blank
// there, and the integers are looked for only inside the current line, so the remains of an
// earlier, longer reply in the buffer never come back as new values.
VANTREL_API int KovSLIMbusBridgeRequestPortConfiguration(char* portCharacters, int* inputPresenceRate,
                                                         int* inputPresenceRateMismatch,
                                                         int* outputPresenceRate,
                                                         int* outputPresenceRateMismatch) {
    const int status = RunCommand(c::kRequestPortConfig);
    if (status < 0) return status;
    const std::size_t lineLength = std::strcspn(g_replyBuffer, "\n");
    if (portCharacters != nullptr) {
        for (int port = 0; port < kPortCount; ++port) {
            const std::size_t position = static_cast<std::size_t>(port) * 2;
            portCharacters[port] = position < lineLength ? g_replyBuffer[position] : ' ';
        }
        portCharacters[kPortCount] = '\0';
    }
    if (std::strlen(g_replyBuffer) < static_cast<std::size_t>(kPortIntegersStart)) return status;
    int* const outputs[] = {inputPresenceRate, inputPresenceRateMismatch, outputPresenceRate,
                            outputPresenceRateMismatch};
    ParseDecimalFields(g_replyBuffer + kPortIntegersStart, outputs, 4);
    return status;
}

VANTREL_API int KovSLIMbusBridgeReportFramerConfig(int* framerBootFrequency, int* framerBootSM,
                                                   int* framerBootCG, int* framerBootMode,
                                                   int* componentAddress) {
    const int status = RunCommand(c::kReportFramerConfig);
    if (status < 0) return status;
    int* const outputs[] = {framerBootFrequency, framerBootSM, framerBootCG, framerBootMode,
                            componentAddress};
    return ParseReport(outputs, 5);
}

VANTREL_API int KovSLIMbusBridgeReportPhyConfig(int* slimbusLevel, int* busHoldEnabled, int* sd1Assign) {
    const int status = RunCommand(c::kReportPhyConfig);
    if (status < 0) return status;
    int* const outputs[] = {slimbusLevel, busHoldEnabled, sd1Assign};
    return ParseReport(outputs, 3);
}

VANTREL_API int KovSLIMbusBridgeReportClkConfig(int* extClkLevel, int* extClkDir, int* extClkZin,
                                                int* extClkSrc, int* extClkDiv, int* framerPllRef,
                                                int* audioPllRef) {
    const int status = RunCommand(c::kReportClkConfig);
    if (status < 0) return status;
    int* const outputs[] = {extClkLevel, extClkDir, extClkZin, extClkSrc,
                            extClkDiv,   framerPllRef, audioPllRef};
    return ParseReport(outputs, 7);
}

VANTREL_API int KovSLIMbusBridgeReportDigAudioConfig(int* spdifAsrcMode, int* opticalAsrcMode,
                                                     int* dsiOutAsrcMode, int* dsiOutAsrcClrRef,
                                                     int* dsiLevel, int* dsiInFormat, int* dsiInDL,
                                                     int* dsiInClkMode, int* dsiOutFormat,
                                                     int* dsiOutDL, int* dsiOutClkMode) {
    const int status = RunCommand(c::kReportDigAudioConfig);
    if (status < 0) return status;
    int* const outputs[] = {spdifAsrcMode, opticalAsrcMode, dsiOutAsrcMode, dsiOutAsrcClrRef,
                            dsiLevel,      dsiInFormat,     dsiInDL,        dsiInClkMode,
                            dsiOutFormat,  dsiOutDL,        dsiOutClkMode};
    return ParseReport(outputs, 11);
}

VANTREL_API int KovSLIMbusBridgeReportDataPathConfig(int* sdin12Sel, int* sdin34Sel, int* dsi8ChInEna,
                                                     int* sdin56Sel, int* sdout1Sel, int* dsi8ChOutEna,
                                                     int* sdout2Sel, int* loopBackMode) {
    const int status = RunCommand(c::kReportDataPathConfig);
    if (status < 0) return status;
    int* const outputs[] = {sdin12Sel, sdin34Sel,    dsi8ChInEna, sdin56Sel,
                            sdout1Sel, dsi8ChOutEna, sdout2Sel,   loopBackMode};
    return ParseReport(outputs, 8);
}

VANTREL_API int KovSLIMbusBridgeReportPresenceRate(int* rates[12]) {
    const int status = RunCommand(c::kReportPresenceRate);
    if (status < 0) return status;
    int* outputs[12] = {};
    if (rates != nullptr) std::copy(rates, rates + 12, outputs);
    return ParseReport(outputs, 12);
}

}  // extern "C"
