// The scripted mode in process: the script driver runs the modal main dialog on the headless
// back end against the fake bridge service.
#include <algorithm>
#include <sstream>

#include "console_fixture.h"
#include "kestrix_resources.h"
#include "script_driver.h"

namespace kestrix_test {
namespace {

class ScriptTest : public ConsoleTest {
protected:
    void SetUp() override {}  // the script's own modal dialog is the one under test

    struct Run {
        std::string output;
        std::string errors;
        bool failed;
        INT_PTR result;
    };
    Run RunScript(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        std::ostringstream err;
        ui::ScriptDriver driver(backend(), in, out, err);
        backend().SetModalDriver(&driver);
        CKestrixDlg dialog;
        theApp.m_pMainWnd = &dialog;
        const INT_PTR result = dialog.DoModal();
        backend().SetModalDriver(nullptr);
        return {out.str(), err.str(), driver.failed(), result};
    }
};

TEST(ScriptText, EscapesInSetAndPrint) {
    EXPECT_EQ(ui::UnescapeScriptText(R"(a\tb\r\nc\\d\qe\)"), "a\tb\r\nc\\d\\qe\\");
    EXPECT_EQ(ui::EscapeForPrint("a\r\nb\\c\td"), R"(a\r\nb\\c)" "\td");
}

TEST_F(ScriptTest, SetClickPrintAndCheckedDriveTheDialog) {
    bridge_.SetDefaultResponse(0, "ok");
    const Run run = RunScript(
        "# comment\n"
        "\n"
        "set 1019 12abc\n"
        "click 1018\n"
        "print 1005\n"
        "checked 1034\n"
        "click 1034\n"
        "checked 1034\n"
        "print 1005\n"
        "set 1043 a\\tb\\\\c\\r\\n\n"
        "print 1043\n"
        "print 1\n");
    EXPECT_EQ(run.output,
              "Play Script ID 12 = 0 Reply [ok]\n"
              "0\n"
              "1\n"
              "Framer Ctrl  1 = 0\n"
              "a\tb\\\\c\\r\\n\n"
              "Exit\n");
    EXPECT_EQ(run.errors, "");
    EXPECT_FALSE(run.failed);
    EXPECT_EQ(run.result, IDOK) << "the end of the script presses Exit";
    EXPECT_EQ(bridge_.commands(), (std::vector<std::string>{"PlayScriptID,016,12", "FramerControl,017,1"}));
}

TEST_F(ScriptTest, FileDialogAnswersAreQueued) {
    const Run run = RunScript(
        "filedialog /tmp/some where/file.scr\n"
        "filedialog cancel\n"
        "click 1032\n"
        "click 1032\n"
        "click 1032\n"
        "print 1014\n");
    EXPECT_EQ(run.output, "/tmp/some where/file.scr\n");
    EXPECT_FALSE(run.failed);
}

TEST_F(ScriptTest, BadLinesAreReportedWithTheirNumberAndTheScriptGoesOn) {
    const Run run = RunScript(
        "bogus\n"           // 1
        "click 9999\n"      // 2
        "click abc\n"       // 3
        "checked 1005\n"    // 4
        "set 1027 x\n"      // 5: read-only box
        "click 1005\n"      // 6: an edit cannot be clicked
        "syscommand x\n"    // 7
        "click 2\n"         // 8: hidden and disabled
        "print 1019\n");    // 9: still runs
    EXPECT_EQ(run.output, "\n");
    EXPECT_EQ(run.errors,
              "kestrix: script line 1: unknown line \"bogus\"\n"
              "kestrix: script line 2: unknown control \"9999\"\n"
              "kestrix: script line 3: unknown control \"abc\"\n"
              "kestrix: script line 4: control 1005 is not a check box\n"
              "kestrix: script line 5: control 1027 is not an edit box one can type into\n"
              "kestrix: script line 6: control 1005 cannot be clicked\n"
              "kestrix: script line 7: bad system command \"x\"\n"
              "kestrix: script line 8: control 2 cannot be clicked\n");
    EXPECT_TRUE(run.failed);
}

TEST_F(ScriptTest, SysCommandSixteenOpensAboutWhichClosesAtOnce) {
    const Run run = RunScript("syscommand 16\nprint 1005\nsyscommand 0x10\n");
    EXPECT_FALSE(run.failed);
    const auto& created = backend().createdDialogs();
    EXPECT_EQ(std::count(created.begin(), created.end(), IDD_ABOUTBOX), 2);
    EXPECT_EQ(run.result, IDOK);
}

TEST_F(ScriptTest, ALineThatEndsTheDialogEndsTheScript) {
    const struct {
        const char* ending;
        INT_PTR result;
    } cases[] = {{"exit", IDOK}, {"click 1", IDOK}, {"syscommand 0xF060", IDCANCEL}};
    for (const auto& c : cases) {
        const Run run = RunScript(std::string("print 1\n") + c.ending + "\nprint 1\nbogus\n");
        EXPECT_EQ(run.output, "Exit\n") << c.ending;
        EXPECT_FALSE(run.failed) << c.ending;
        EXPECT_EQ(run.result, c.result) << c.ending;
    }
}

TEST_F(ScriptTest, ClickingAllFortyFiveControlsGivesAResultAfterEach) {
    bridge_.SetDefaultResponse(0, "1,2,3,4,5,6,7,8,9,10,11,12");
    const ui::DialogTemplate& main = *KestrixResources().FindDialog(IDD_KESTRIX_DIALOG);
    std::string script;
    std::vector<int> clicked;
    for (const auto& control : main.controls) {
        const bool clickable = control.kind == ui::ControlKind::PushButton || control.kind == ui::ControlKind::CheckBox;
        if (!clickable || control.id == IDOK || control.id == IDCANCEL) continue;
        clicked.push_back(control.id);
        const bool picker = control.caption == "...";
        if (picker) script += "filedialog /picked/" + std::to_string(control.id) + "\n";
        script += "set 1005 before " + std::to_string(control.id) + "\n";
        script += "click " + std::to_string(control.id) + "\n";
        script += "print 1005\n";
    }
    ASSERT_EQ(clicked.size(), 45u);

    const Run run = RunScript(script);
    EXPECT_EQ(run.errors, "");
    std::istringstream lines(run.output);
    std::string line;
    std::size_t pickers = 0;
    for (const int id : clicked) {
        ASSERT_TRUE(std::getline(lines, line)) << id;
        const bool unchanged = line == "before " + std::to_string(id);
        const bool progressOnly = line.size() >= 4 && line.compare(line.size() - 4, 4, "....") == 0;
        if (main.FindControl(id)->caption == "...") {
            ++pickers;
            EXPECT_TRUE(unchanged) << "a picker leaves the log: " << line;
        } else {
            EXPECT_FALSE(unchanged || progressOnly || line.empty()) << id << ": " << line;
        }
    }
    EXPECT_EQ(pickers, 8u);
    EXPECT_EQ(bridge_.commands().size(), 45u - 8u - 1u) << "every command handler but DLL VER sends one";
}

}  // namespace
}  // namespace kestrix_test
