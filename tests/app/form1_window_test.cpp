// The main window as described for both front ends, and its layout where a text needs more room
// than designed.
#include "app/form1_window.h"

#include <gtest/gtest.h>

#include "tests/support/stand_in_measure.h"

namespace tbr {
namespace {

// Each control as the window was designed: in pixels at 96 DPI (15 twips each), in tab order
// (0: takes no focus).
TEST(Form1Description, ControlsAsDesigned) {
    const struct {
        const char* name;
        ControlRole role;
        const char* caption;
        LayoutRect pixels;
        int tab;
    } rows[] = {
        {"Command4", ControlRole::PushButton, "Close", {248, 320, 81, 25}, 1},
        {"Label1", ControlRole::Label, "Create a new Tambrel.", {112, 128, 167, 17}, 0},
        {"Command1", ControlRole::PictureButton, "Create a new Tambrel.", {24, 104, 65, 65}, 2},
        {"Label2", ControlRole::Label, "Edit an existing Tambrel.", {112, 200, 178, 17}, 0},
        {"Command2", ControlRole::PictureButton, "Edit an existing Tambrel.", {24, 176, 65, 65}, 3},
        {"Picture1", ControlRole::Banner, "Tambrel Wizard", {0, 0, 343, 85}, 4},
    };
    ASSERT_EQ(kForm1.controls.size(), std::size(rows));
    EXPECT_EQ(EnglishText(kForm1.title), "Tambrel Wizard");
    EXPECT_EQ(kForm1.placement, Placement::CentredOnScreen);
    const WindowLayout layout = LayOutForm1(AsDesigned(), false);
    EXPECT_EQ(layout.width, 343 * 15);
    EXPECT_EQ(layout.height, 360 * 15);
    int tab = 0;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const ControlDescription& control = kForm1.controls[i];
        SCOPED_TRACE(rows[i].name);
        EXPECT_STREQ(control.name, rows[i].name);
        EXPECT_EQ(control.role, rows[i].role);
        EXPECT_EQ(EnglishText(*control.caption), rows[i].caption);
        EXPECT_EQ(control.page, kEveryPage);
        const LayoutRect& p = rows[i].pixels;
        EXPECT_EQ(layout.controls[i],
                  (LayoutRect{p.left * 15, p.top * 15, p.width * 15, p.height * 15}));
        EXPECT_EQ(TakesFocus(control.role) ? ++tab : 0, rows[i].tab);
    }
    // Each label names the picture button it describes, beside it.
    EXPECT_EQ(kForm1.controls[1].labels, static_cast<int>(Form1Part::Command1));
    EXPECT_EQ(kForm1.controls[3].labels, static_cast<int>(Form1Part::Command2));
}

TEST(Form1Layout, CloseWidensToTheLeftKeepingItsMarginOnEitherSide) {
    testing::StandInMeasure measure;
    measure.wide(Form1Part::Command4, 2000);
    const WindowLayout ltr = LayOutForm1(measure, false);
    EXPECT_EQ(ltr[Form1Part::Command4], (LayoutRect{5145 - 210 - 2000, 4800, 2000, 375}));
    const WindowLayout rtl = LayOutForm1(measure, true);
    EXPECT_EQ(rtl[Form1Part::Command4], (LayoutRect{210, 4800, 2000, 375}));
}

}  // namespace
}  // namespace tbr
