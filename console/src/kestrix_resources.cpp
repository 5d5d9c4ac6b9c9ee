#include "kestrix_resources.h"

#include "resource_ids.h"
#include "win_types.h"

namespace {

using ui::ControlKind;
using ui::ControlTemplate;

constexpr std::uint32_t kButtonStyle = ui::kVisible | ui::kTabStop;
constexpr std::uint32_t kCheckStyle = ui::kVisible | ui::kTabStop | ui::kAutoCheck;
constexpr std::uint32_t kEditStyle = ui::kVisible | ui::kTabStop | ui::kBorder | ui::kAutoHScroll;
constexpr std::uint32_t kMultiLine = ui::kMultiLine | ui::kAutoVScroll;

ControlTemplate Button(int id, const char* caption, int x, int y, int width, int height,
                       std::uint32_t style = kButtonStyle) {
    return {id, ControlKind::PushButton, caption, x, y, width, height, style};
}
ControlTemplate Check(int id, const char* caption, int x, int y, int width, int height) {
    return {id, ControlKind::CheckBox, caption, x, y, width, height, kCheckStyle};
}
ControlTemplate Edit(int id, int x, int y, int width, int height, std::uint32_t extra = 0) {
    return {id, ControlKind::Edit, "", x, y, width, height, kEditStyle | extra};
}
ControlTemplate Label(const char* caption, int x, int y, int width, int height) {
    return {-1, ControlKind::Label, caption, x, y, width, height, ui::kVisible};
}
ControlTemplate Group(const char* caption, int x, int y, int width, int height) {
    return {-1, ControlKind::GroupBox, caption, x, y, width, height, ui::kVisible};
}

ui::DialogTemplate MainDialog() {
    return {
        IDD_KESTRIX_DIALOG, "Kestrix ver 1.9 (30/03/2015)", 0, 0, 609, 526, "MS Sans Serif", 8,
        ui::kPopup | ui::kDialogVisible | ui::kCaptionBar | ui::kSystemMenu | ui::kModalFrame |
            ui::kSetFont | ui::kAppWindow,
        {
            Button(1, "Exit", 556, 13, 46, 14, kButtonStyle | ui::kDefaultButton),
            Button(2, "Cancel", 581, 22, 21, 9, ui::kTabStop | ui::kDisabled),
            Button(1000, "Open", 15, 18, 44, 16),
            Button(1001, "Close", 65, 18, 44, 16),
            Button(1002, "DLL VER", 115, 18, 44, 16),
            Button(1003, "SW VER", 165, 18, 44, 16),
            Button(1004, "Bridge Model", 214, 18, 54, 16),
            Edit(1005, 7, 489, 595, 30, kMultiLine | ui::kVScrollBar),
            Button(1006, "Load Project File", 15, 86, 75, 19),
            Button(1007, "Request Script Lib Content", 15, 60, 99, 19),
            Edit(1008, 95, 90, 223, 12),
            Button(1009, "Play Script", 15, 159, 75, 19),
            Edit(1010, 95, 162, 223, 12),
            Button(1011, "Load Script Library", 15, 110, 75, 19),
            Edit(1012, 95, 114, 223, 12),
            Button(1013, "Load Script", 15, 134, 75, 19),
            Edit(1014, 95, 138, 223, 12),
            Button(1015, "Play Buffer", 16, 184, 74, 17),
            Button(1016, "Request Port Config", 352, 85, 84, 19),
            Button(1017, "Request Bus Status", 352, 61, 84, 19),
            Button(1018, "Play Script ID", 224, 183, 74, 17),
            Edit(1019, 303, 186, 28, 12),
            Button(1026, "Reset", 273, 18, 54, 16),
            Edit(1027, 443, 64, 156, 12, ui::kReadOnly),
            Edit(1028, 443, 81, 156, 44, kMultiLine | ui::kReadOnly | ui::kWantReturn),
            Button(1030, "...", 325, 91, 13, 12),
            Button(1031, "...", 325, 114, 13, 12),
            Button(1032, "...", 325, 138, 13, 12),
            Button(1033, "...", 325, 161, 13, 12),
            Check(1034, "Framer", 344, 19, 38, 15),
            Check(1035, "Sniffer", 454, 19, 36, 15),
            Check(1036, "Manager", 397, 19, 42, 15),
            Button(1037, "Send", 547, 231, 39, 16),
            Edit(1038, 357, 206, 28, 13),
            Edit(1040, 408, 206, 32, 12),
            Edit(1041, 453, 206, 55, 12),
            Edit(1042, 523, 206, 55, 12),
            Edit(1043, 357, 234, 181, 13),
            Button(1020, "Request Bridge Config", 352, 130, 84, 19),
            Edit(1029, 443, 131, 156, 27, kMultiLine | ui::kReadOnly),
            Button(1021, "Import Register", 16, 322, 75, 19),
            Edit(1022, 95, 326, 305, 12),
            Button(1039, "...", 409, 326, 13, 12),
            Button(1023, "Export Register", 16, 346, 75, 19),
            Edit(1044, 489, 325, 28, 13),
            Edit(1024, 95, 350, 305, 12),
            Button(1045, "...", 408, 350, 13, 12),
            Edit(1025, 95, 302, 306, 12),
            Button(1046, "...", 409, 302, 13, 12),
            Button(1047, "Export LiveView", 16, 298, 75, 19),
            Edit(1048, 565, 324, 28, 13),
            Edit(1049, 489, 303, 28, 13),
            Button(1050, "Request LiveView Count", 16, 275, 107, 19),
            Button(1051, "Write Register", 15, 386, 75, 19),
            Button(1052, "Read Register", 15, 408, 75, 19),
            Edit(1053, 159, 388, 28, 13),
            Edit(1054, 159, 410, 28, 13),
            Edit(1055, 266, 388, 28, 13),
            Edit(1058, 418, 390, 160, 13),
            Edit(1059, 418, 412, 162, 13, ui::kReadOnly),
            Button(1060, "Set Poll Timings", 353, 159, 83, 19),
            Edit(1061, 468, 163, 25, 13),
            Edit(1062, 552, 164, 24, 13),
            Edit(1056, 266, 410, 28, 13),
            Edit(1057, 343, 410, 28, 13),
            Button(1063, "Report Framer Config", 17, 449, 82, 17),
            Button(1064, "Report Phy Config", 99, 449, 82, 17),
            Button(1065, "Report Clock Config", 181, 449, 82, 17),
            Button(1066, "Report Dig Audio Config", 263, 449, 82, 17),
            Button(1067, "Report Data Path Config", 345, 449, 82, 17),
            Button(1068, "Report Presence Rate", 427, 449, 82, 17),
            Button(1069, "IP Reset", 509, 449, 82, 17),
            Edit(1071, 95, 207, 223, 12),
            Button(1072, "...", 321, 207, 13, 12),
            Button(1073, "Automator File", 15, 205, 75, 19),
            Button(1074, "Clear Live View", 14, 241, 75, 19),
            Check(1075, "Use Literals", 95, 220, 56, 13),
            // Labels and group boxes.
            Label("Log", 7, 477, 26, 9),
            Group("General", 7, 7, 545, 34),
            Group("Scripts", 7, 47, 336, 191),
            Group("Status", 343, 46, 259, 136),
            Label("Msg Type", 357, 195, 35, 10),
            Label("Msg Code", 407, 195, 40, 11),
            Label("Source Address", 454, 195, 56, 10),
            Label("Destination Address", 519, 195, 71, 13),
            Label("Payload  (separate every decimal value with a ',' )", 360, 223, 169, 9),
            Group("Message", 343, 185, 259, 71),
            Label("Logical Address", 433, 326, 55, 12),
            Label("Slice Size", 524, 326, 32, 12),
            Group("Import / Export", 7, 264, 595, 106),
            Label("Start Index", 433, 305, 35, 8),
            Label("Logical Address", 100, 390, 55, 12),
            Label("Logical Address", 99, 413, 55, 12),
            Label("Register Address", 200, 390, 55, 12),
            Label("Register Address", 200, 413, 55, 12),
            Label("Slice Size", 306, 412, 35, 12),
            Label("Data", 390, 392, 22, 10),
            Label("Data", 389, 413, 22, 10),
            Label("DLL", 447, 165, 18, 10),
            Label("ms", 502, 165, 16, 11),
            Label("ms", 581, 166, 13, 11),
            Label("Bridge", 523, 165, 24, 10),
            Group("Model Q7 only", 7, 436, 595, 38),
        },
    };
}

ui::DialogTemplate AboutDialog() {
    ControlTemplate icon{-1, ControlKind::Icon, "", 11, 17, 20, 20, ui::kVisible, IDR_MAINFRAME};
    return {
        IDD_ABOUTBOX, "About Kestrix", 0, 0, 235, 55, "MS Sans Serif", 8,
        ui::kPopup | ui::kCaptionBar | ui::kSystemMenu | ui::kModalFrame | ui::kSetFont,
        {
            icon,
            {-1, ControlKind::Label, "Kestrix Version 1.0", 40, 10, 119, 8, ui::kVisible | ui::kNoPrefix},
            Button(IDOK, "OK", 178, 7, 50, 14, kButtonStyle | ui::kDefaultButton),
        },
    };
}

ui::VersionInfo Version() {
    return {
        {1, 0, 0, 1},
        {1, 0, 0, 1},
        "040904b0",
        {
            {"CompanyName", ""},
            {"FileDescription", "Kestrix MFC Application"},
            {"FileVersion", "1, 0, 0, 1"},
            {"InternalName", "Kestrix"},
            {"LegalTrademarks", ""},
            {"OriginalFilename", "Kestrix.EXE"},
            {"ProductName", "Kestrix Application"},
            {"ProductVersion", "1, 0, 0, 1"},
        },
    };
}

}  // namespace

const ui::ResourceSet& KestrixResources() {
    static const ui::ResourceSet resources{
        {AboutDialog(), MainDialog()},
        {{IDS_ABOUTBOX, "&About Kestrix..."}},
        {KestrixIcon()},
        Version(),
    };
    return resources;
}
