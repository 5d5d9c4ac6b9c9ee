// The main dialog's shell: construction, control binding, initialisation, the system menu's
// About item, the minimised icon, the message map and the sequence every handler shares.
#include "kestrix_dlg.h"

#include "about_dlg.h"
#include "result_line.h"
#include "text_conversion.h"
#include "vantrel.h"

CKestrixDlg::CKestrixDlg(CWnd* parent) : CDialog(CKestrixDlg::IDD, parent) {
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

CKestrixDlg::~CKestrixDlg() = default;

void CKestrixDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_CHECK_USE_LITERALS, m_checkUseLiterals);
    DDX_Control(exchange, IDC_EDIT_AUTOMATOR_FILE, m_editAutomatorFile);
    DDX_Control(exchange, IDC_EDIT_DLL_POLL_MS, m_editDllPollMs);
    DDX_Control(exchange, IDC_EDIT_BRIDGE_POLL_MS, m_editBridgePollMs);
    DDX_Control(exchange, IDC_EDIT_WRITE_LOGICAL_ADDRESS, m_editWriteLogicalAddress);
    DDX_Control(exchange, IDC_EDIT_WRITE_REGISTER_ADDRESS, m_editWriteRegisterAddress);
    DDX_Control(exchange, IDC_EDIT_WRITE_DATA, m_editWriteData);
    DDX_Control(exchange, IDC_EDIT_READ_SLICE_SIZE, m_editReadSliceSize);
    DDX_Control(exchange, IDC_EDIT_READ_LOGICAL_ADDRESS, m_editReadLogicalAddress);
    DDX_Control(exchange, IDC_EDIT_READ_REGISTER_ADDRESS, m_editReadRegisterAddress);
    DDX_Control(exchange, IDC_EDIT_READ_DATA, m_editReadData);
    DDX_Control(exchange, IDC_EDIT_START_INDEX, m_editStartIndex);
    DDX_Control(exchange, IDC_EDIT_LIVE_VIEW_FILE, m_editLiveViewFile);
    DDX_Control(exchange, IDC_EDIT_EXPORT_REGISTER_FILE, m_editExportRegisterFile);
    DDX_Control(exchange, IDC_EDIT_IMPORT_SLICE_SIZE, m_editImportSliceSize);
    DDX_Control(exchange, IDC_EDIT_IMPORT_LOGICAL_ADDRESS, m_editImportLogicalAddress);
    DDX_Control(exchange, IDC_EDIT_IMPORT_REGISTER_FILE, m_editImportRegisterFile);
    DDX_Control(exchange, IDC_EDIT_BRIDGE_CONFIG, m_editBridgeConfig);
    DDX_Control(exchange, IDC_EDIT_MSG_CODE, m_editMsgCode);
    DDX_Control(exchange, IDC_EDIT_SOURCE_ADDRESS, m_editSourceAddress);
    DDX_Control(exchange, IDC_EDIT_DESTINATION_ADDRESS, m_editDestinationAddress);
    DDX_Control(exchange, IDC_EDIT_PAYLOAD, m_editPayload);
    DDX_Control(exchange, IDC_EDIT_MSG_TYPE, m_editMsgType);
    DDX_Control(exchange, IDC_CHECK_SNIFFER, m_checkSniffer);
    DDX_Control(exchange, IDC_CHECK_MANAGER, m_checkManager);
    DDX_Control(exchange, IDC_CHECK_FRAMER, m_checkFramer);
    DDX_Control(exchange, IDC_EDIT_PORT_CONFIG, m_editPortConfig);
    DDX_Control(exchange, IDC_EDIT_BUS_STATUS, m_editBusStatus);
    DDX_Control(exchange, IDC_EDIT_SCRIPT_ID, m_editScriptId);
    DDX_Control(exchange, IDC_EDIT_SCRIPT_FILE, m_editScriptFile);
    DDX_Control(exchange, IDC_EDIT_SCRIPT_LIBRARY_FILE, m_editScriptLibraryFile);
    DDX_Control(exchange, IDC_EDIT_PLAY_SCRIPT_FILE, m_editPlayScriptFile);
    DDX_Control(exchange, IDC_EDIT_PROJECT_FILE, m_editProjectFile);
    DDX_Control(exchange, IDC_EDIT_LOG, m_editLog);
}

