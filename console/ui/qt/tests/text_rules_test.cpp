// How captions and file filters of the program's resources become Qt texts.
#include <gtest/gtest.h>

#include "dialog_metrics.h"
#include "file_dialog.h"

namespace {

TEST(DisplayedCaption, LabelsAndGroupBoxesDropTheMnemonicMarkUnlessTheyShowItAsItStands) {
    using ui::ControlKind;
    const struct {
        ControlKind kind;
        const char* caption;
        std::uint32_t style;
        const char* shown;
    } cases[] = {
        {ControlKind::Label, "&About Kestrix...", ui::kVisible, "About Kestrix..."},
        {ControlKind::Label, "Save && Load", ui::kVisible, "Save & Load"},
        {ControlKind::Label, "trailing &", ui::kVisible, "trailing &"},
        {ControlKind::Label, "Kestrix && Co &1.0", ui::kVisible | ui::kNoPrefix, "Kestrix && Co &1.0"},
        {ControlKind::GroupBox, "&Status", ui::kVisible, "Status"},
        {ControlKind::PushButton, "&Open", ui::kVisible, "&Open"},  // Qt underlines it itself
        {ControlKind::Label, "Payload  (separate every decimal value with a ',' )", ui::kVisible,
         "Payload  (separate every decimal value with a ',' )"},
    };
    for (const auto& row : cases) {
        const ui::ControlTemplate control{-1, row.kind, row.caption, 0, 0, 10, 10, row.style};
        EXPECT_EQ(ui::qt::DisplayedCaption(control).toStdString(), row.shown) << row.caption;
    }
}

TEST(NameFilters, PipeSeparatedPairsBecomeQtFilters) {
    const struct {
        const char* filter;
        QStringList expected;
    } cases[] = {
        {"", {}},
        {"All files (*.*)|*.*||", {QStringLiteral("All files (*.*) (*.*)")}},
        {"Scripts|*.txt;*.scr|All|*.*|",
         {QStringLiteral("Scripts (*.txt *.scr)"), QStringLiteral("All (*.*)")}},
        {"Dangling description", {}},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(ui::qt::ToNameFilters(row.filter), row.expected) << row.filter;
    }
}

}  // namespace
