// The "Message" group, the register rows and the import/export group.
#include "kestrix_dlg.h"
#include "text_conversion.h"
#include "vantrel.h"

void CKestrixDlg::OnButtonExportRegister() { RunPathCommand(IDC_BUTTON_EXPORT_REGISTER); }
void CKestrixDlg::OnButtonRequestLiveViewCount() { RunNoArgumentCommand(IDC_BUTTON_REQUEST_LIVE_VIEW_COUNT); }

void CKestrixDlg::OnButtonSend() {
    const int messageType = NumberIn(m_editMsgType);
    const int messageCode = NumberIn(m_editMsgCode);
    // The bridge takes both addresses as fields of exactly six characters.
    const std::string source = SixCharacterAddress(TextOf(m_editSourceAddress).str());
    const std::string destination = SixCharacterAddress(TextOf(m_editDestinationAddress).str());
    const CString payload = TextOf(m_editPayload);
    // Its error lines are those of "Play Script ID".
    RunCommand({"Send User Message .....", "Play Script", true},
               [&] {
                   return KovSLIMbusBridgePlayMessage(messageType, messageCode, source.c_str(), destination.c_str(),
                                                      payload);
               },
               [this](int code) { return FormatText("Play User Msg = %d Reply [%s]", code, m_reply); });
}

void CKestrixDlg::OnButtonImportRegister() {
    const CString path = TextOf(m_editImportRegisterFile);
    const int logicalAddress = NumberIn(m_editImportLogicalAddress);
    const int sliceSize = NumberIn(m_editImportSliceSize);
    RunCommand({"Send User Message (ImportRegister).....", "Import Register", true},
               [&] { return KovSLIMbusBridgeImportRegister(path, logicalAddress, sliceSize); },
               [this](int code) { return FormatText("Import Register status = %d Reply [%s]", code, m_reply); });
}

void CKestrixDlg::OnButtonExportLiveView() {
    const CString path = TextOf(m_editLiveViewFile);
    const int startIndex = NumberIn(m_editStartIndex);
    RunCommand({"Send User Message (ExportLiveView).....", "Export LiveView", true},
               [&] { return KovSLIMbusBridgeExportLiveView(path, startIndex); },
               [this](int code) { return FormatText("Export LiveView status = %d Reply [%s]", code, m_reply); });
}

void CKestrixDlg::OnButtonWriteRegister() {
    const int logicalAddress = NumberIn(m_editWriteLogicalAddress);
    const int registerAddress = NumberIn(m_editWriteRegisterAddress);
    const CString data = TextOf(m_editWriteData);
    RunCommand({"Send User Message (Write Register).....", "Write Register", true},
               [&] { return KovSLIMbusBridgeWriteRegister(logicalAddress, registerAddress, data); },
               [this](int code) { return FormatText("Write Register status = %d Reply [%s]", code, m_reply); });
}

void CKestrixDlg::OnButtonReadRegister() {
    const int logicalAddress = NumberIn(m_editReadLogicalAddress);
    const int registerAddress = NumberIn(m_editReadRegisterAddress);
    const int sliceSize = NumberIn(m_editReadSliceSize);
    char readData[512] = "";
    RunCommand({"Send User Message (Read Register).....", "Read Register", true},
               [&] { return KovSLIMbusBridgeReadRegister(logicalAddress, registerAddress, sliceSize, readData); },
               [this](int code) {
                   const CString line = FormatText("Read Register status = %d Reply [%s]", code, m_reply);
                   ShowIn(m_editReadData, m_reply);  // the "Data" box first, then the log
                   return line;
               });
}