BEGIN_MESSAGE_MAP(CKestrixDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    // Connection, control and status.
    ON_BN_CLICKED(IDC_BUTTON_OPEN, OnButtonOpen)
    ON_BN_CLICKED(IDC_BUTTON_CLOSE, OnButtonClose)
    ON_BN_CLICKED(IDC_BUTTON_DLL_VERSION, OnButtonDllVersion)
    ON_BN_CLICKED(IDC_BUTTON_SW_VERSION, OnButtonSwVersion)
    ON_BN_CLICKED(IDC_BUTTON_BRIDGE_MODEL, OnButtonBridgeModel)
    ON_BN_CLICKED(IDC_BUTTON_REQUEST_PORT_CONFIG, OnButtonRequestPortConfig)
    ON_BN_CLICKED(IDC_BUTTON_REQUEST_BUS_STATUS, OnButtonRequestBusStatus)
    ON_BN_CLICKED(IDC_BUTTON_REQUEST_BRIDGE_CONFIG, OnButtonRequestBridgeConfig)
    ON_BN_CLICKED(IDC_BUTTON_RESET, OnButtonReset)
    ON_BN_CLICKED(IDC_CHECK_FRAMER, OnCheckFramer)
    ON_BN_CLICKED(IDC_CHECK_SNIFFER, OnCheckSniffer)
    ON_BN_CLICKED(IDC_CHECK_MANAGER, OnCheckManager)
    ON_BN_CLICKED(IDC_BUTTON_SET_POLL_TIMINGS, OnButtonSetPollTimings)
    // Scripts and file pickers.
    ON_BN_CLICKED(IDC_BUTTON_LOAD_PROJECT_FILE, OnButtonLoadProjectFile)
    ON_BN_CLICKED(IDC_BUTTON_REQUEST_SCRIPT_LIB_CONTENT, OnButtonRequestScriptLibContent)
    ON_BN_CLICKED(IDC_BUTTON_PLAY_SCRIPT, OnButtonPlayScript)
    ON_BN_CLICKED(IDC_BUTTON_LOAD_SCRIPT_LIBRARY, OnButtonLoadScriptLibrary)
    ON_BN_CLICKED(IDC_BUTTON_LOAD_SCRIPT, OnButtonLoadScript)
    ON_BN_CLICKED(IDC_BUTTON_PLAY_BUFFER, OnButtonPlayBuffer)
    ON_BN_CLICKED(IDC_BUTTON_PLAY_SCRIPT_ID, OnButtonPlayScriptId)
    ON_BN_CLICKED(IDC_BROWSE_PROJECT_FILE, OnBrowseProjectFile)
    ON_BN_CLICKED(IDC_BROWSE_SCRIPT_LIBRARY_FILE, OnBrowseScriptLibraryFile)
    ON_BN_CLICKED(IDC_BROWSE_SCRIPT_FILE, OnBrowseScriptFile)
    ON_BN_CLICKED(IDC_BROWSE_PLAY_SCRIPT_FILE, OnBrowsePlayScriptFile)
    ON_BN_CLICKED(IDC_BROWSE_IMPORT_REGISTER_FILE, OnBrowseImportRegisterFile)
    ON_BN_CLICKED(IDC_BROWSE_EXPORT_REGISTER_FILE, OnBrowseExportRegisterFile)
    ON_BN_CLICKED(IDC_BROWSE_LIVE_VIEW_FILE, OnBrowseLiveViewFile)
    ON_BN_CLICKED(IDC_BROWSE_AUTOMATOR_FILE, OnBrowseAutomatorFile)
    ON_BN_CLICKED(IDC_BUTTON_AUTOMATOR_FILE, OnButtonAutomatorFile)
    ON_BN_CLICKED(IDC_BUTTON_CLEAR_LIVE_VIEW, OnButtonClearLiveView)
    ON_BN_CLICKED(IDC_CHECK_USE_LITERALS, OnCheckUseLiterals)
    // Message, register and import/export.
    ON_BN_CLICKED(IDC_BUTTON_IMPORT_REGISTER, OnButtonImportRegister)
    ON_BN_CLICKED(IDC_BUTTON_EXPORT_REGISTER, OnButtonExportRegister)
    ON_BN_CLICKED(IDC_BUTTON_SEND, OnButtonSend)
    ON_BN_CLICKED(IDC_BUTTON_EXPORT_LIVE_VIEW, OnButtonExportLiveView)
    ON_BN_CLICKED(IDC_BUTTON_REQUEST_LIVE_VIEW_COUNT, OnButtonRequestLiveViewCount)
    ON_BN_CLICKED(IDC_BUTTON_WRITE_REGISTER, OnButtonWriteRegister)
    ON_BN_CLICKED(IDC_BUTTON_READ_REGISTER, OnButtonReadRegister)
    // Model-specific reports.
    ON_BN_CLICKED(IDC_BUTTON_REPORT_FRAMER_CONFIG, OnButtonReportFramerConfig)
    ON_BN_CLICKED(IDC_BUTTON_REPORT_PHY_CONFIG, OnButtonReportPhyConfig)
    ON_BN_CLICKED(IDC_BUTTON_REPORT_CLOCK_CONFIG, OnButtonReportClockConfig)
    ON_BN_CLICKED(IDC_BUTTON_REPORT_DIG_AUDIO_CONFIG, OnButtonReportDigAudioConfig)
    ON_BN_CLICKED(IDC_BUTTON_REPORT_DATA_PATH_CONFIG, OnButtonReportDataPathConfig)
    ON_BN_CLICKED(IDC_BUTTON_REPORT_PRESENCE_RATE, OnButtonReportPresenceRate)
    ON_BN_CLICKED(IDC_BUTTON_IP_RESET, OnButtonIpReset)
END_MESSAGE_MAP()

BOOL CKestrixDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    // The About item goes at the end of the system menu, after a separator.
    if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
        CString aboutMenu;
        aboutMenu.LoadString(IDS_ABOUTBOX);
        if (!aboutMenu.IsEmpty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
    }

    m_reply[0] = '\0';

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    return TRUE;
}

