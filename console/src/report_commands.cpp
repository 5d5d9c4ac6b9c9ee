// The configuration reports of the "Model Q7 only" row. Each fills its output integers (all 0
// before the call) and, on success, shows them in field order in the bus status box and the
// log box; a short reply comes back as -11 and shows the unnamed error line. "IP Reset" is a
// plain command (no_argument_commands.cpp).
#include "kestrix_dlg.h"
#include "table_lookup.h"
#include "vantrel.h"

namespace {

constexpr int kMostFields = 12;

struct Report {
    int controlId;
    const char* progress;
    const char* label;
    int (*call)(int* values);                     // values: kMostFields integers, field order
    CString (*successLine)(const int* values);
};

const Report kReports[] = {
    {IDC_BUTTON_REPORT_FRAMER_CONFIG, "ReportFramerConfig ....", "ReportFramerConfig",
     [](int* v) { return KovSLIMbusBridgeReportFramerConfig(&v[0], &v[1], &v[2], &v[3], &v[4]); },
     [](const int* v) {
         return FormatText("FramerBootFrequency %d, FramerBootSM %d, FramerBootCG %d, FramerBootMode %d "
                           "ComponentAddress %d",
                           v[0], v[1], v[2], v[3], v[4]);
     }},
    {IDC_BUTTON_REPORT_PHY_CONFIG, "ReportPhyConfig ....", "ReportPhyConfig",
     [](int* v) { return KovSLIMbusBridgeReportPhyConfig(&v[0], &v[1], &v[2]); },
     [](const int* v) { return FormatText("SLIMbusLevel %d, BusHoldEnabled %d, SD1Assign %d", v[0], v[1], v[2]); }},
    {IDC_BUTTON_REPORT_CLOCK_CONFIG, "ReportClockConfig ....", "ReportClockConfig",
     [](int* v) { return KovSLIMbusBridgeReportClkConfig(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]); },
     [](const int* v) {
         return FormatText("ExtClkLevel %d, ExtClkDir %d, ExtClkZin %d ExtClkSrc %d ExtClkDiv %d FramerPllRef %d "
                           "AudioPllRef %d",
                           v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
     }},
    {IDC_BUTTON_REPORT_DIG_AUDIO_CONFIG, "ReportDigAudioConfig ....", "ReportDigAudioConfig",
     [](int* v) {
         return KovSLIMbusBridgeReportDigAudioConfig(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7],
                                                     &v[8], &v[9], &v[10]);
     },
     [](const int* v) {
         return FormatText("SpdifAsrcMode %d, OpticalAsrcMode %d, DsiOutAsrcMode %d DsiOutAsrcClrRef %d DsiLevel %d "
                           "DsiInFormat %d DsiInDL %d DsiInClkMode %d DsiOutFormat %d DsiOutDL %d DsiOutClkMode %d",
                           v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
     }},
    {IDC_BUTTON_REPORT_DATA_PATH_CONFIG, "ReportDataPathConfig ....", "ReportDataPathConfig",
     [](int* v) {
         return KovSLIMbusBridgeReportDataPathConfig(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7]);
     },
     [](const int* v) {
         return FormatText("Sdin12Sel %d, Sdin34Sel %d, Dsi8ChInEna %d Sdin56Sel %d Sdout1Sel %d Dsi8ChOutEna %d "
                           "Sdout2Sel %d LoopBackMode %d",
                           v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
     }},
    {IDC_BUTTON_REPORT_PRESENCE_RATE, "ReportPresenceRate ....", "ReportPresenceRate",
     [](int* v) {
         int* rates[kMostFields];
         for (int i = 0; i < kMostFields; ++i) rates[i] = &v[i];
         return KovSLIMbusBridgeReportPresenceRate(rates);
     },
     [](const int* v) {
         return FormatText("PresenceRate 0: %d,  1: %d,  2: %d,  3: %d,  4: %d,  5: %d,  6: %d,  7: %d,  8: %d,  "
                           "9: %d,  10: %d, 11: %d",
                           v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
     }},
};

}  // namespace

void CKestrixDlg::RunReport(int controlId) {
    const Report& row = RowFor(kReports, controlId);
    int values[kMostFields] = {};
    RunCommand({row.progress, row.label, false}, [&] { return row.call(values); },
               [&](int) { return row.successLine(values); }, &m_editBusStatus);
}

void CKestrixDlg::OnButtonReportFramerConfig() { RunReport(IDC_BUTTON_REPORT_FRAMER_CONFIG); }
void CKestrixDlg::OnButtonReportPhyConfig() { RunReport(IDC_BUTTON_REPORT_PHY_CONFIG); }
void CKestrixDlg::OnButtonReportClockConfig() { RunReport(IDC_BUTTON_REPORT_CLOCK_CONFIG); }
void CKestrixDlg::OnButtonReportDigAudioConfig() { RunReport(IDC_BUTTON_REPORT_DIG_AUDIO_CONFIG); }
void CKestrixDlg::OnButtonReportDataPathConfig() { RunReport(IDC_BUTTON_REPORT_DATA_PATH_CONFIG); }
void CKestrixDlg::OnButtonReportPresenceRate() { RunReport(IDC_BUTTON_REPORT_PRESENCE_RATE); }
void CKestrixDlg::OnButtonIpReset() { RunNoArgumentCommand(IDC_BUTTON_IP_RESET); }
