// Both windows at 144 DPI (150 %): every place comes from the same twips, the fonts and the
// pictures grow with them. These tests run only at that resolution (a CTest entry of their own
// starts the program so); at any other they are skipped.
#include "tests/win32/window_test_support.h"

#include <initializer_list>

namespace tbr::testing {
namespace {

using win32::Form1;
using win32::Form2;

constexpr UINT kDpi = 144;

int Px(int twips) {
    return MulDiv(twips, static_cast<int>(kDpi), 1440);
}

// A control's place in twips, as the window's table gives it.
struct TwipPlace {
    int id;
    int left;
    int top;
    int width;
    int height;
};

// Checks that a window and its controls are placed at kDpi from their twips: the client area
// from width x height, each control from its place.
void ExpectScaledFromTwips(HWND window, int width, int height,
                           std::initializer_list<TwipPlace> controls) {
    ASSERT_EQ(GetDpiForWindow(window), kDpi);
    EXPECT_EQ(ClientOf(window).right, Px(width));
    EXPECT_EQ(ClientOf(window).bottom, Px(height));
    for (const TwipPlace& control : controls) {
        const RECT place = PlaceOf(GetDlgItem(window, control.id));
        EXPECT_EQ(place.left, Px(control.left)) << control.id;
        EXPECT_EQ(place.top, Px(control.top)) << control.id;
        EXPECT_EQ(place.right - place.left, Px(control.width)) << control.id;
        EXPECT_EQ(place.bottom - place.top, Px(control.height)) << control.id;
    }
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
    ASSERT_NO_FATAL_FAILURE(ExpectScaledFromTwips(form1(), 5145, 5400,
                                                  {{Form1::kPicture1, 0, 0, 5145, 1275},
                                                   {Form1::kCommand1, 360, 1560, 975, 975},
                                                   {Form1::kCommand2, 360, 2640, 975, 975},
                                                   {Form1::kCommand4, 3720, 4800, 1215, 375}}));
    EXPECT_EQ(FontOf(main(Form1::kLabel1)).lfHeight, -23);    // 11.25 pt
    EXPECT_EQ(FontOf(main(Form1::kCommand4)).lfHeight, -16);  // 8 pt
    const RECT label = PlaceOf(main(Form1::kLabel1));
    const RECT button = PlaceOf(main(Form1::kCommand1));
    EXPECT_EQ(label.left, Px(1680));
    EXPECT_NEAR(label.top + label.bottom, button.top + button.bottom, 1);

    ExpectButtonIconWidth(main(Form1::kCommand1), 48);
}

TEST_F(HighDpi, TheWizardScalesFromItsTwips) {
    click(main(Form1::kCommand1));
    ASSERT_NE(form2(), nullptr);
    ASSERT_NO_FATAL_FAILURE(ExpectScaledFromTwips(form2(), 4710, 3630,
                                                  {{Form2::kOption1, 360, 1200, 2415, 255},
                                                   {Form2::kText1, 480, 2040, 2775, 315},
                                                   {Form2::kCommand3, 3360, 2040, 975, 375},
                                                   {Form2::kCommand1, 2160, 3120, 1095, 375},
                                                   {Form2::kCommand2, 3480, 3120, 1095, 375},
                                                   {Form2::kText2, 360, 600, 3975, 315}}));
    EXPECT_EQ(FontOf(wizard(Form2::kCommand1)).lfHeight, -16);
}

// Moved to a monitor of another DPI, a window is asked for its size there and then given a place
// of that size; it keeps that place after laying itself out anew, so it changes size only once.
// Runs at any DPI: the DPI change is sent to the window as Windows would send it.
class DpiChange : public WindowTest {};

TEST_F(DpiChange, BothWindowsKeepTheSizeTheyAnnounce) {
    const UINT start = GetDpiForWindow(form1());
    for (const bool wizard : {false, true}) {
        if (wizard) {
            click(main(Form1::kCommand1));
        }
        const HWND window = wizard ? form2() : form1();
        ASSERT_NE(window, nullptr);
        for (const UINT dpi : {120u, 192u, start}) {
            SIZE size{};
            ASSERT_TRUE(
                SendMessageW(window, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)))
                << dpi;
            RECT frame{};
            GetWindowRect(window, &frame);
            const RECT suggested{frame.left, frame.top, frame.left + size.cx, frame.top + size.cy};
            SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
            pump();
            GetWindowRect(window, &frame);
            EXPECT_EQ(frame.right - frame.left, size.cx) << wizard << dpi;
            EXPECT_EQ(frame.bottom - frame.top, size.cy) << wizard << dpi;
            const int twips = wizard ? 4710 : 5145;
            EXPECT_EQ(ClientOf(window).right, MulDiv(twips, static_cast<int>(dpi), 1440)) << dpi;
        }
    }
}

}  // namespace
}  // namespace tbr::testing
