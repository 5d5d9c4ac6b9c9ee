// CKestrixDlg: the console's main dialog (template 102). Each click handler runs one export of
// the bridge interface library and shows the outcome as one result line in the log box.
#pragma once

#include <functional>

#include "framework.h"
#include "resource_ids.h"

class CKestrixDlg : public CDialog {
public:
    explicit CKestrixDlg(CWnd* parent = nullptr);
    ~CKestrixDlg() override;

    enum { IDD = IDD_KESTRIX_DIALOG };

    // Control members, bound by DoDataExchange in this order.
    CButton m_checkUseLiterals;
    CEdit m_editAutomatorFile;
    CEdit m_editDllPollMs;
    CEdit m_editBridgePollMs;
    CEdit m_editWriteLogicalAddress;
    CEdit m_editWriteRegisterAddress;
    CEdit m_editWriteData;
    CEdit m_editReadSliceSize;
    CEdit m_editReadLogicalAddress;
    CEdit m_editReadRegisterAddress;
    CEdit m_editReadData;
    CEdit m_editStartIndex;
    CEdit m_editLiveViewFile;
    CEdit m_editExportRegisterFile;
    CEdit m_editImportSliceSize;
    CEdit m_editImportLogicalAddress;
    CEdit m_editImportRegisterFile;
    CEdit m_editBridgeConfig;
    CEdit m_editMsgCode;
    CEdit m_editSourceAddress;
    CEdit m_editDestinationAddress;
    CEdit m_editPayload;
    CEdit m_editMsgType;
    CButton m_checkSniffer;
    CButton m_checkManager;
    CButton m_checkFramer;
    CEdit m_editPortConfig;
    CEdit m_editBusStatus;
    CEdit m_editScriptId;
    CEdit m_editScriptFile;
    CEdit m_editScriptLibraryFile;
    CEdit m_editPlayScriptFile;
    CEdit m_editProjectFile;
    CEdit m_editLog;
    HICON m_hIcon;
    // The reply line of the last fetch (KovSLIMbusGetReply), kept from one handler to the next.
    char m_reply[512];

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT id, LPARAM param);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    // Connection, control and status.
    void OnButtonOpen();
    void OnButtonClose();
    void OnButtonDllVersion();
    void OnButtonSwVersion();
    void OnButtonBridgeModel();
    void OnButtonReset();
    void OnCheckFramer();
    void OnCheckManager();
    void OnCheckSniffer();
    void OnButtonRequestBusStatus();
    void OnButtonRequestPortConfig();
    void OnButtonRequestBridgeConfig();
    void OnButtonSetPollTimings();

    // Scripts and file pickers.
    void OnButtonLoadProjectFile();
    void OnButtonRequestScriptLibContent();
    void OnButtonPlayScript();
    void OnButtonLoadScriptLibrary();
    void OnButtonLoadScript();
    void OnButtonPlayBuffer();
    void OnButtonPlayScriptId();
    void OnButtonAutomatorFile();
    void OnButtonClearLiveView();
    void OnCheckUseLiterals();
    void OnBrowseProjectFile();
    void OnBrowseScriptLibraryFile();
    void OnBrowseScriptFile();
    void OnBrowsePlayScriptFile();
    void OnBrowseAutomatorFile();
    void OnBrowseLiveViewFile();
    void OnBrowseImportRegisterFile();
    void OnBrowseExportRegisterFile();

    // Message, register and import/export.
    void OnButtonSend();
    void OnButtonImportRegister();
    void OnButtonExportRegister();
    void OnButtonExportLiveView();
    void OnButtonRequestLiveViewCount();
    void OnButtonWriteRegister();
    void OnButtonReadRegister();

    // Model-specific reports.
    void OnButtonReportFramerConfig();
    void OnButtonReportPhyConfig();
    void OnButtonReportClockConfig();
    void OnButtonReportDigAudioConfig();
    void OnButtonReportDataPathConfig();
    void OnButtonReportPresenceRate();
    void OnButtonIpReset();

    DECLARE_MESSAGE_MAP()

private:
    // What differs between handlers that follow the common sequence.
    struct CommandTexts {
        const char* progress;  // nullptr: no progress line, the log keeps its text during the call
        const char* label;     // operation label of the error lines
        bool fetchReply;       // fetch the reply into m_reply after a success, before the line
    };

    // The common sequence: progress line shown and painted, the call, on success the reply
    // fetched (when asked) and the success line formed, on failure the error line; the line is
    // set into `successBox` too on success (when given), then into the log box.
    void RunCommand(const CommandTexts& texts, const std::function<int()>& call,
                    const std::function<CString(int code)>& successLine, CEdit* successBox = nullptr);
    // Sets `text` into `box` and repaints the box at once.
    static void ShowIn(CEdit& box, const CString& text);
    void FetchReply();
    static CString TextOf(const CEdit& edit);
    static int NumberIn(const CEdit& edit);

    // Table-driven shapes shared by several handlers (see the handler files).
    void RunNoArgumentCommand(int controlId);
    void RunPathCommand(int controlId);
    void RunCheckBoxCommand(int controlId);
    void RunReport(int controlId);
    void BrowseForFile(int controlId);

};
