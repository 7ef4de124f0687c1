// The create wizard as the user meets it: layout at 96 DPI, the first state, the tab order on
// both pages, the page switch, the enabling rules, Cancel and the window system's close.
#include "shell/desktop_directory.h"
#include "tests/win32/window_test_support.h"

namespace tbr::testing {
namespace {

using win32::Form1;
using win32::Form2;

// The height of one line of a control's text in its font.
int LineHeight(HWND control) {
    const HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

class Wizard : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        click(main(Form1::kCommand1));
        ASSERT_NE(form2(), nullptr);
    }

    std::vector<HWND> all(std::initializer_list<int> ids) const {
        std::vector<HWND> windows;
        for (const int id : ids) {
            windows.push_back(wizard(id));
        }
        return windows;
    }

    void expectPage(bool location) const {
        for (const int id : {Form2::kLabel1, Form2::kOption1, Form2::kOption2, Form2::kText1,
                             Form2::kCommand3, Form2::kCommand1}) {
            EXPECT_EQ(Visible(wizard(id)), location) << id;
        }
        for (const int id : {Form2::kLabel2, Form2::kText2, Form2::kCommand4, Form2::kCommand5}) {
            EXPECT_EQ(Visible(wizard(id)), !location) << id;
        }
        EXPECT_TRUE(Visible(wizard(Form2::kCommand2)));
    }
};

TEST_F(Wizard, IsLaidOutAsTheTablesSay) {
    ASSERT_EQ(GetDpiForWindow(form2()), 96u);
    EXPECT_EQ(TextOf(form2()), L"Create Tambrel");
    EXPECT_EQ(ClientOf(form2()).right, 314);
    EXPECT_EQ(ClientOf(form2()).bottom, 242);
    const LONG style = GetWindowLongW(form2(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(SendMessageW(form2(), WM_GETICON, ICON_BIG, 0), 0);

    const ExpectedControl controls[] = {
        // Two lines of the dialog font: 26 pixels in MS Sans Serif as Windows draws it.
        {Form2::kLabel1,
         {24, 32, 250, 32 + 2 * LineHeight(wizard(Form2::kLabel1))},
         L"You are about to create a new Tambrel. Where would you like your Tambrel located?"},
        {Form2::kOption1, {24, 80, 185, 97}, L"Windows Desktop"},
        {Form2::kOption2, {24, 104, 193, 121}, L"Other Location"},
        {Form2::kText1, {32, 136, 217, 157}, nullptr},
        {Form2::kCommand3, {224, 136, 289, 161}, L"Browse..."},
        {Form2::kCommand1, {144, 208, 217, 233}, L"Next >"},
        {Form2::kLabel2, {24, 16, 225, 41}, L"Please type a name for your Tambrel"},
        {Form2::kText2, {24, 40, 289, 61}, L""},
        {Form2::kCommand4, {72, 208, 145, 233}, L"< Back"},
        {Form2::kCommand5, {144, 208, 217, 233}, L"Finish"},
        {Form2::kCommand2, {232, 208, 305, 233}, L"Cancel"},
    };
    for (const ExpectedControl& control : controls) {
        ExpectPlaceAndText(form2(), control);
        EXPECT_STREQ(FontOf(wizard(control.id)).lfFaceName, L"MS Shell Dlg") << control.id;
    }
}

TEST_F(Wizard, OpensOnTheDesktopWithNextFocused) {
    const Result<std::string> desktop = GetDesktopDirectory(WindowHandle{});
    ASSERT_TRUE(desktop);
    expectPage(true);
    EXPECT_EQ(TextOf(wizard(Form2::kText1)), Wide(desktop.value()));
    EXPECT_EQ(IsDlgButtonChecked(form2(), Form2::kOption1), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(form2(), Form2::kOption2), BST_UNCHECKED);
    EXPECT_FALSE(Enabled(wizard(Form2::kText1)));
    EXPECT_FALSE(Enabled(wizard(Form2::kCommand3)));
    EXPECT_TRUE(Enabled(wizard(Form2::kCommand1)));
    EXPECT_FALSE(Enabled(wizard(Form2::kCommand5)));
    EXPECT_EQ(TextOf(wizard(Form2::kText2)), L"");
    EXPECT_EQ(GetFocus(), wizard(Form2::kCommand1));
}

TEST_F(Wizard, TabSkipsWhatIsDisabledAndTheUnselectedOption) {
    EXPECT_EQ(tabRound(), all({Form2::kCommand1, Form2::kOption1, Form2::kCommand2}));
    // The arrow key moves to "Other Location" and selects it, as a click would.
    press(VK_TAB);
    ASSERT_EQ(GetFocus(), wizard(Form2::kOption1));
    press(VK_DOWN);
    EXPECT_EQ(GetFocus(), wizard(Form2::kOption2));
    EXPECT_EQ(IsDlgButtonChecked(form2(), Form2::kOption2), BST_CHECKED);
    EXPECT_TRUE(Enabled(wizard(Form2::kText1)));
    EXPECT_EQ(tabRound(), all({Form2::kOption2, Form2::kText1, Form2::kCommand3, Form2::kCommand2,
                               Form2::kCommand1}));
    EXPECT_EQ(tabRound(true), all({Form2::kOption2, Form2::kCommand1, Form2::kCommand2,
                                   Form2::kCommand3, Form2::kText1}));
}

TEST_F(Wizard, SpaceOnNextGoesToTheNamePage) {
    press(VK_SPACE);
    expectPage(false);
    EXPECT_EQ(GetFocus(), wizard(Form2::kText2));
    EXPECT_EQ(tabRound(), all({Form2::kText2, Form2::kCommand4, Form2::kCommand2}));
    type(wizard(Form2::kText2), L"Notes");
    EXPECT_EQ(tabRound(),
              all({Form2::kText2, Form2::kCommand4, Form2::kCommand5, Form2::kCommand2}));
}

TEST_F(Wizard, EscapeDoesNothingAndEnterPressesTheFocusedButton) {
    press(VK_ESCAPE);
    expectPage(true);
    EXPECT_NE(form2(), nullptr);
    press(VK_RETURN);  // on "Next >"
    expectPage(false);
    press(VK_ESCAPE);
    expectPage(false);
    EXPECT_NE(form2(), nullptr);
}

TEST_F(Wizard, TheEnablingRulesFollowTheTrimmedText) {
    click(wizard(Form2::kOption2));
    const struct {
        const wchar_t* text;
        bool enabled;
    } cases[] = {{L"", false}, {L"   ", false}, {L" C:\\Work ", true}, {L"C:\\Work", true}};
    for (const auto& c : cases) {
        type(wizard(Form2::kText1), c.text);
        EXPECT_EQ(Enabled(wizard(Form2::kCommand1)), c.enabled) << Narrow(c.text);
    }
    click(wizard(Form2::kCommand1));
    for (const auto& c : cases) {
        type(wizard(Form2::kText2), c.text);
        EXPECT_EQ(Enabled(wizard(Form2::kCommand5)), c.enabled) << Narrow(c.text);
    }
}

TEST_F(Wizard, ClearingTheFolderThenTakingTheDesktopKeepsNextDisabled) {
    click(wizard(Form2::kOption2));
    type(wizard(Form2::kText1), L"");
    click(wizard(Form2::kOption1));
    EXPECT_FALSE(Enabled(wizard(Form2::kText1)));
    EXPECT_EQ(TextOf(wizard(Form2::kText1)), L"");
    EXPECT_FALSE(Enabled(wizard(Form2::kCommand1)));
    click(wizard(Form2::kCommand1));  // a disabled button's click changes nothing
    expectPage(true);
}

TEST_F(Wizard, BackAndNextKeepWhatWasTyped) {
    click(wizard(Form2::kCommand1));
    type(wizard(Form2::kText2), L"Notes");
    click(wizard(Form2::kCommand4));
    expectPage(true);
    EXPECT_NE(GetFocus(), nullptr);
    EXPECT_TRUE(Visible(GetFocus()));
    click(wizard(Form2::kCommand1));
    expectPage(false);
    EXPECT_EQ(TextOf(wizard(Form2::kText2)), L"Notes");
    EXPECT_TRUE(Enabled(wizard(Form2::kCommand5)));
}

TEST_F(Wizard, CancelBringsBackAFreshMainWindow) {
    click(wizard(Form2::kOption2));
    type(wizard(Form2::kText1), L"C:\\Work");
    const HWND window = form2();
    click(wizard(Form2::kCommand2));
    EXPECT_FALSE(IsWindow(window));
    ASSERT_NE(form1(), nullptr);
    EXPECT_TRUE(Visible(form1()));
    EXPECT_EQ(GetFocus(), main(Form1::kCommand4));
    EXPECT_FALSE(program_.ended());

    click(main(Form1::kCommand1));  // a fresh wizard, nothing of the earlier entries
    EXPECT_EQ(IsDlgButtonChecked(form2(), Form2::kOption1), BST_CHECKED);
    EXPECT_NE(TextOf(wizard(Form2::kText1)), L"C:\\Work");
}

TEST_F(Wizard, ClosingThroughTheWindowSystemEndsTheProgram) {
    const HWND window = form2();
    SendMessageW(window, WM_CLOSE, 0, 0);
    pump();
    EXPECT_TRUE(program_.ended());
    EXPECT_TRUE(quitPosted());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(program_.currentWindow(), nullptr);
    EXPECT_EQ(form1(), nullptr);
}

}  // namespace
}  // namespace tbr::testing
