// Connection, version, model, reset, status and poll-timing handlers ("General" and "Status").
#include "kestrix_dlg.h"
#include "text_conversion.h"
#include "vantrel.h"

void CKestrixDlg::OnButtonOpen() { RunNoArgumentCommand(IDC_BUTTON_OPEN); }
void CKestrixDlg::OnButtonClose() { RunNoArgumentCommand(IDC_BUTTON_CLOSE); }
void CKestrixDlg::OnButtonReset() { RunNoArgumentCommand(IDC_BUTTON_RESET); }

void CKestrixDlg::OnButtonDllVersion() {
    // The major number stands above the low byte, the minor number in it.
    RunCommand({nullptr, "GetDLLVersion", false}, [] { return KovSLIMbusGetDLLVersion(); },
               [](int code) { return FormatText("DLL software version = %d.%02d", code / 256, code % 256); });
}

void CKestrixDlg::OnButtonSwVersion() {
    // The version is the reply's number; its three low bytes are shown, the status is not.
    RunCommand({"Getting Bridge SW version ....", "GetSWVersion", true}, [] { return KovSLIMbusGetSWVersion(); },
               [this](int) {
                   const auto version = static_cast<unsigned>(ToSignedDecimal(m_reply));
                   return FormatText("Kov Bridge software version = %02x.%02x.%02x", (version >> 16) & 0xFFu,
                                     (version >> 8) & 0xFFu, version & 0xFFu);
               });
}

void CKestrixDlg::OnButtonBridgeModel() {
    // The library copies each field whole; a reply line has at most 510 characters, so buffers
    // of the reply's size always hold it. They start empty, so a field the library did not
    // write (a two-field reply) shows as nothing.
    char modelType[512] = "";
    char firmwareVersion[512] = "";
    char ipVersion[512] = "";
    RunCommand({"Getting Bridge model info ....", "Get Bridge Model", false},
               [&] { return KovSLIMbusBridgeRequestModel(modelType, firmwareVersion, ipVersion); },
               [&](int) {
                   return FormatText("Kov Bridge Model Type = %s FirmwareVersion %s IPVersion %s", modelType,
                                     firmwareVersion, ipVersion);
               });
}

void CKestrixDlg::OnButtonRequestBusStatus() {
    int clockGear = 0;
    int rootFrequency = 0;
    int ipFrozen = 0;
    int ipPaused = 0;
    RunCommand({"RequestBusStatus ....", "RequestBusStatus", false},
               [&] { return KovSLIMbusBridgeRequestBusStatus(&clockGear, &rootFrequency, &ipFrozen, &ipPaused); },
               [&](int) {
                   return FormatText("RF %d, CG %d, IP Frozen %d, IP Paused %d", rootFrequency, clockGear, ipFrozen,
                                     ipPaused);
               },
               &m_editBusStatus);
}

void CKestrixDlg::OnButtonRequestPortConfig() {
    int inputRate = 0;
    int inputRateMismatch = 0;
    int outputRate = 0;
    int outputRateMismatch = 0;
    char ports[9] = "";  // eight port characters and the terminating zero
    RunCommand({"RequestPortConfiguration ....", "RequestPortConfiguration", false},
               [&] {
                   return KovSLIMbusBridgeRequestPortConfiguration(ports, &inputRate, &inputRateMismatch,
                                                                   &outputRate, &outputRateMismatch);
               },
               [&](int) {
                   return FormatText("%c %c %c %c %c %c %c %c \r\nInput Presence Rate = %d \r\n"
                                     "Input Presence Rate mismatch =  %d \r\nOutput Presence Rate = %d \r\n"
                                     "Output Presence Rate mismatch = %d",
                                     ports[0], ports[1], ports[2], ports[3], ports[4], ports[5], ports[6], ports[7],
                                     inputRate, inputRateMismatch, outputRate, outputRateMismatch);
               },
               &m_editPortConfig);
}

void CKestrixDlg::OnButtonRequestBridgeConfig() {
    RunCommand({"RequestBridgeConfiguration ....", "RequestBridgeConfiguration", false},
               [] { return KovSLIMbusBridgeRequestBridgeConfiguration(); },
               [this](int) {
                   m_reply[0] = '\0';  // a fetch that stores nothing shows an empty reply
                   FetchReply();
                   return FormatText("RequestBridgeConfiguration ok Reply: [%s]", m_reply);
               });
    // Whatever the outcome, the box shows the reply buffer.
    ShowIn(m_editBridgeConfig, m_reply);
}

void CKestrixDlg::OnButtonSetPollTimings() {
    // Both numbers go to the library unchecked: it uses the first only when greater than 1.
    const int libraryPollMs = NumberIn(m_editDllPollMs);
    const int bridgePollMs = NumberIn(m_editBridgePollMs);
    RunCommand({"SetPollTiming.....", "SetPollTiming", true},
               [&] { return KovSLIMbusBridgeSetPollTiming(libraryPollMs, bridgePollMs); },
               [this](int code) { return FormatText("SetPollTiming status = %d Reply [%s]", code, m_reply); });
}
