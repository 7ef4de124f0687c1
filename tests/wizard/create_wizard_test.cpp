// The wizard's pages, options, enabling rules, Browse and Cancel.
#include <gtest/gtest.h>

#include "tests/wizard/wizard_fixture.h"

namespace tbr {
namespace {

using testing::FakeError;
using testing::FakeServices;
using testing::RecordingView;
using testing::Wizard;

TEST(CreateWizard, OpensOnTheLocationPageWithTheDesktop) {
    Wizard w;
    w.wizard.onLoad();
    WizardState expected;
    expected.folderText = "C:\\Users\\owner\\Desktop";
    EXPECT_EQ(w.state(), expected);
    EXPECT_EQ(w.view.renders.back(), expected);
}

TEST(CreateWizard, WithoutADesktopTheFolderBoxIsEmptyAndNextDisabled) {
    Wizard w;
    w.services.desktop = FakeError();
    w.wizard.onLoad();
    EXPECT_EQ(w.state().folderText, "");
    EXPECT_FALSE(w.state().nextEnabled);
    w.wizard.onNextClicked();  // a stray click on the disabled button does nothing
    EXPECT_EQ(w.state().page, WizardPage::Location);
}

TEST(CreateWizard, EnablingFollowsTheTrimmedText) {
    struct Case {
        const char* text;
        bool enabled;
    };
    const Case cases[] = {{"", false},         {"   ", false}, {" D:\\Work", true},
                          {"D:\\Work ", true}, {"x", true},    {"\t", true}};
    for (const Case& c : cases) {
        Wizard w;
        w.wizard.onLoad();
        w.wizard.onOtherLocationClicked();
        w.wizard.onFolderTextChanged(c.text);
        EXPECT_EQ(w.state().nextEnabled, c.enabled) << '"' << c.text << '"';
        w.wizard.onNameTextChanged(c.text);
        EXPECT_EQ(w.state().finishEnabled, c.enabled) << '"' << c.text << '"';
    }
}

TEST(CreateWizard, OptionsEnableTheFolderControlsAndKeepTheText) {
    Wizard w;
    w.wizard.onLoad();
    w.wizard.onOtherLocationClicked();
    EXPECT_TRUE(w.state().folderBoxEnabled);
    EXPECT_TRUE(w.state().browseEnabled);
    EXPECT_FALSE(w.state().desktopSelected);
    w.wizard.onFolderTextChanged("");
    w.wizard.onDesktopClicked();
    EXPECT_FALSE(w.state().folderBoxEnabled);
    EXPECT_FALSE(w.state().browseEnabled);
    EXPECT_EQ(w.state().folderText, "");  // the desktop is not put back
    EXPECT_FALSE(w.state().nextEnabled);
}

TEST(CreateWizard, NextAndBackSwitchPagesAndKeepEverything) {
    Wizard w;
    w.wizard.onLoad();
    w.wizard.onNextClicked();
    EXPECT_EQ(w.state().page, WizardPage::Name);
    EXPECT_EQ(w.view.focused, std::vector<Form2Part>{Form2Part::Text2});
    w.wizard.onNameTextChanged("Notes");
    w.wizard.onBackClicked();
    EXPECT_EQ(w.state().page, WizardPage::Location);
    w.wizard.onNextClicked();
    EXPECT_EQ(w.state().nameText, "Notes");
    EXPECT_TRUE(w.state().finishEnabled);
}

// A click reaching a button its page does not show (some window systems deliver one) changes
// nothing, though the button's own enabling would allow it; nor does one on a disabled button.
TEST(CreateWizard, ButtonsOfTheOtherPageDoNothing) {
    const struct {
        const char* what;
        WizardPage page;
        Form2Part button;
        const char* name = "Notes";
    } rows[] = {
        {"Finish on the location page", WizardPage::Location, Form2Part::Command5},
        {"Next on the name page", WizardPage::Name, Form2Part::Command1},
        {"Browse on the name page", WizardPage::Name, Form2Part::Command3},
        {"Finish disabled by a blank name", WizardPage::Name, Form2Part::Command5, "  "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Wizard w;
        w.wizard.onLoad();
        w.wizard.onOtherLocationClicked();
        w.wizard.onFolderTextChanged("D:\\Work");
        w.wizard.onNextClicked();
        w.wizard.onNameTextChanged(row.name);
        if (row.page == WizardPage::Location) {
            w.wizard.onBackClicked();
        }
        const WizardState before = w.state();
        const std::vector<std::string> log = w.services.log;
        const std::vector<Form2Part> focused = w.view.focused;
        w.wizard.onClicked(row.button);
        EXPECT_EQ(w.state(), before);
        EXPECT_EQ(w.services.log, log);
        EXPECT_EQ(w.view.focused, focused);
    }
}

TEST(CreateWizard, BrowseSetsTheFolderOrChangesNothing) {
    Wizard w;
    w.wizard.onLoad();
    w.wizard.onBrowseClicked();  // disabled while "Windows Desktop" is selected
    EXPECT_TRUE(w.services.log.size() == 1);
    w.wizard.onOtherLocationClicked();
    w.wizard.onBrowseClicked();  // cancelled
    EXPECT_EQ(w.state().folderText, "C:\\Users\\owner\\Desktop");
    w.services.folderChoice = "D:\\Work";
    w.wizard.onBrowseClicked();
    EXPECT_EQ(w.state().folderText, "D:\\Work");
    w.services.folderChoice = "";
    w.wizard.onBrowseClicked();
    EXPECT_EQ(w.state().folderText, "");
    EXPECT_FALSE(w.state().nextEnabled);
    EXPECT_EQ(w.services.log.back(), "chooseFolder Select Directory|C:\\Users\\owner\\");
    w.services.home = FakeError();  // the dialog then starts where it likes
    w.wizard.onBrowseClicked();
    EXPECT_EQ(w.services.log.back(), "chooseFolder Select Directory|");
}

// A folder the system gave (the desktop at load, the folder dialog's choice) is used exactly as
// given, even when it ends in a space; only what the user typed is trimmed.
TEST(CreateWizard, FolderFromTheSystemIsNeverTrimmed) {
    for (const bool fromDialog : {false, true}) {
        FakeServices s;
        RecordingView v;
        CreateWizard wizard(s, s, v, '/');
        s.desktop = std::string("/home/o/Desk ");
        s.folderChoice = "/srv/Work ";
        wizard.onLoad();
        wizard.onOtherLocationClicked();
        if (fromDialog) {
            wizard.onBrowseClicked();
        }
        wizard.onNextClicked();
        wizard.onNameTextChanged("Notes");
        s.answers = {Answer::No};
        wizard.onFinishClicked();
        EXPECT_EQ(s.written, std::vector<std::string>{fromDialog ? "/srv/Work /Notes.tbr"
                                                                 : "/home/o/Desk /Notes.tbr"});
    }
}

TEST(CreateWizard, CancelShowsTheMainWindow) {
    Wizard w;
    w.wizard.onLoad();
    w.wizard.onCancelClicked();
    EXPECT_EQ(w.services.log.back(), "showMainWindow");
}

}  // namespace
}  // namespace tbr
