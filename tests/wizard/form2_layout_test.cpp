// The wizard's layout where a text needs more room than designed.
#include <gtest/gtest.h>

#include "tests/support/stand_in_measure.h"
#include "wizard/form2_layout.h"

namespace tbr {
namespace {

using testing::StandInMeasure;

TEST(Form2Layout, LongerTextsGetRoom) {
    const struct {
        const char* what;
        StandInMeasure measure;
        int width, height, optionsTop;
    } rows[] = {
        {"as designed", StandInMeasure{}, 4710, 3630, 1200},
        // One twip-pixel more than the question's room moves the page down by as much.
        {"question a pixel taller", StandInMeasure{}.tall(Form2Part::Label1, 615), 4710, 3645,
         1215},
        {"second option wider", StandInMeasure{}.wide(Form2Part::Option2, 5000), 360 + 5000 + 375,
         3630, 1200},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const WindowLayout layout = LayOutForm2(row.measure, false);
        EXPECT_EQ(layout.width, row.width);
        EXPECT_EQ(layout.height, row.height);
        EXPECT_EQ(layout[Form2Part::Option1].top, row.optionsTop);
        EXPECT_EQ(layout[Form2Part::Option2].top, row.optionsTop + 360);
        // The bottom row keeps its margins whatever the window's size.
        EXPECT_EQ(layout[Form2Part::Command2].right(), layout.width - 135);
        EXPECT_EQ(layout[Form2Part::Command2].bottom(), layout.height - 135);
    }
}

}  // namespace
}  // namespace tbr
