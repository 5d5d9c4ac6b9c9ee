// The shell of the console: start-up, the system menu and About box, icons and painting while
// minimised, the reply buffer at start, and the resources every back end builds from.
#include <algorithm>
#include <cstring>

#include "console_fixture.h"
#include "kestrix_resources.h"
#include "result_line.h"

namespace kestrix_test {
namespace {

int AboutBoxesOpened(const ui::HeadlessBackend& backend) {
    const auto& created = backend.createdDialogs();
    return static_cast<int>(std::count(created.begin(), created.end(), IDD_ABOUTBOX));
}

TEST_F(ConsoleTest, SystemCommandsSixteenToThirtyOneOpenAboutAndTheRestPassOn) {
    const struct {
        unsigned command;
        bool about;
    } cases[] = {
        {16, true},          {17, true},         {31, true},           {0x10010, true},  // only the low 16 bits
        {15, false},         {32, false},        {SC_MOVE, false},     {SC_SIZE, false},
        {SC_MAXIMIZE, false}, {SC_RESTORE, false}, {SC_MINIMIZE, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const int aboutBefore = AboutBoxesOpened(backend());
        backend().ClearEvents();
        backend().SendSystemCommand(hwnd(), c.command);
        EXPECT_EQ(AboutBoxesOpened(backend()) - aboutBefore, c.about ? 1 : 0);
        const bool passedOn = !backend().events().empty() &&
                              backend().events().front().kind == ui::HeadlessBackend::EventKind::DefaultSystemCommand &&
                              backend().events().front().controlId == static_cast<int>(c.command);
        EXPECT_EQ(passedOn, !c.about);
    }
}

TEST_F(ConsoleTest, ClosingFromTheSystemMenuEndsTheDialogAsCancel) {
    struct ExitDriver : ui::ModalDriver {
        ui::Backend* backend;
        void RunModalLoop(ui::WindowHandle dialog, const ui::DialogTemplate&) override {
            backend->SendSystemCommand(dialog, SC_CLOSE);
        }
    } driver;
    driver.backend = &backend();
    backend().SetModalDriver(&driver);
    CKestrixDlg modal;
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    backend().SetModalDriver(nullptr);
}

TEST_F(ConsoleTest, TheAboutItemFollowsASeparatorAtTheEndOfTheSystemMenu) {
    const auto menu = backend().SystemMenu(hwnd());
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].commandId, 0u);  // separator
    EXPECT_EQ(menu[1].commandId, IDM_ABOUTBOX);
    EXPECT_EQ(menu[1].text, "&About Kestrix...");
}

TEST_F(ConsoleTest, WithoutAnAboutStringTheSystemMenuGetsNothing) {
    ui::ResourceSet withoutString = KestrixResources();
    withoutString.strings.clear();
    theApp.SetResources(withoutString);
    OpenDialog();
    theApp.SetResources(KestrixResources());
    EXPECT_TRUE(backend().SystemMenu(hwnd()).empty());
}

TEST_F(ConsoleTest, TheReplyBufferIsEmptyAtStartAndShowsAsNothing) {
    CKestrixDlg fresh;
    std::memset(fresh.m_reply, 'x', sizeof fresh.m_reply);  // whatever the constructor left
    ASSERT_TRUE(fresh.Create());
    EXPECT_STREQ(fresh.m_reply, "");
    EXPECT_STREQ(dialog_->m_reply, "");

    bridge_.Respond(0);  // success, no reply file: the line shows the empty buffer
    Click(IDC_BUTTON_RESET);
    EXPECT_EQ(Text(kLog), "BridgeReset = 0 Reply []");
}

TEST_F(ConsoleTest, ControlsStartEmptyAndUnticked) {
    for (const auto& control : KestrixResources().FindDialog(IDD_KESTRIX_DIALOG)->controls) {
        if (control.kind == ui::ControlKind::Edit) {
            EXPECT_EQ(Text(control.id), "") << control.id;
        }
        if (control.kind == ui::ControlKind::CheckBox) {
            EXPECT_FALSE(Checked(control.id)) << control.id;
        }
    }
}

TEST_F(ConsoleTest, BothIconsAreIcon128AndItServesAsTheDragIcon) {
    const HICON icon = theApp.LoadIcon(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(backend().WindowIcon(hwnd(), true), icon);
    EXPECT_EQ(backend().WindowIcon(hwnd(), false), icon);
    EXPECT_EQ(backend().QueryDragIcon(hwnd()), icon);
}

TEST_F(ConsoleTest, MinimisedTheIconIsDrawnCentredOnAnErasedBackground) {
    backend().ClearEvents();
    backend().Paint(hwnd());  // not minimised: the back end paints, the program draws nothing
    EXPECT_TRUE(backend().events().empty());

    backend().SendSystemCommand(hwnd(), SC_MINIMIZE);
    using Kind = ui::HeadlessBackend::EventKind;
    std::vector<ui::HeadlessBackend::Event> drawing;
    for (const auto& event : backend().events()) {
        if (event.kind == Kind::EraseIconBackground || event.kind == Kind::DrawIcon) drawing.push_back(event);
    }
    const ui::Size client = backend().ClientSize(hwnd());
    const int icon = ui::HeadlessBackend::kIconSize;
    ASSERT_EQ(drawing.size(), 2u);
    EXPECT_EQ(drawing[0].kind, Kind::EraseIconBackground);
    EXPECT_EQ(drawing[1].text, std::to_string((client.width - icon + 1) / 2) + "," +
                                   std::to_string((client.height - icon + 1) / 2));
}

TEST_F(ConsoleTest, InitInstanceRunsTheMainDialogModallyAndEndsTheProgram) {
    struct ExitDriver : ui::ModalDriver {
        ui::Backend* backend;
        CWnd* mainWindowDuringLoop = nullptr;
        void RunModalLoop(ui::WindowHandle dialog, const ui::DialogTemplate& dialogTemplate) override {
            EXPECT_EQ(dialogTemplate.id, IDD_KESTRIX_DIALOG);
            mainWindowDuringLoop = theApp.m_pMainWnd;
            backend->Click(dialog, IDOK);
        }
    } driver;
    driver.backend = &backend();
    backend().SetModalDriver(&driver);
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    backend().SetModalDriver(nullptr);
    EXPECT_NE(driver.mainWindowDuringLoop, nullptr);
    EXPECT_TRUE(bridge_.commands().empty()) << "start and exit send nothing";
}

TEST(Resources, TemplatesHoldEveryControl) {
    const ui::ResourceSet& resources = KestrixResources();
    const ui::DialogTemplate* main = resources.FindDialog(IDD_KESTRIX_DIALOG);
    const ui::DialogTemplate* about = resources.FindDialog(IDD_ABOUTBOX);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(main->controls.size(), 103u);
    EXPECT_EQ(about->controls.size(), 3u);
    EXPECT_EQ(main->caption, "Kestrix ver 1.9 (30/03/2015)");
    EXPECT_EQ(about->caption, "About Kestrix");

    std::vector<int> ids;
    for (const auto& control : main->controls) {
        if (control.id >= 0) ids.push_back(control.id);
    }
    std::vector<int> sorted = ids;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "identifiers are unique";

    const ui::ControlTemplate* cancel = main->FindControl(IDCANCEL);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->style & (ui::kVisible | ui::kDisabled), ui::kDisabled) << "hidden and disabled";
    for (int readOnly : {1027, 1028, 1029, 1059}) {
        EXPECT_NE(main->FindControl(readOnly)->style & ui::kReadOnly, 0u) << readOnly;
    }
}

TEST(Resources, Icon128HasTwoSixteenColourPictures) {
    const ui::IconResource* icon = KestrixResources().FindIcon(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(icon->images.size(), 2u);
    const int sizes[] = {32, 16};
    for (std::size_t i = 0; i < 2; ++i) {
        const ui::IconImage& image = icon->images[i];
        EXPECT_EQ(image.width, sizes[i]);
        EXPECT_EQ(image.height, sizes[i]);
        EXPECT_EQ(image.palette.size(), 16u);
        ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(sizes[i] * sizes[i]));
        EXPECT_TRUE(std::all_of(image.pixels.begin(), image.pixels.end(), [](auto p) { return p < 16; }));
    }
}

TEST(ResultLine, CodesMinusOneToMinusNineAreNamedTheRestUnnamed) {
    EXPECT_STREQ(g_resultCodeNames[0], "KOV_OK");
    const struct {
        int code;
        const char* line;
    } cases[] = {
        {-1, "Op - Error code -1 [KOV_BRIDGE_NOT_FOUND]"},
        {-7, "Op - Error code -7 [KOV_INVALID_VALUE]"},
        {-9, "Op - Error code -9 [KOV_ERROR_LAST]"},
        {-10, "Op - Error code -10 [Unknown error]"},
        {-11, "Op - Error code -11 [Unknown error]"},
        {-2147483647 - 1, "Op - Error code -2147483648 [Unknown error]"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatErrorLine("Op", c.code).str(), c.line);
}

}  // namespace
}  // namespace kestrix_test
