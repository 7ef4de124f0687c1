// Both windows at 144 DPI (150 %): every place comes from the same twips, the fonts and the
// pictures grow with them. These tests run only at that resolution (a CTest entry of their own
// starts the program so); at any other they are skipped.
#include "tests/win32/window_test_support.h"

namespace tbr::testing {
namespace {

using win32::Form1;
using win32::Form2;

constexpr UINT kDpi = 144;

int Px(int twips) {
    return MulDiv(twips, static_cast<int>(kDpi), 1440);
}

void ExpectPlace(HWND control, int left, int top, int width, int height) {
    const RECT place = PlaceOf(control);
    EXPECT_EQ(place.left, Px(left)) << GetDlgCtrlID(control);
    EXPECT_EQ(place.top, Px(top)) << GetDlgCtrlID(control);
    EXPECT_EQ(place.right - place.left, Px(width)) << GetDlgCtrlID(control);
    EXPECT_EQ(place.bottom - place.top, Px(height)) << GetDlgCtrlID(control);
}

class HighDpi : public WindowTest {
  protected:
    void SetUp() override {
        if (GetDpiForSystem() != kDpi) {
            GTEST_SKIP() << "runs at " << kDpi << " DPI only";
        }
        WindowTest::SetUp();
    }
};

TEST_F(HighDpi, TheMainWindowScalesFromItsTwips) {
    ASSERT_EQ(GetDpiForWindow(form1()), kDpi);
    EXPECT_EQ(ClientOf(form1()).right, Px(5145));
    EXPECT_EQ(ClientOf(form1()).bottom, Px(5400));
    ExpectPlace(main(Form1::kPicture1), 0, 0, 5145, 1275);
    ExpectPlace(main(Form1::kCommand1), 360, 1560, 975, 975);
    ExpectPlace(main(Form1::kCommand2), 360, 2640, 975, 975);
    ExpectPlace(main(Form1::kCommand4), 3720, 4800, 1215, 375);
    EXPECT_EQ(FontOf(main(Form1::kLabel1)).lfHeight, -23);    // 11.25 pt
    EXPECT_EQ(FontOf(main(Form1::kCommand4)).lfHeight, -16);  // 8 pt
    const RECT label = PlaceOf(main(Form1::kLabel1));
    const RECT button = PlaceOf(main(Form1::kCommand1));
    EXPECT_EQ(label.left, Px(1680));
    EXPECT_NEAR(label.top + label.bottom, button.top + button.bottom, 1);

    const auto icon =
        reinterpret_cast<HICON>(SendMessageW(main(Form1::kCommand1), BM_GETIMAGE, IMAGE_ICON, 0));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, 48);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
}

TEST_F(HighDpi, TheWizardScalesFromItsTwips) {
    click(main(Form1::kCommand1));
    ASSERT_NE(form2(), nullptr);
    ASSERT_EQ(GetDpiForWindow(form2()), kDpi);
    EXPECT_EQ(ClientOf(form2()).right, Px(4710));
    EXPECT_EQ(ClientOf(form2()).bottom, Px(3630));
    ExpectPlace(wizard(Form2::kOption1), 360, 1200, 2415, 255);
    ExpectPlace(wizard(Form2::kText1), 480, 2040, 2775, 315);
    ExpectPlace(wizard(Form2::kCommand3), 3360, 2040, 975, 375);
    ExpectPlace(wizard(Form2::kCommand1), 2160, 3120, 1095, 375);
    ExpectPlace(wizard(Form2::kCommand2), 3480, 3120, 1095, 375);
    ExpectPlace(wizard(Form2::kText2), 360, 600, 3975, 315);
    EXPECT_EQ(FontOf(wizard(Form2::kCommand1)).lfHeight, -16);
}

}  // namespace
}  // namespace tbr::testing
