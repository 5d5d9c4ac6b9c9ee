#include "qt_backend.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QPixmap>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "file_dialog.h"
#include "icon_conversion.h"
#include "win_types.h"

namespace ui::qt {

namespace {

// Qt offers no drawing into a minimised window's place: painting then goes nowhere.
class MinimisedPaintSurface : public PaintSurface {
public:
    void EraseIconBackground() override {}
    void DrawIcon(int /*x*/, int /*y*/, const IconResource& /*icon*/) override {}
};

}  // namespace

QtBackend::QtBackend(DialogWindow::IconLookup icons) : icons_(std::move(icons)) {
    if (QApplication::instance() == nullptr) {
        ownApplication_ = std::make_unique<QApplication>(argumentCount_, arguments_);
    }
    // The program ends when its dialog's modal loop does, not when Qt sees no window left.
    QApplication::setQuitOnLastWindowClosed(false);
}

QtBackend::~QtBackend() {
    // Owned dialogs are Qt children of their owner: destroy the newest first.
    while (!windows_.empty()) windows_.erase(std::prev(windows_.end()));
}

DialogWindow* QtBackend::Window(WindowHandle dialog) const {
    const auto found = windows_.find(dialog);
    return found != windows_.end() ? found->second.get() : nullptr;
}

WindowHandle QtBackend::CreateDialogWindow(const DialogTemplate& dialogTemplate, WindowEvents& events,
                                           WindowHandle owner) {
    const WindowHandle handle = nextHandle_++;
    windows_[handle] = std::make_unique<DialogWindow>(dialogTemplate, events, icons_, Window(owner));
    return handle;
}

void QtBackend::DestroyDialogWindow(WindowHandle dialog) { windows_.erase(dialog); }

bool QtBackend::HasControl(WindowHandle dialog, int controlId) const {
    const DialogWindow* window = Window(dialog);
    return window != nullptr && controlId > 0 && window->ControlDefinition(controlId) != nullptr;
}

void QtBackend::SetControlText(WindowHandle dialog, int controlId, const std::string& text) {
    if (DialogWindow* window = Window(dialog)) window->SetText(controlId, text);
}

std::string QtBackend::GetControlText(WindowHandle dialog, int controlId) const {
    const DialogWindow* window = Window(dialog);
    return window != nullptr ? window->Text(controlId) : std::string();
}

void QtBackend::SetCheck(WindowHandle dialog, int controlId, int state) {
    const DialogWindow* window = Window(dialog);
    if (window == nullptr) return;
    if (auto* box = qobject_cast<QCheckBox*>(window->Control(controlId))) box->setChecked(state != 0);
}

int QtBackend::GetCheck(WindowHandle dialog, int controlId) const {
    const DialogWindow* window = Window(dialog);
    if (window == nullptr) return 0;
    const auto* box = qobject_cast<QCheckBox*>(window->Control(controlId));
    return box != nullptr && box->isChecked() ? 1 : 0;
}

void QtBackend::UpdateControlNow(WindowHandle dialog, int controlId) {
    const DialogWindow* window = Window(dialog);
    QWidget* widget = window != nullptr ? window->Control(controlId) : nullptr;
    if (widget == nullptr) return;
    // repaint() paints into the window's backing store and flushes it to the screen before it
    // returns; no event is handled meanwhile, so the caller may block right after.
    if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(widget)) scrollArea->viewport()->repaint();
    widget->repaint();
}

int QtBackend::RunModal(WindowHandle dialog) {
    DialogWindow* window = Window(dialog);
    if (window == nullptr) return IDCANCEL;
    window->setModalEnded(false);
    const bool outermost = modalStack_.empty();
    modalStack_.push_back(dialog);
    if (driver_ != nullptr) {
        RunDriverOnceExposed(dialog, 0);
    } else if (outermost && screenshotPath_) {
        QTimer::singleShot(0, window, [this, dialog] { EndModal(dialog, IDCANCEL); });
    }
    const int code = window->exec();
    modalStack_.pop_back();
    return code;
}

void QtBackend::RunDriverOnceExposed(WindowHandle dialog, int attempt) {
    // The driver acts as a person would, on a window that is on screen: until the window
    // system has exposed it, an immediate repaint would show nothing. Look again every 10 ms,
    // for two seconds at most (a window that is never exposed is driven all the same).
    constexpr int kAttempts = 200;
    constexpr int kIntervalMs = 10;
    DialogWindow* window = Window(dialog);
    if (window == nullptr) return;
    QTimer::singleShot(attempt == 0 ? 0 : kIntervalMs, window, [this, dialog, attempt, window] {
        const QWindow* handle = window->windowHandle();
        if (handle == nullptr || handle->isExposed() || attempt >= kAttempts) {
            RunDriver(dialog);
        } else {
            RunDriverOnceExposed(dialog, attempt + 1);
        }
    });
}

