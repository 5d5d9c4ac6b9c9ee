// What the program's resources are made of: dialog templates, strings, icons and the version
// information. The program holds them as constant data in one place; every back end builds its
// windows and pictures from these descriptions, so all back ends show the same dialog.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace ui {

enum class ControlKind { PushButton, CheckBox, Edit, Label, GroupBox, Icon };

// Style flags of a control; a back end honours what it can express.
enum ControlStyle : std::uint32_t {
    kVisible = 1u << 0,
    kDisabled = 1u << 1,
    kTabStop = 1u << 2,
    kBorder = 1u << 3,
    kDefaultButton = 1u << 4,      // push button that Enter presses
    kAutoCheck = 1u << 5,          // check box that ticks and unticks itself when clicked
    kMultiLine = 1u << 6,          // edit box
    kAutoHScroll = 1u << 7,        // edit box scrolls sideways while text is typed
    kAutoVScroll = 1u << 8,        // edit box scrolls down while text grows
    kVScrollBar = 1u << 9,
    kReadOnly = 1u << 10,
    kWantReturn = 1u << 11,        // multi-line edit keeps the Enter key for itself
    kNoPrefix = 1u << 12,          // label shows '&' as it stands
};

// Style flags of a dialog window.
enum DialogStyle : std::uint32_t {
    kPopup = 1u << 0,
    kDialogVisible = 1u << 1,
    kCaptionBar = 1u << 2,
    kSystemMenu = 1u << 3,
    kModalFrame = 1u << 4,
    kSetFont = 1u << 5,
    kAppWindow = 1u << 6,          // extended style: a task-bar button
};

// One control of a template. Positions and sizes are in dialog units of the template's font.
struct ControlTemplate {
    int id;                  // -1 for labels and group boxes, which have no identifier
    ControlKind kind;
    std::string_view caption;
    int x, y, width, height;
    std::uint32_t style;     // ControlStyle bits
    int iconId = 0;          // ControlKind::Icon: the icon resource shown
};

struct DialogTemplate {
    int id;
    std::string_view caption;
    int x, y, width, height;
    std::string_view fontName;
    int fontPointSize;
    std::uint32_t style;     // DialogStyle bits
    std::vector<ControlTemplate> controls;  // template order, which is also the tab order

    const ControlTemplate* FindControl(int controlId) const {
        for (const ControlTemplate& control : controls) {
            if (control.id == controlId) return &control;
        }
        return nullptr;
    }
};

// One picture of an icon: a palette of 16 colours (0xRRGGBB) and one palette index per pixel,
// row by row from the top; index 0 is transparent.
struct IconImage {
    int width, height;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> pixels;
};

struct IconResource {
    int id;
    std::vector<IconImage> images;  // largest first
};

struct StringResource {
    int id;
    std::string_view text;
};

struct VersionInfo {
    int fileVersion[4];
    int productVersion[4];
    std::string_view language;  // e.g. "040904b0": US English, Unicode code page
    std::vector<std::pair<std::string_view, std::string_view>> strings;  // key, value
};

// All resources of a program. Lookups give nullptr (or an empty text) for an unknown id.
struct ResourceSet {
    std::vector<DialogTemplate> dialogs;
    std::vector<StringResource> strings;
    std::vector<IconResource> icons;
    VersionInfo version;

    const DialogTemplate* FindDialog(int id) const {
        for (const DialogTemplate& dialog : dialogs) {
            if (dialog.id == id) return &dialog;
        }
        return nullptr;
    }
    std::string_view FindString(int id) const {
        for (const StringResource& entry : strings) {
            if (entry.id == id) return entry.text;
        }
        return {};
    }
    const IconResource* FindIcon(int id) const {
        for (const IconResource& icon : icons) {
            if (icon.id == id) return &icon;
        }
        return nullptr;
    }
};

}  // namespace ui
