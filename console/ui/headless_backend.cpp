#include "headless_backend.h"

#include <utility>

#include "win_types.h"

namespace ui {

class HeadlessPaintSurface : public PaintSurface {
public:
    HeadlessPaintSurface(HeadlessBackend& backend, WindowHandle window)
        : backend_(backend), window_(window) {}
    void EraseIconBackground() override {
        backend_.Record(HeadlessBackend::EventKind::EraseIconBackground, window_, 0);
    }
    void DrawIcon(int x, int y, const IconResource& /*icon*/) override {
        backend_.Record(HeadlessBackend::EventKind::DrawIcon, window_, 0,
                        std::to_string(x) + "," + std::to_string(y));
    }

private:
    HeadlessBackend& backend_;
    WindowHandle window_;
};

WindowHandle HeadlessBackend::CreateDialogWindow(const DialogTemplate& dialogTemplate,
                                                 WindowEvents& events, WindowHandle /*owner*/) {
    const WindowHandle handle = nextHandle_++;
    Window& window = windows_[handle];
    window.definition = dialogTemplate;
    window.events = &events;
    for (const ControlTemplate& control : window.definition.controls) {
        if (control.id < 0) continue;
        const bool hasCaption = control.kind != ControlKind::Edit;
        window.controls[control.id] = Control{&control, hasCaption ? std::string(control.caption) : ""};
    }
    createdDialogs_.push_back(dialogTemplate.id);
    return handle;
}

void HeadlessBackend::DestroyDialogWindow(WindowHandle dialog) { windows_.erase(dialog); }

bool HeadlessBackend::HasControl(WindowHandle dialog, int controlId) const {
    return FindControl(dialog, controlId) != nullptr;
}

void HeadlessBackend::SetControlText(WindowHandle dialog, int controlId, const std::string& text) {
    Control* control = FindControl(dialog, controlId);
    if (control == nullptr) return;
    control->text = text;
    Record(EventKind::SetText, dialog, controlId, text);
}

std::string HeadlessBackend::GetControlText(WindowHandle dialog, int controlId) const {
    const Control* control = FindControl(dialog, controlId);
    return control != nullptr ? control->text : std::string();
}

void HeadlessBackend::SetCheck(WindowHandle dialog, int controlId, int state) {
    if (Control* control = FindControl(dialog, controlId)) control->check = state != 0 ? 1 : 0;
}

int HeadlessBackend::GetCheck(WindowHandle dialog, int controlId) const {
    const Control* control = FindControl(dialog, controlId);
    return control != nullptr ? control->check : 0;
}

void HeadlessBackend::UpdateControlNow(WindowHandle dialog, int controlId) {
    Record(EventKind::Update, dialog, controlId);
}

int HeadlessBackend::RunModal(WindowHandle dialog) {
    Window* window = Find(dialog);
    if (window == nullptr) return IDCANCEL;
    window->endCode.reset();
    // Without a driver nobody can use a headless dialog: it ends at once as if cancelled.
    if (driver_ != nullptr) driver_->RunModalLoop(dialog, window->definition);
    window = Find(dialog);
    if (window == nullptr) return IDCANCEL;
    const int code = window->endCode.value_or(IDCANCEL);
    window->endCode.reset();
    return code;
}

void HeadlessBackend::EndModal(WindowHandle dialog, int code) {
    if (Window* window = Find(dialog)) window->endCode = code;
}

bool HeadlessBackend::ModalEnded(WindowHandle dialog) const {
    const Window* window = Find(dialog);
    return window == nullptr || window->endCode.has_value();
}

std::optional<std::string> HeadlessBackend::AskFileName(const FileDialogRequest& request) {
    fileDialogs_.push_back(request);
    Record(EventKind::FileDialog, request.owner, 0, request.openDialog ? "Open" : "Save As");
    if (fileAnswers_.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    return answer;
}

bool HeadlessBackend::HasSystemMenu(WindowHandle dialog) const {
    const Window* window = Find(dialog);
    return window != nullptr && (window->definition.style & kSystemMenu) != 0;
}

void HeadlessBackend::AppendSystemMenuSeparator(WindowHandle dialog) {
    if (Window* window = Find(dialog)) window->systemMenu.push_back({0, {}});
    Record(EventKind::SystemMenuSeparator, dialog, 0);
}

void HeadlessBackend::AppendSystemMenuItem(WindowHandle dialog, unsigned commandId, const std::string& text) {
    if (Window* window = Find(dialog)) window->systemMenu.push_back({commandId, text});
    Record(EventKind::SystemMenuItem, dialog, static_cast<int>(commandId), text);
}

void HeadlessBackend::DefaultSystemCommand(WindowHandle dialog, unsigned commandId, long /*parameter*/) {
    Record(EventKind::DefaultSystemCommand, dialog, static_cast<int>(commandId));
    Window* window = Find(dialog);
    if (window == nullptr) return;
    switch (commandId & 0xFFF0u) {
        case SC_CLOSE:
            window->events->OnControlClicked(IDCANCEL);  // a dialog closes like Cancel
            break;
        case SC_MINIMIZE:
            window->iconic = true;
            window->events->OnPaintRequest();
            break;
        case SC_RESTORE:
            window->iconic = false;
            break;
        default:
            break;  // moving and sizing have nothing to do without a screen
    }
}

void HeadlessBackend::SetWindowIcon(WindowHandle dialog, const IconResource* icon, bool big) {
    if (Window* window = Find(dialog)) (big ? window->bigIcon : window->smallIcon) = icon;
    Record(EventKind::SetIcon, dialog, big ? 1 : 0);
}

bool HeadlessBackend::IsIconic(WindowHandle dialog) const {
    const Window* window = Find(dialog);
    return window != nullptr && window->iconic;
}

Size HeadlessBackend::ClientSize(WindowHandle dialog) const {
    const Window* window = Find(dialog);
    if (window == nullptr) return {};
    return {window->definition.width * kCharWidth / 4, window->definition.height * kCharHeight / 8};
}

std::unique_ptr<PaintSurface> HeadlessBackend::BeginPaint(WindowHandle dialog) {
    return std::make_unique<HeadlessPaintSurface>(*this, dialog);
}

bool HeadlessBackend::Click(WindowHandle dialog, int controlId) {
    Window* window = Find(dialog);
    Control* control = FindControl(dialog, controlId);
    if (window == nullptr || control == nullptr) return false;
    const ControlTemplate& definition = *control->definition;
    if (definition.kind != ControlKind::PushButton && definition.kind != ControlKind::CheckBox) return false;
    if ((definition.style & kVisible) == 0 || (definition.style & kDisabled) != 0) return false;
    if (definition.kind == ControlKind::CheckBox && (definition.style & kAutoCheck) != 0) {
        control->check = control->check != 0 ? 0 : 1;
    }
    window->events->OnControlClicked(controlId);
    return true;
}

void HeadlessBackend::SendSystemCommand(WindowHandle dialog, unsigned commandId) {
    if (Window* window = Find(dialog)) window->events->OnSystemCommand(commandId, 0);
}

void HeadlessBackend::QueueFileDialogAnswer(std::optional<std::string> path) {
    fileAnswers_.push_back(std::move(path));
}

std::vector<HeadlessBackend::MenuItem> HeadlessBackend::SystemMenu(WindowHandle dialog) const {
    const Window* window = Find(dialog);
    return window != nullptr ? window->systemMenu : std::vector<MenuItem>{};
}

const IconResource* HeadlessBackend::WindowIcon(WindowHandle dialog, bool big) const {
    const Window* window = Find(dialog);
    if (window == nullptr) return nullptr;
    return big ? window->bigIcon : window->smallIcon;
}

void HeadlessBackend::Paint(WindowHandle dialog) {
    if (Window* window = Find(dialog)) window->events->OnPaintRequest();
}

const IconResource* HeadlessBackend::QueryDragIcon(WindowHandle dialog) {
    Window* window = Find(dialog);
    return window != nullptr ? window->events->OnQueryDragIcon() : nullptr;
}

HeadlessBackend::Window* HeadlessBackend::Find(WindowHandle dialog) {
    auto found = windows_.find(dialog);
    return found != windows_.end() ? &found->second : nullptr;
}

const HeadlessBackend::Window* HeadlessBackend::Find(WindowHandle dialog) const {
    auto found = windows_.find(dialog);
    return found != windows_.end() ? &found->second : nullptr;
}

HeadlessBackend::Control* HeadlessBackend::FindControl(WindowHandle dialog, int controlId) {
    Window* window = Find(dialog);
    if (window == nullptr) return nullptr;
    auto found = window->controls.find(controlId);
    return found != window->controls.end() ? &found->second : nullptr;
}

const HeadlessBackend::Control* HeadlessBackend::FindControl(WindowHandle dialog, int controlId) const {
    const Window* window = Find(dialog);
    if (window == nullptr) return nullptr;
    auto found = window->controls.find(controlId);
    return found != window->controls.end() ? &found->second : nullptr;
}

void HeadlessBackend::Record(EventKind kind, WindowHandle window, int controlId, std::string text) {
    events_.push_back(Event{kind, window, controlId, std::move(text)});
}

}  // namespace ui
