// The window back end: the dialog-framework layer's windows as Qt 6 Widgets dialogs.
//
// Everything runs on the thread that owns the QApplication. Modal loops are QDialog::exec();
// a ModalDriver (the scripted mode) runs from inside that event loop once the dialog is shown,
// so a script acts on the real, visible window.
#pragma once

#include <QApplication>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backend.h"
#include "dialog_window.h"

namespace ui::qt {

class QtBackend : public Backend {
public:
    // Uses the running QApplication, or makes one for as long as the back end lives.
    // `icons` finds the pictures of icon controls by resource id.
    explicit QtBackend(DialogWindow::IconLookup icons);
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

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
    Size SystemIconSize() const override;
    std::unique_ptr<PaintSurface> BeginPaint(WindowHandle dialog) override;

    void SetModalDriver(ModalDriver* driver) override { driver_ = driver; }
    bool Click(WindowHandle dialog, int controlId) override;
    void SendSystemCommand(WindowHandle dialog, unsigned commandId) override;
    void QueueFileDialogAnswer(std::optional<std::string> path) override;
    bool ModalEnded(WindowHandle dialog) const override;

    // Saves a picture of the outermost dialog to `path` (PNG) when its modal loop ends, or at
    // once after it is shown when no driver runs the loop, which then ends.
    void RequestScreenshot(std::string path) { screenshotPath_ = std::move(path); }
    // Whether the requested picture was written; nothing when none was requested or taken.
    std::optional<bool> screenshotWritten() const { return screenshotWritten_; }

    // The Qt dialog of a handle, or nullptr (tests look at the widgets through it).
    DialogWindow* Window(WindowHandle dialog) const;

private:
    void RunDriverOnceExposed(WindowHandle dialog, int attempt);
    void RunDriver(WindowHandle dialog);
    void TakeScreenshot(DialogWindow& window);

    // QApplication keeps a reference to its argument count, so both live here, before it.
    int argumentCount_ = 1;
    char programName_[8] = "kestrix";
    char* arguments_[2] = {programName_, nullptr};
    std::unique_ptr<QApplication> ownApplication_;
    DialogWindow::IconLookup icons_;
    std::map<WindowHandle, std::unique_ptr<DialogWindow>> windows_;
    WindowHandle nextHandle_ = 1;
    std::vector<WindowHandle> modalStack_;
    std::deque<std::optional<std::string>> fileAnswers_;
    ModalDriver* driver_ = nullptr;
    std::optional<std::string> screenshotPath_;
    std::optional<bool> screenshotWritten_;
};

}  // namespace ui::qt
