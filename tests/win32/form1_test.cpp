// The main window as the user meets it: its layout at 96 DPI, the focus, the keyboard, and what
// its buttons and the window system's close do.
#include "tests/win32/window_test_support.h"

namespace tbr::testing {
namespace {

class MainWindow : public WindowTest {};

TEST_F(MainWindow, FollowsItsDescription) {
    ExpectFollowsDescription(form1(), kForm1, program_.catalogue());
    EXPECT_EQ(GetFocus(), main(Id(Form1Part::Command4)));
    // The banner's thin sunken border leaves 339 x 81 pixels inside.
    const RECT inner = ClientOf(main(Id(Form1Part::Picture1)));
    EXPECT_EQ(inner.right, 339);
    EXPECT_EQ(inner.bottom, 81);
}

// Each label is one line of Arial 11.25 pt high and sits on its button's middle line (its text
// and designed place: FollowsItsDescription).
TEST_F(MainWindow, LabelsSitBesideTheirButtons) {
    for (const auto& [label, button] : {std::pair{Form1Part::Label1, Form1Part::Command1},
                                        std::pair{Form1Part::Label2, Form1Part::Command2}}) {
        const RECT place = PlaceOf(main(Id(label)));
        const RECT beside = PlaceOf(main(Id(button)));
        EXPECT_EQ(place.bottom - place.top, 17);
        EXPECT_NEAR(place.top + place.bottom, beside.top + beside.bottom, 1);
        const LOGFONTW font = FontOf(main(Id(label)));
        EXPECT_STREQ(font.lfFaceName, L"Arial");
        EXPECT_EQ(font.lfHeight, -15);  // 11.25 pt at 96 DPI
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
    }
    EXPECT_STREQ(FontOf(main(Id(Form1Part::Command4))).lfFaceName, L"MS Shell Dlg");
    EXPECT_EQ(FontOf(main(Id(Form1Part::Command4))).lfHeight, -11);  // 8 pt
}

TEST_F(MainWindow, HasAFixedBorderAnIconAndItsPictures) {
    const LONG style = GetWindowLongW(form1(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_NE(SendMessageW(form1(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(form1(), WM_GETICON, ICON_SMALL, 0), 0);
    for (const int button : {Id(Form1Part::Command1), Id(Form1Part::Command2)}) {
        ASSERT_NO_FATAL_FAILURE(ExpectButtonIconWidth(main(button), 32));
    }
}

TEST_F(MainWindow, IsCentredOnTheScreen) {
    RECT frame{};
    GetWindowRect(form1(), &frame);
    MONITORINFO monitor{sizeof(monitor), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(form1(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR(frame.left + frame.right, monitor.rcMonitor.left + monitor.rcMonitor.right, 1);
    EXPECT_NEAR(frame.top + frame.bottom, monitor.rcMonitor.top + monitor.rcMonitor.bottom, 1);
}

TEST_F(MainWindow, IsTheActiveWindow) {
    EXPECT_EQ(GetActiveWindow(), form1());
    EXPECT_EQ(GetForegroundWindow(), form1());
}

TEST_F(MainWindow, SpaceOnCloseEndsTheProgram) {
    const HWND window = form1();
    press(VK_SPACE);
    EXPECT_TRUE(program_.ended());
    EXPECT_TRUE(quitPosted());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(program_.currentWindow(), nullptr);
}

// There is no cancel button: Escape does nothing. Enter presses the focused button.
TEST_F(MainWindow, EscapeDoesNothingAndEnterPressesTheFocusedButton) {
    press(VK_ESCAPE);
    EXPECT_FALSE(program_.ended());
    EXPECT_EQ(GetFocus(), main(Id(Form1Part::Command4)));
    press(VK_RETURN);
    EXPECT_TRUE(program_.ended());
}

TEST_F(MainWindow, ClosingThroughTheWindowSystemEndsTheProgram) {
    const HWND window = form1();
    SendMessageW(window, WM_CLOSE, 0, 0);
    pump();
    EXPECT_TRUE(program_.ended());
    EXPECT_TRUE(quitPosted());
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(MainWindow, TheCreateButtonMakesWayForTheWizard) {
    const HWND window = form1();
    click(main(Id(Form1Part::Command1)));
    EXPECT_FALSE(IsWindow(window));
    ASSERT_NE(form2(), nullptr);
    EXPECT_TRUE(Visible(form2()));
    EXPECT_FALSE(program_.ended());
    EXPECT_EQ(program_.currentWindow(), form2());
}

TEST_F(MainWindow, LabelsAndBannerStartNothing) {
    for (const int id : {Id(Form1Part::Label1), Id(Form1Part::Label2), Id(Form1Part::Picture1)}) {
        SendMessageW(main(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(main(id), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        pump();
        EXPECT_FALSE(program_.ended());
        EXPECT_EQ(form2(), nullptr);
    }
    // The banner takes the focus like any tab stop, and Space there does nothing either.
    EXPECT_EQ(GetFocus(), main(Id(Form1Part::Picture1)));
    press(VK_SPACE);
    EXPECT_FALSE(program_.ended());
    EXPECT_TRUE(boxes_.unexpected().empty());
}

// True when the banner, drawn afresh, shows its dotted focus rectangle: a pixel off white along
// its right edge, where no picture lies.
bool ShowsFocusRectangle(HWND banner) {
    InvalidateRect(banner, nullptr, TRUE);
    UpdateWindow(banner);
    const RECT client = ClientOf(banner);
    const HDC dc = GetDC(banner);
    bool dotted = false;
    for (int y = 0; y < client.bottom && !dotted; ++y) {
        dotted = (GetPixel(dc, client.right - 1, y) & 0xFFFFFF) != 0xFFFFFF;
    }
    ReleaseDC(banner, dc);
    return dotted;
}

// Windows answers WM_QUERYUISTATE with UISF_HIDEFOCUS until the keyboard is used in a window;
// Wine always answers 0. The banner's answer is given here as Windows would give it.
LRESULT uiState = 0;
WNDPROC bannerProcedure = nullptr;
LRESULT CALLBACK AnswerUiState(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_QUERYUISTATE
               ? uiState
               : CallWindowProcW(bannerProcedure, window, message, wParam, lParam);
}

// The banner shows its focus rectangle as every control does: only while it has the focus and
// the keyboard is in use, never after a mere click.
TEST_F(MainWindow, TheBannerShowsItsFocusOnlyForTheKeyboard) {
    const HWND banner = main(Id(Form1Part::Picture1));
    bannerProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(banner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AnswerUiState)));
    const struct {
        bool focused;
        LRESULT uiState;
        bool shown;
    } rows[] = {{true, UISF_HIDEFOCUS, false}, {true, 0, true}, {false, 0, false}};
    for (const auto& row : rows) {
        uiState = row.uiState;
        win32::FocusControl(form1(), row.focused ? banner : main(Id(Form1Part::Command4)));
        pump();
        EXPECT_EQ(ShowsFocusRectangle(banner), row.shown) << row.focused << row.uiState;
    }
    SetWindowLongPtrW(banner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(bannerProcedure));
}

}  // namespace
}  // namespace tbr::testing
