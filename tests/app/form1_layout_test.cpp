// The main window's layout where a text needs more room than designed.
#include <gtest/gtest.h>

#include "app/form1_layout.h"
#include "tests/support/stand_in_measure.h"

namespace tbr {
namespace {

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
