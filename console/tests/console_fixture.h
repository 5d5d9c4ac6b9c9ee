// A main dialog on the headless back end, talking to the library's scripted fake bridge
// service. Tests click controls through the back end, as a person would, and read the texts
// and the recorded order of texts and repaints.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fake_bridge_service.h"
#include "headless_backend.h"
#include "kestrix_app.h"
#include "kestrix_dlg.h"

namespace kestrix_test {

constexpr int kLog = IDC_EDIT_LOG;

using Inputs = std::vector<std::pair<int, std::string>>;

class ConsoleTest : public ::testing::Test {
protected:
    ConsoleTest() {
        auto backend = std::make_unique<ui::HeadlessBackend>();
        backend_ = backend.get();
        theApp.SetBackend(std::move(backend));
    }
    ~ConsoleTest() override {
        dialog_.reset();
        theApp.m_pMainWnd = nullptr;
        theApp.ReleaseBackend();
    }

    void OpenDialog() {
        theApp.m_pMainWnd = nullptr;
        dialog_ = std::make_unique<CKestrixDlg>();
        ASSERT_TRUE(dialog_->Create());
        theApp.m_pMainWnd = dialog_.get();
    }
    void SetUp() override { OpenDialog(); }

    ui::WindowHandle hwnd() const { return dialog_->GetSafeHwnd(); }
    ui::HeadlessBackend& backend() { return *backend_; }
    void Click(int id) { ASSERT_TRUE(backend_->Click(hwnd(), id)) << "control " << id; }
    void Set(int id, const std::string& text) { backend_->SetControlText(hwnd(), id, text); }
    void Set(const Inputs& inputs) {
        for (const auto& [id, text] : inputs) Set(id, text);
    }
    std::string Text(int id) const { return backend_->GetControlText(hwnd(), id); }
    bool Checked(int id) const { return backend_->GetCheck(hwnd(), id) != 0; }

    // Identifiers of the controls whose text was set since the events were last cleared.
    std::vector<int> ControlsWritten() const {
        std::vector<int> ids;
        for (const auto& event : backend_->events()) {
            if (event.kind == ui::HeadlessBackend::EventKind::SetText) ids.push_back(event.controlId);
        }
        return ids;
    }

    vantrel::testing::FakeBridgeService bridge_;
    ui::HeadlessBackend* backend_ = nullptr;
    std::unique_ptr<CKestrixDlg> dialog_;
};

}  // namespace kestrix_test