void QtBackend::RunDriver(WindowHandle dialog) {
    DialogWindow* window = Window(dialog);
    if (window == nullptr || driver_ == nullptr) return;
    driver_->RunModalLoop(dialog, window->definition());
    // A driver ends the dialog before it returns; should one not, the loop must still end.
    window = Window(dialog);
    if (window != nullptr && !window->modalEnded()) EndModal(dialog, IDCANCEL);
}

void QtBackend::EndModal(WindowHandle dialog, int code) {
    DialogWindow* window = Window(dialog);
    if (window == nullptr) return;
    if (screenshotPath_ && !modalStack_.empty() && modalStack_.front() == dialog) TakeScreenshot(*window);
    window->setModalEnded(true);
    window->done(code);
}

bool QtBackend::ModalEnded(WindowHandle dialog) const {
    const DialogWindow* window = Window(dialog);
    return window == nullptr || window->modalEnded();
}

void QtBackend::TakeScreenshot(DialogWindow& window) {
    const QString path = QString::fromUtf8(screenshotPath_->c_str());
    screenshotWritten_ = window.grab().save(path, "PNG");
    if (!*screenshotWritten_) std::fprintf(stderr, "kestrix: cannot write the screenshot \"%s\"\n", screenshotPath_->c_str());
    screenshotPath_.reset();
}

std::optional<std::string> QtBackend::AskFileName(const FileDialogRequest& request) {
    if (driver_ != nullptr) {
        // Scripted: the answer comes from the queue; with none queued the dialog is cancelled.
        if (fileAnswers_.empty()) return std::nullopt;
        std::optional<std::string> answer = std::move(fileAnswers_.front());
        fileAnswers_.pop_front();
        return answer;
    }
    return RunFileDialog(request, Window(request.owner));
}

bool QtBackend::HasSystemMenu(WindowHandle dialog) const {
    const DialogWindow* window = Window(dialog);
    return window != nullptr && window->HasSystemMenu();
}

void QtBackend::AppendSystemMenuSeparator(WindowHandle dialog) {
    if (DialogWindow* window = Window(dialog)) window->AppendMenuSeparator();
}

void QtBackend::AppendSystemMenuItem(WindowHandle dialog, unsigned commandId, const std::string& text) {
    if (DialogWindow* window = Window(dialog)) window->AppendMenuItem(commandId, text);
}

void QtBackend::DefaultSystemCommand(WindowHandle dialog, unsigned commandId, long /*parameter*/) {
    DialogWindow* window = Window(dialog);
    if (window == nullptr) return;
    switch (commandId & 0xFFF0u) {
        case SC_CLOSE:
            window->events().OnControlClicked(IDCANCEL);  // a dialog closes like Cancel
            break;
        case SC_MINIMIZE:
            window->showMinimized();
            break;
        case SC_RESTORE:
            window->showNormal();
            break;
        default:
            break;  // moving and sizing are the window manager's; the dialog has no maximise box
    }
}

void QtBackend::SetWindowIcon(WindowHandle dialog, const IconResource* icon, bool /*big*/) {
    // Qt keeps one icon with every picture and lets the window system pick the size it shows,
    // so the big and the small icon are the same call.
    if (DialogWindow* window = Window(dialog)) window->setWindowIcon(icon != nullptr ? ToIcon(*icon) : QIcon());
}

bool QtBackend::IsIconic(WindowHandle dialog) const {
    const DialogWindow* window = Window(dialog);
    return window != nullptr && window->isMinimized();
}

Size QtBackend::ClientSize(WindowHandle dialog) const {
    const DialogWindow* window = Window(dialog);
    return window != nullptr ? Size{window->width(), window->height()} : Size{};
}

Size QtBackend::SystemIconSize() const {
    const int size = QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize);
    return {size, size};
}

std::unique_ptr<PaintSurface> QtBackend::BeginPaint(WindowHandle /*dialog*/) {
    return std::make_unique<MinimisedPaintSurface>();
}

bool QtBackend::Click(WindowHandle dialog, int controlId) {
    const DialogWindow* window = Window(dialog);
    const ControlTemplate* control = window != nullptr ? window->ControlDefinition(controlId) : nullptr;
    if (control == nullptr) return false;
    if (control->kind != ControlKind::PushButton && control->kind != ControlKind::CheckBox) return false;
    auto* button = qobject_cast<QAbstractButton*>(window->Control(controlId));
    if (button == nullptr || button->isHidden() || !button->isEnabled()) return false;
    button->click();  // as a person's click: a check box toggles, then clicked() reaches the dialog
    return true;
}

void QtBackend::SendSystemCommand(WindowHandle dialog, unsigned commandId) {
    if (DialogWindow* window = Window(dialog)) window->events().OnSystemCommand(commandId, 0);
}

void QtBackend::QueueFileDialogAnswer(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }

}  // namespace ui::qt
