// The "..." buttons: which file dialog each asks for, and what the answer does to its edit.
#include "console_fixture.h"

namespace kestrix_test {
namespace {

struct PickerCase {
    int picker;
    int edit;
    bool openDialog;
};

const PickerCase kPickers[] = {
    {1030, 1008, false}, {1031, 1012, false}, {1032, 1014, false}, {1033, 1010, false},
    {1072, 1071, true},  {1046, 1025, false}, {1039, 1022, false}, {1045, 1024, false},
};

TEST_F(ConsoleTest, PickersAskTheirDialogAndPutTheChosenPathIntoTheirEdit) {
    for (const auto& c : kPickers) {
        SCOPED_TRACE(c.picker);
        Set(kLog, "log text");
        backend().ClearEvents();
        const std::string path = "/home/user/files/chosen " + std::to_string(c.picker) + ".txt";
        backend().QueueFileDialogAnswer(path);
        Click(c.picker);

        ASSERT_FALSE(backend().fileDialogs().empty());
        const ui::FileDialogRequest& request = backend().fileDialogs().back();
        EXPECT_EQ(request.openDialog, c.openDialog);
        EXPECT_EQ(request.defaultExtension, "*.*");
        EXPECT_EQ(request.initialFileName, "");
        EXPECT_FALSE(request.overwritePrompt);
        EXPECT_EQ(request.filter, "");
        EXPECT_EQ(request.owner, hwnd()) << "the main window owns the dialog";

        EXPECT_EQ(Text(c.edit), path);
        EXPECT_EQ(ControlsWritten(), std::vector<int>{c.edit}) << "the log is not touched";
        EXPECT_EQ(backend().events().back().kind, ui::HeadlessBackend::EventKind::Update);
        EXPECT_EQ(backend().events().back().controlId, c.edit);
        EXPECT_TRUE(bridge_.commands().empty());
    }
}

TEST_F(ConsoleTest, ACancelledPickerLeavesItsEditAsItWas) {
    for (const auto& c : kPickers) {
        for (const char* earlier : {"earlier.txt", ""}) {
            Set(c.edit, earlier);
            backend().ClearEvents();
            backend().QueueFileDialogAnswer(std::nullopt);
            Click(c.picker);
            Click(c.picker);  // nothing queued: cancelled as well
            EXPECT_EQ(Text(c.edit), earlier);
            EXPECT_TRUE(ControlsWritten().empty());
        }
    }
}

}  // namespace
}  // namespace kestrix_test
