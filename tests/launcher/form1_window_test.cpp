// The main window as described for both front ends, and its layout where a text needs more room
// than designed.
#include "launcher/form1_window.h"

#include <gtest/gtest.h>

#include "tests/support/designed_window.h"
#include "tests/support/stand_in_measure.h"

namespace tbr {
namespace {

TEST(Form1Description, ControlsAsDesigned) {
    constexpr int kAll = kEveryPage;
    const testing::DesignedControl rows[] = {
        {"Command4", ControlRole::PushButton, "Close", {248, 320, 81, 25}, kAll, 1},
        {"Label1", ControlRole::Label, "Create a new Tambrel.", {112, 128, 167, 17}, kAll, 0},
        {"Command1",
         ControlRole::PictureButton,
         "Create a new Tambrel.",
         {24, 104, 65, 65},
         kAll,
         2},
        {"Label2", ControlRole::Label, "Edit an existing Tambrel.", {112, 200, 178, 17}, kAll, 0},
        {"Command2",
         ControlRole::PictureButton,
         "Edit an existing Tambrel.",
         {24, 176, 65, 65},
         kAll,
         3},
        {"Picture1", ControlRole::Banner, "Tambrel Wizard", {0, 0, 343, 85}, kAll, 4},
    };
    testing::ExpectAsDesigned(kForm1, 343, 360, rows);
    EXPECT_EQ(EnglishText(kForm1.title), "Tambrel Wizard");
    EXPECT_EQ(kForm1.placement, Placement::CentredOnScreen);
    // Each label names the picture button it describes, beside it.
    EXPECT_EQ(LabelledControl(kForm1, 1), static_cast<int>(Form1Part::Command1));
    EXPECT_EQ(LabelledControl(kForm1, 3), static_cast<int>(Form1Part::Command2));
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
