// The create wizard as described for both front ends, what each control shows in a state of the
// wizard, and the layout where a text needs more room than designed.
#include "wizard/form2_window.h"

#include <gtest/gtest.h>

#include "tests/support/designed_window.h"
#include "tests/support/stand_in_measure.h"
#include "wizard/create_wizard.h"

namespace tbr {
namespace {

using testing::StandInMeasure;
constexpr int kLocation = static_cast<int>(WizardPage::Location);
constexpr int kName = static_cast<int>(WizardPage::Name);

TEST(Form2Description, ControlsAsDesigned) {
    const testing::DesignedControl rows[] = {
        {"Command1", ControlRole::PushButton, "Next >", {144, 208, 73, 25}, kLocation, 1},
        {"Label1",
         ControlRole::Label,
         "You are about to create a new Tambrel. Where would you like your Tambrel located?",
         {24, 32, 226, 26},
         kLocation,
         0},
        {"Option1", ControlRole::Option, "Windows Desktop", {24, 80, 161, 17}, kLocation, 2},
        {"Option2", ControlRole::Option, "Other Location", {24, 104, 169, 17}, kLocation, 3},
        {"Text1", ControlRole::TextBox, "", {32, 136, 185, 21}, kLocation, 4},
        {"Command3", ControlRole::PushButton, "Browse...", {224, 136, 65, 25}, kLocation, 5},
        {"Label2",
         ControlRole::Label,
         "Please type a name for your Tambrel",
         {24, 16, 201, 25},
         kName,
         0},
        {"Text2", ControlRole::TextBox, "", {24, 40, 265, 21}, kName, 6},
        {"Command4", ControlRole::PushButton, "< Back", {72, 208, 73, 25}, kName, 7},
        {"Command5", ControlRole::PushButton, "Finish", {144, 208, 73, 25}, kName, 8},
        {"Command2", ControlRole::PushButton, "Cancel", {232, 208, 73, 25}, kEveryPage, 9},
    };
    testing::ExpectAsDesigned(kForm2, 314, 242, rows);
    EXPECT_EQ(EnglishText(kForm2.title), "Create Tambrel");
    EXPECT_EQ(kForm2.placement, Placement::SystemDefault);
    const auto at = [](Form2Part part) { return kForm2.controls[static_cast<int>(part)]; };
    EXPECT_EQ(at(Form2Part::Text1).spokenName, MessageId::FolderBoxName);
    const auto labelled = [](Form2Part label) {
        return LabelledControl(kForm2, static_cast<std::size_t>(label));
    };
    EXPECT_EQ(labelled(Form2Part::Label2), static_cast<int>(Form2Part::Text2));
    EXPECT_EQ(labelled(Form2Part::Label1), kNoControl);  // the question names no option
    EXPECT_EQ(labelled(Form2Part::Text1), kNoControl);   // a text box is no label
    EXPECT_TRUE(at(Form2Part::Command1).defaultButton && at(Form2Part::Command5).defaultButton);
}

// What the window shows of the wizard's state, control by control.
TEST(Form2Description, ControlsShowTheWizardsState) {
    WizardState state;
    state.folderText = "C:\\Work";
    state.nameText = "Notes";
    state.desktopSelected = false;
    state.folderBoxEnabled = true;
    state.nextEnabled = false;
    Form2Controls shown = ControlsOf(state);
    const auto at = [&shown](Form2Part part) { return shown[static_cast<std::size_t>(part)]; };
    // Each control shown or not, in the description's order.
    const auto visible = [&shown] {
        std::string flags;
        for (const ControlState& control : shown) {
            flags += control.visible ? '1' : '0';
        }
        return flags;
    };
    EXPECT_EQ(visible(), "11111100001");
    EXPECT_EQ(at(Form2Part::Text1), (ControlState{true, true, false, "C:\\Work"}));
    EXPECT_EQ(at(Form2Part::Option2), (ControlState{true, true, true, std::nullopt}));
    EXPECT_FALSE(at(Form2Part::Option1).checked);
    EXPECT_FALSE(at(Form2Part::Command1).enabled);
    EXPECT_FALSE(at(Form2Part::Command3).enabled);
    EXPECT_FALSE(at(Form2Part::Command5).enabled);
    EXPECT_EQ(at(Form2Part::Text2).text, "Notes");

    state.page = WizardPage::Name;
    state.finishEnabled = true;
    shown = ControlsOf(state);
    EXPECT_EQ(visible(), "00000011111");
    EXPECT_TRUE(at(Form2Part::Command5).enabled);
}

TEST(Form2Layout, LongerTextsGetRoom) {
    const struct {
        const char* what;
        StandInMeasure measure;
        int width, height, optionsTop;
        bool rightToLeft = false;
    } rows[] = {
        {"as designed", StandInMeasure{}, 4710, 3630, 1200},
        // One twip-pixel more than the question's room moves the page down by as much.
        {"question a pixel taller", StandInMeasure{}.tall(Form2Part::Label1, 615), 4710, 3645,
         1215},
        {"second option wider", StandInMeasure{}.wide(Form2Part::Option2, 5000), 360 + 5000 + 375,
         3630, 1200},
        {"right to left", StandInMeasure{}, 4710, 3630, 1200, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const WindowLayout layout = LayOutForm2(row.measure, row.rightToLeft);
        EXPECT_EQ(layout.width, row.width);
        EXPECT_EQ(layout.height, row.height);
        EXPECT_EQ(layout[Form2Part::Option1].top, row.optionsTop);
        EXPECT_EQ(layout[Form2Part::Option2].top, row.optionsTop + 360);
        // The bottom row keeps its margins whatever the window's size, Cancel on the side the
        // window's text ends.
        const LayoutRect& cancel = layout[Form2Part::Command2];
        EXPECT_EQ(row.rightToLeft ? cancel.left : layout.width - cancel.right(), 135);
        EXPECT_EQ(layout[Form2Part::Command2].bottom(), layout.height - 135);
    }
}

}  // namespace
}  // namespace tbr