void CKestrixDlg::OnSysCommand(UINT id, LPARAM param) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, param);
    }
}

void CKestrixDlg::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

        // The icon, centred in the client rectangle.
        const int iconWidth = GetSystemMetrics(SM_CXICON);
        const int iconHeight = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - iconWidth + 1) / 2;
        const int y = (rect.Height() - iconHeight + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

HCURSOR CKestrixDlg::OnQueryDragIcon() { return m_hIcon; }

// --- The sequence the handlers share ------------------------------------------------------

void CKestrixDlg::ShowIn(CEdit& box, const CString& text) {
    box.SetWindowText(text);
    box.UpdateWindow();
}

void CKestrixDlg::FetchReply() {
    // Its result is not looked at: a fetch that stores nothing leaves the previous reply.
    KovSLIMbusGetReply(m_reply, 511);
}

CString CKestrixDlg::TextOf(const CEdit& edit) {
    CString text;
    edit.GetWindowText(text);
    return text;
}

int CKestrixDlg::NumberIn(const CEdit& edit) { return ToSignedDecimal(TextOf(edit)); }

void CKestrixDlg::RunCommand(const CommandTexts& texts, const std::function<int()>& call,
                             const std::function<CString(int code)>& successLine, CEdit* successBox) {
    if (texts.progress != nullptr) ShowIn(m_editLog, texts.progress);
    const int code = call();
    CString line;
    if (code >= 0) {
        if (texts.fetchReply) FetchReply();
        line = successLine(code);
        if (successBox != nullptr) ShowIn(*successBox, line);
    } else {
        line = FormatErrorLine(texts.label, code);
    }
    ShowIn(m_editLog, line);
}
