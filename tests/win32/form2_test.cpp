// The create wizard as the user meets it: layout at 96 DPI, the first state, the tab order on
// both pages, the page switch, the enabling rules, Cancel and the window system's close.
#include "shell/shell_folders.h"
#include "tests/win32/window_test_support.h"

namespace tbr::testing {
namespace {

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
        click(main(Id(Form1Part::Command1)));
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
        const int page = static_cast<int>(location ? WizardPage::Location : WizardPage::Name);
        for (std::size_t part = 0; part < kForm2.controls.size(); ++part) {
            const int shownOn = kForm2.controls[part].page;
            EXPECT_EQ(Visible(wizard(Id(part))), shownOn == kEveryPage || shownOn == page)
                << kForm2.controls[part].name;
        }
    }
};

TEST_F(Wizard, FollowsItsDescription) {
    const LONG style = GetWindowLongW(form2(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(SendMessageW(form2(), WM_GETICON, ICON_BIG, 0), 0);

    ExpectFollowsDescription(form2(), kForm2, program_.catalogue());
    EXPECT_EQ(PlaceOf(wizard(Id(Form2Part::Label1))).bottom,
              32 + 2 * LineHeight(wizard(Id(Form2Part::Label1))));  // two lines of its font
    for (std::size_t part = 0; part < kForm2.controls.size(); ++part) {
        EXPECT_STREQ(FontOf(wizard(Id(part))).lfFaceName, L"MS Shell Dlg") << part;
    }
}

TEST_F(Wizard, OpensOnTheDesktopWithNextFocused) {
    const Result<std::string> desktop = GetDesktopDirectory(WindowHandle{});
    ASSERT_TRUE(desktop);
    expectPage(true);
    EXPECT_EQ(TextOf(wizard(Id(Form2Part::Text1))), Wide(desktop.value()));
    EXPECT_EQ(IsDlgButtonChecked(form2(), Id(Form2Part::Option1)), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(form2(), Id(Form2Part::Option2)), BST_UNCHECKED);
    EXPECT_FALSE(Enabled(wizard(Id(Form2Part::Text1))));
    EXPECT_FALSE(Enabled(wizard(Id(Form2Part::Command3))));
    EXPECT_TRUE(Enabled(wizard(Id(Form2Part::Command1))));
    EXPECT_FALSE(Enabled(wizard(Id(Form2Part::Command5))));
    EXPECT_EQ(TextOf(wizard(Id(Form2Part::Text2))), L"");
    EXPECT_EQ(GetFocus(), wizard(Id(Form2Part::Command1)));
}

TEST_F(Wizard, TabSkipsWhatIsDisabledAndTheUnselectedOption) {
    EXPECT_EQ(tabRound(),
              all({Id(Form2Part::Command1), Id(Form2Part::Option1), Id(Form2Part::Command2)}));
    // The arrow key moves to "Other Location" and selects it, as a click would.
    press(VK_TAB);
    ASSERT_EQ(GetFocus(), wizard(Id(Form2Part::Option1)));
    press(VK_DOWN);
    EXPECT_EQ(GetFocus(), wizard(Id(Form2Part::Option2)));
    EXPECT_EQ(IsDlgButtonChecked(form2(), Id(Form2Part::Option2)), BST_CHECKED);
    EXPECT_TRUE(Enabled(wizard(Id(Form2Part::Text1))));
    EXPECT_EQ(tabRound(),
              all({Id(Form2Part::Option2), Id(Form2Part::Text1), Id(Form2Part::Command3),
                   Id(Form2Part::Command2), Id(Form2Part::Command1)}));
    EXPECT_EQ(tabRound(true),
              all({Id(Form2Part::Option2), Id(Form2Part::Command1), Id(Form2Part::Command2),
                   Id(Form2Part::Command3), Id(Form2Part::Text1)}));
}

TEST_F(Wizard, SpaceOnNextGoesToTheNamePage) {
    press(VK_SPACE);
    expectPage(false);
    EXPECT_EQ(GetFocus(), wizard(Id(Form2Part::Text2)));
    EXPECT_EQ(tabRound(),
              all({Id(Form2Part::Text2), Id(Form2Part::Command4), Id(Form2Part::Command2)}));
    type(wizard(Id(Form2Part::Text2)), L"Notes");
    EXPECT_EQ(tabRound(), all({Id(Form2Part::Text2), Id(Form2Part::Command4),
                               Id(Form2Part::Command5), Id(Form2Part::Command2)}));
}

// Enter presses the focused button, and away from the buttons the page's default button.
TEST_F(Wizard, EscapeDoesNothingAndEnterPressesTheFocusedOrTheDefaultButton) {
    press(VK_ESCAPE);
    expectPage(true);
    EXPECT_NE(form2(), nullptr);
    press(VK_TAB);  // to "Windows Desktop"
    EXPECT_EQ(DefaultButton(form2()), Id(Form2Part::Command1));
    press(VK_RETURN);  // "Next >"
    expectPage(false);
    press(VK_ESCAPE);
    expectPage(false);
    EXPECT_NE(form2(), nullptr);
    press(VK_TAB);     // to "< Back"
    press(VK_RETURN);  // "< Back", not the default "Finish"
    expectPage(true);
}

TEST_F(Wizard, TheEnablingRulesFollowTheTrimmedText) {
    click(wizard(Id(Form2Part::Option2)));
    const struct {
        const wchar_t* text;
        bool enabled;
    } cases[] = {{L"", false}, {L"   ", false}, {L" C:\\Work ", true}, {L"C:\\Work", true}};
    for (const auto& c : cases) {
        type(wizard(Id(Form2Part::Text1)), c.text);
        EXPECT_EQ(Enabled(wizard(Id(Form2Part::Command1))), c.enabled) << Narrow(c.text);
    }
    click(wizard(Id(Form2Part::Command1)));
    for (const auto& c : cases) {
        type(wizard(Id(Form2Part::Text2)), c.text);
        EXPECT_EQ(Enabled(wizard(Id(Form2Part::Command5))), c.enabled) << Narrow(c.text);
    }
}

TEST_F(Wizard, ClearingTheFolderThenTakingTheDesktopKeepsNextDisabled) {
    click(wizard(Id(Form2Part::Option2)));
    type(wizard(Id(Form2Part::Text1)), L"");
    click(wizard(Id(Form2Part::Option1)));
    EXPECT_FALSE(Enabled(wizard(Id(Form2Part::Text1))));
    EXPECT_EQ(TextOf(wizard(Id(Form2Part::Text1))), L"");
    EXPECT_FALSE(Enabled(wizard(Id(Form2Part::Command1))));
    click(wizard(Id(Form2Part::Command1)));  // a disabled button's click changes nothing
    expectPage(true);
}

TEST_F(Wizard, BackAndNextKeepWhatWasTyped) {
    click(wizard(Id(Form2Part::Command1)));
    type(wizard(Id(Form2Part::Text2)), L"Notes");
    click(wizard(Id(Form2Part::Command4)));
    expectPage(true);
    EXPECT_NE(GetFocus(), nullptr);
    EXPECT_TRUE(Visible(GetFocus()));
    click(wizard(Id(Form2Part::Command1)));
    expectPage(false);
    EXPECT_EQ(TextOf(wizard(Id(Form2Part::Text2))), L"Notes");
    EXPECT_TRUE(Enabled(wizard(Id(Form2Part::Command5))));
}

TEST_F(Wizard, CancelBringsBackAFreshMainWindow) {
    click(wizard(Id(Form2Part::Option2)));
    type(wizard(Id(Form2Part::Text1)), L"C:\\Work");
    const HWND window = form2();
    click(wizard(Id(Form2Part::Command2)));
    EXPECT_FALSE(IsWindow(window));
    ASSERT_NE(form1(), nullptr);
    EXPECT_TRUE(Visible(form1()));
    EXPECT_EQ(GetFocus(), main(Id(Form1Part::Command4)));
    EXPECT_FALSE(program_.ended());

    click(main(Id(Form1Part::Command1)));  // a fresh wizard, nothing of the earlier entries
    EXPECT_EQ(IsDlgButtonChecked(form2(), Id(Form2Part::Option1)), BST_CHECKED);
    EXPECT_NE(TextOf(wizard(Id(Form2Part::Text1))), L"C:\\Work");
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
