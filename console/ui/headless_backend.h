// The headless back end: every window and control lives in memory. It records, in order, each
// text set into a control and each immediate repaint, so tests and scripts can see what a person
// would have seen and when; file dialogs take their answers from a queue.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "backend.h"

namespace ui {

class HeadlessBackend : public Backend {
public:
    enum class EventKind {
        SetText,              // controlId, text
        Update,               // controlId: repainted at once
        FileDialog,           // text: "Open" or "Save As"
        SystemMenuSeparator,
        SystemMenuItem,       // controlId: the command, text: the item's text
        DefaultSystemCommand, // controlId: the command passed on to the platform
        SetIcon,              // controlId: 1 big, 0 small
        EraseIconBackground,
        DrawIcon,             // text: "x,y"
    };
    struct Event {
        EventKind kind;
        WindowHandle window;
        int controlId;
        std::string text;
    };

    // Client area of the headless window in pixels, from dialog units with the metrics of the
    // 8-point dialog font (6 x 13 pixels a character).
    static constexpr int kCharWidth = 6;
    static constexpr int kCharHeight = 13;
    static constexpr int kIconSize = 32;

    WindowHandle CreateDialogWindow(const DialogTemplate& dialogTemplate, WindowEvents& events,
                                    WindowHandle owner) override;
    void DestroyDialogWindow(WindowHandle dialog) override;
    bool HasControl(WindowHandle dialog, int controlId) const override;

    void SetControlText(WindowHandle dialog, int controlId, const std::string& text) override;
    std::string GetControlText(WindowHandle dialog, int controlId) const override;
    void SetCheck(WindowHandle dialog, int controlId, int state) override;
    int GetCheck(WindowHandle dialog, int controlId) const override;
    void UpdateControlNow(WindowHandle dialog, int controlId) override;

    int RunModal(WindowHandle dialog) override;
    void EndModal(WindowHandle dialog, int code) override;

    std::optional<std::string> AskFileName(const FileDialogRequest& request) override;

    bool HasSystemMenu(WindowHandle dialog) const override;
    void AppendSystemMenuSeparator(WindowHandle dialog) override;
    void AppendSystemMenuItem(WindowHandle dialog, unsigned commandId, const std::string& text) override;
    void DefaultSystemCommand(WindowHandle dialog, unsigned commandId, long parameter) override;

    void SetWindowIcon(WindowHandle dialog, const IconResource* icon, bool big) override;
    bool IsIconic(WindowHandle dialog) const override;
    Size ClientSize(WindowHandle dialog) const override;
    Size SystemIconSize() const override { return {kIconSize, kIconSize}; }
    std::unique_ptr<PaintSurface> BeginPaint(WindowHandle dialog) override;

    void SetModalDriver(ModalDriver* driver) override { driver_ = driver; }
    bool Click(WindowHandle dialog, int controlId) override;
    void SendSystemCommand(WindowHandle dialog, unsigned commandId) override;
    void QueueFileDialogAnswer(std::optional<std::string> path) override;
    bool ModalEnded(WindowHandle dialog) const override;

    // --- For tests ---
    const std::vector<Event>& events() const { return events_; }
    void ClearEvents() { events_.clear(); }
    // The file dialogs asked for, in order.
    const std::vector<FileDialogRequest>& fileDialogs() const { return fileDialogs_; }
    // The system menu items appended, in order; a separator shows as command 0 and no text.
    struct MenuItem {
        unsigned commandId;
        std::string text;
    };
    std::vector<MenuItem> SystemMenu(WindowHandle dialog) const;
    const IconResource* WindowIcon(WindowHandle dialog, bool big) const;
    // Asks the window for a paint, as the platform does after minimising.
    void Paint(WindowHandle dialog);
    const IconResource* QueryDragIcon(WindowHandle dialog);
    // Dialogs built so far, by template id, including destroyed ones.
    const std::vector<int>& createdDialogs() const { return createdDialogs_; }

private:
    struct Control {
        const ControlTemplate* definition;
        std::string text;
        int check = 0;
    };
    struct Window {
        DialogTemplate definition;
        WindowEvents* events = nullptr;
        std::map<int, Control> controls;
        std::vector<MenuItem> systemMenu;
        const IconResource* bigIcon = nullptr;
        const IconResource* smallIcon = nullptr;
        bool iconic = false;
        std::optional<int> endCode;
    };

    Window* Find(WindowHandle dialog);
    const Window* Find(WindowHandle dialog) const;
    Control* FindControl(WindowHandle dialog, int controlId);
    const Control* FindControl(WindowHandle dialog, int controlId) const;
    void Record(EventKind kind, WindowHandle window, int controlId, std::string text = {});

    std::map<WindowHandle, Window> windows_;
    WindowHandle nextHandle_ = 1;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::vector<FileDialogRequest> fileDialogs_;
    std::vector<Event> events_;
    std::vector<int> createdDialogs_;
    ModalDriver* driver_ = nullptr;

    friend class HeadlessPaintSurface;
};

}  // namespace ui
