// Both windows at 144 DPI (150 %) and 192 DPI (200 %): every place comes from the same twips, the
// fonts and the pictures grow with them, and every text still fits its control. These tests run
// only at those resolutions (CTest entries of their own start the program so); at any other they
// are skipped.
#include "tests/win32/window_test_support.h"

#include <initializer_list>

#include "ui/win32/fonts_and_icons.h"

namespace tbr::testing {
namespace {

UINT kDpi = 0;  // the system's, once a test has started

int Px(int twips) {
    return MulDiv(twips, static_cast<int>(kDpi), 1440);
}

// Font heights as the windows ask for them: 8 pt and 11.25 pt at kDpi.
LONG DialogFontHeight() {
    return -MulDiv(8, static_cast<int>(kDpi), 72);
}
LONG LabelFontHeight() {
    return -MulDiv(1125, static_cast<int>(kDpi), 7200);
}

// Each control's text, in the control's own font, fits inside it: a label's lines in its height
// (a label wraps what is too wide), a button's or option's one line in its width, an option's
// beside its round check mark and the gap before the text.
void ExpectTextsFit(HWND window, std::initializer_list<int> ids) {
    for (const int id : ids) {
        const HWND control = GetDlgItem(window, id);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        const std::wstring text = TextOf(control);
        const RECT client = ClientOf(control);
        if (ClassOf(control) == L"Static") {
            EXPECT_LE(win32::WrappedTextHeight(control, font, text, client.right), client.bottom)
                << id;
            continue;
        }
        const bool option =
            (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        const int mark = option ? GetSystemMetricsForDpi(SM_CXMENUCHECK, kDpi) + Px(60) : 0;
        const SIZE size = win32::TextSize(control, font, text);
        EXPECT_LE(size.cx + mark, client.right) << id;
        EXPECT_LE(size.cy, client.bottom) << id;
    }
}

class HighDpi : public WindowTest {
  protected:
    void SetUp() override {
        kDpi = GetDpiForSystem();
        if (kDpi != 144 && kDpi != 192) {
            GTEST_SKIP() << "runs at 144 and 192 DPI only";
        }
        WindowTest::SetUp();
    }
};

TEST_F(HighDpi, TheMainWindowScalesFromItsTwips) {
    ASSERT_EQ(GetDpiForWindow(form1()), kDpi);
    ExpectFollowsDescription(form1(), kForm1, program_.catalogue());
    EXPECT_EQ(FontOf(main(Id(Form1Part::Label1))).lfHeight, LabelFontHeight());
    EXPECT_EQ(FontOf(main(Id(Form1Part::Command4))).lfHeight, DialogFontHeight());
    const RECT label = PlaceOf(main(Id(Form1Part::Label1)));
    const RECT button = PlaceOf(main(Id(Form1Part::Command1)));
    EXPECT_NEAR(label.top + label.bottom, button.top + button.bottom, 1);
    ExpectTextsFit(form1(),
                   {Id(Form1Part::Label1), Id(Form1Part::Label2), Id(Form1Part::Command4)});
}

// The icons hold an image drawn for this DPI; the banner is the one drawn at 2x.
TEST_F(HighDpi, TheMainWindowShowsPicturesDrawnForItsDpi) {
    for (const int id : {Id(Form1Part::Command1), Id(Form1Part::Command2)}) {
        ASSERT_NO_FATAL_FAILURE(
            ExpectButtonIconWidth(main(id), MulDiv(32, static_cast<int>(kDpi), 96)));
    }
    const auto banner =
        reinterpret_cast<HBITMAP>(GetWindowLongPtrW(main(Id(Form1Part::Picture1)), GWLP_USERDATA));
    BITMAP picture{};
    ASSERT_NE(GetObjectW(banner, sizeof(picture), &picture), 0);
    EXPECT_EQ(picture.bmWidth, 634);
    EXPECT_EQ(picture.bmHeight, 162);
    for (const auto& [which, size] : {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
        const auto icon = reinterpret_cast<HICON>(SendMessageW(form1(), WM_GETICON, which, 0));
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask{};
        GetObjectW(info.hbmMask, sizeof(mask), &mask);
        EXPECT_EQ(mask.bmWidth, MulDiv(size, static_cast<int>(kDpi), 96))
            << "window icon " << which;
        DeleteObject(info.hbmMask);
        if (info.hbmColor != nullptr) {
            DeleteObject(info.hbmColor);
        }
    }
}

TEST_F(HighDpi, TheWizardScalesFromItsTwips) {
    click(main(Id(Form1Part::Command1)));
    ASSERT_NE(form2(), nullptr);
    ASSERT_EQ(GetDpiForWindow(form2()), kDpi);
    ExpectFollowsDescription(form2(), kForm2, program_.catalogue());
    EXPECT_EQ(FontOf(wizard(Id(Form2Part::Command1))).lfHeight, DialogFontHeight());
    ExpectTextsFit(form2(),
                   {Id(Form2Part::Label1), Id(Form2Part::Option1), Id(Form2Part::Option2),
                    Id(Form2Part::Command3), Id(Form2Part::Command1), Id(Form2Part::Command2),
                    Id(Form2Part::Label2), Id(Form2Part::Command4), Id(Form2Part::Command5)});
}

// Moved to a monitor of another DPI, a window is asked for its size there and then given a place
// of that size; it keeps that place after laying itself out anew, so it changes size only once.
// Runs at any DPI: the DPI change is sent to the window as Windows would send it.
class DpiChange : public WindowTest {};

TEST_F(DpiChange, BothWindowsKeepTheSizeTheyAnnounce) {
    const UINT start = GetDpiForWindow(form1());
    for (const bool wizard : {false, true}) {
        if (wizard) {
            click(main(Id(Form1Part::Command1)));
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
