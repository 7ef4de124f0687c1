#include "wizard/create_wizard.h"

#include <gtest/gtest.h>

#include "tests/support/fake_services.h"

namespace tbr {
namespace {

using testing::FakeError;
using testing::FakeServices;

struct RecordingView : WizardView {
    std::vector<WizardState> renders;
    int nameFocus = 0;
    void render(const WizardState& s) override { renders.push_back(s); }
    void focusNameBox() override { ++nameFocus; }
};

struct Wizard {
    FakeServices services;
    RecordingView view;
    CreateWizard wizard{services, view, '\\'};
    Wizard() { services.desktop = std::string("C:\\Users\\owner\\Desktop"); }
    const WizardState& state() const { return wizard.state(); }
};

TEST(ComposeTargetPath, FollowsTheFolderNameAndExtensionRules) {
    struct Case {
        const char* folder;
        const char* name;
        char sep;
        const char* target;
    };
    const Case cases[] = {
        {"C:\\Users\\owner\\Desktop", " Notes ", '\\', "C:\\Users\\owner\\Desktop\\Notes.tbr"},
        {"  D:\\Work\\  ", "Notes", '\\', "D:\\Work\\Notes.tbr"},
        {"D:\\Work", "Notes", '\\', "D:\\Work\\Notes.tbr"},
        {"D:/Work/", "Notes", '\\', "D:/Work/\\Notes.tbr"},
        {"D:\\", "Notes.tbr", '\\', "D:\\Notes.tbr.tbr"},
        {"", "Notes", '\\', "\\Notes.tbr"},
        {"/home/me/My Desktop", "Weekly menu", '/', "/home/me/My Desktop/Weekly menu.tbr"},
        {"/", " a b ", '/', "/a b.tbr"},
        {"/home/me\\", "x", '/', "/home/me\\/x.tbr"},
        {"\tD:\\Work\t", "N", '\\', "\tD:\\Work\t\\N.tbr"},  // only spaces are trimmed
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComposeTargetPath(c.folder, c.name, c.sep), c.target)
            << c.folder << "|" << c.name;
    }
}

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
    w.wizard.onCommand1Click();  // a stray click on the disabled button does nothing
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
        w.wizard.onOption2Click();
        w.wizard.onText1Change(c.text);
        EXPECT_EQ(w.state().nextEnabled, c.enabled) << '"' << c.text << '"';
        w.wizard.onText2Change(c.text);
        EXPECT_EQ(w.state().finishEnabled, c.enabled) << '"' << c.text << '"';
    }
}

TEST(CreateWizard, OptionsEnableTheFolderControlsAndKeepTheText) {
    Wizard w;
    w.wizard.onLoad();
    w.wizard.onOption2Click();
    EXPECT_TRUE(w.state().folderBoxEnabled);
    EXPECT_TRUE(w.state().browseEnabled);
    EXPECT_FALSE(w.state().desktopSelected);
    w.wizard.onText1Change("");
    w.wizard.onOption1Click();
    EXPECT_FALSE(w.state().folderBoxEnabled);
    EXPECT_FALSE(w.state().browseEnabled);
    EXPECT_EQ(w.state().folderText, "");  // the desktop is not put back
    EXPECT_FALSE(w.state().nextEnabled);
}

TEST(CreateWizard, NextAndBackSwitchPagesAndKeepEverything) {
    Wizard w;
    w.wizard.onLoad();
    w.wizard.onCommand1Click();
    EXPECT_EQ(w.state().page, WizardPage::Name);
    EXPECT_EQ(w.view.nameFocus, 1);
    w.wizard.onText2Change("Notes");
    w.wizard.onCommand4Click();
    EXPECT_EQ(w.state().page, WizardPage::Location);
    w.wizard.onCommand1Click();
    EXPECT_EQ(w.state().nameText, "Notes");
    EXPECT_TRUE(w.state().finishEnabled);
}

TEST(CreateWizard, BrowseSetsTheFolderOrChangesNothing) {
    Wizard w;
    w.wizard.onLoad();
    w.wizard.onCommand3Click();  // disabled while "Windows Desktop" is selected
    EXPECT_TRUE(w.services.log.size() == 1);
    w.wizard.onOption2Click();
    w.wizard.onCommand3Click();  // cancelled
    EXPECT_EQ(w.state().folderText, "C:\\Users\\owner\\Desktop");
    w.services.folderChoice = "D:\\Work";
    w.wizard.onCommand3Click();
    EXPECT_EQ(w.state().folderText, "D:\\Work");
    w.services.folderChoice = "";
    w.wizard.onCommand3Click();
    EXPECT_EQ(w.state().folderText, "");
    EXPECT_FALSE(w.state().nextEnabled);
    EXPECT_EQ(w.services.log.back(), "chooseFolder Select Directory");
}

TEST(CreateWizard, CancelShowsTheMainWindow) {
    Wizard w;
    w.wizard.onLoad();
    w.wizard.onCommand2Click();
    EXPECT_EQ(w.services.log.back(), "showMainWindow");
}

// Finish, from the location choice to the end of the program or back to the name page.
struct FinishCase {
    const char* name;
    bool otherLocation;
    const char* folderText;
    const char* typed;
    Result<std::string> desktop;
    bool exists;
    std::vector<Answer> answers;
    Status write;
    Status launch;
    std::vector<std::string> log;  // after the load step
    bool ended;
};

const std::string kEdit = std::string("ask Query? ") + kEditNowText + " [Yes]";
const std::string kReplace = std::string("ask Query? ") + kReplaceText + " [No]";
const std::string kError = std::string("tell Error!!! ") + kCreateErrorText;
const std::string kDesk = "C:\\Users\\owner\\Desktop\\Notes.tbr";

void PrintTo(const FinishCase& c, std::ostream* os) {
    *os << c.name;
}

class Finish : public ::testing::TestWithParam<FinishCase> {};

TEST_P(Finish, DoesEachStepInOrder) {
    const FinishCase& c = GetParam();
    Wizard w;
    w.wizard.onLoad();
    w.services.log.clear();
    if (c.otherLocation) {
        w.wizard.onOption2Click();
    }
    w.wizard.onText1Change(c.folderText);
    w.wizard.onCommand1Click();
    w.wizard.onText2Change(c.typed);
    w.services.desktop = c.desktop;
    w.services.answers.assign(c.answers.begin(), c.answers.end());
    w.services.writeResult = c.write;
    w.services.launchResult = c.launch;
    if (c.exists) {
        w.services.existing.push_back(kDesk);
        w.services.existing.push_back("D:\\Work\\Notes.tbr");
    }

    w.wizard.onCommand5Click();

    EXPECT_EQ(w.services.log, c.log);
    EXPECT_EQ(w.services.ended, c.ended);
    if (!c.ended) {
        // Back on the name page, ready for another Finish with the name as typed.
        EXPECT_EQ(w.state().page, WizardPage::Name);
        EXPECT_EQ(w.state().nameText, c.typed);
        EXPECT_TRUE(w.state().finishEnabled);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Road, Finish,
    ::testing::Values(
        FinishCase{"DesktopAnswerNo",
                   false,
                   "D:\\Elsewhere",
                   " Notes ",
                   std::string("C:\\Users\\owner\\Desktop"),
                   false,
                   {Answer::No},
                   {},
                   {},
                   {"desktopDirectory", "write " + kDesk, kEdit, "endProgram"},
                   true},
        FinishCase{
            "DesktopAnswerYesStartsTheEditor",
            false,
            "x",
            "Notes",
            std::string("C:\\Users\\owner\\Desktop"),
            false,
            {Answer::Yes},
            {},
            {},
            {"desktopDirectory", "write " + kDesk, kEdit, "launchEditor " + kDesk, "endProgram"},
            true},
        FinishCase{"OtherLocationIgnoresTheDesktop",
                   true,
                   "  D:\\Work\\  ",
                   "Notes",
                   FakeError(),
                   false,
                   {Answer::No},
                   {},
                   {},
                   {"write D:\\Work\\Notes.tbr", kEdit, "endProgram"},
                   true},
        FinishCase{"DesktopLookupFails",
                   false,
                   "x",
                   "Notes",
                   FakeError(),
                   false,
                   {},
                   {},
                   {},
                   {"desktopDirectory", kError},
                   false},
        FinishCase{"WriteFails",
                   true,
                   "D:\\Missing",
                   "Notes",
                   FakeError(),
                   false,
                   {},
                   FakeError(),
                   {},
                   {"write D:\\Missing\\Notes.tbr", kError},
                   false},
        FinishCase{"EditorMissingAfterYes",
                   true,
                   "D:\\Work",
                   "Notes",
                   FakeError(),
                   false,
                   {Answer::Yes},
                   {},
                   FakeError(),
                   {"write D:\\Work\\Notes.tbr", kEdit, "launchEditor D:\\Work\\Notes.tbr", kError},
                   false},
        FinishCase{"NameWithASlashIsRefused",
                   true,
                   "D:\\Work",
                   "../Notes",
                   FakeError(),
                   false,
                   {},
                   {},
                   {},
                   {kError},
                   false},
        FinishCase{"NameWithABackslashIsRefused",
                   true,
                   "D:\\Work",
                   "sub\\Notes",
                   FakeError(),
                   false,
                   {},
                   {},
                   {},
                   {kError},
                   false},
        FinishCase{"ExistingDocumentKeptOnNo",
                   true,
                   "D:\\Work",
                   " Notes",
                   FakeError(),
                   true,
                   {Answer::No},
                   {},
                   {},
                   {kReplace},
                   false},
        FinishCase{"ExistingDocumentReplacedOnYes",
                   false,
                   "x",
                   "Notes",
                   std::string("C:\\Users\\owner\\Desktop\\"),
                   true,
                   {Answer::Yes, Answer::No},
                   {},
                   {},
                   {"desktopDirectory", kReplace, "write " + kDesk, kEdit, "endProgram"},
                   true}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(CreateWizard, NameBoxShowsTheFullPathWhileABoxIsUp) {
    struct PathCheckingServices : FakeServices {
        CreateWizard* wizard = nullptr;
        std::vector<std::string> shownDuringBoxes;
        Answer ask(const std::string& t, const std::string& ti, Answer d) override {
            shownDuringBoxes.push_back(wizard->state().nameText);
            return FakeServices::ask(t, ti, d);
        }
        void tell(const std::string& t, const std::string& ti) override {
            shownDuringBoxes.push_back(wizard->state().nameText);
            FakeServices::tell(t, ti);
        }
    };
    PathCheckingServices s;
    RecordingView v;
    CreateWizard wizard(s, v, '/');
    s.wizard = &wizard;
    s.desktop = std::string("/home/o/Desktop");
    s.writeResult = FakeError();
    wizard.onLoad();
    wizard.onCommand1Click();
    wizard.onText2Change(" Notes ");
    wizard.onCommand5Click();  // write fails: error box
    s.writeResult = Status{};
    s.answers = {Answer::No};
    wizard.onCommand5Click();  // the second try composes the same path
    EXPECT_EQ(s.shownDuringBoxes,
              (std::vector<std::string>{"/home/o/Desktop/Notes.tbr", "/home/o/Desktop/Notes.tbr"}));
    EXPECT_EQ(s.written, (std::vector<std::string>{"/home/o/Desktop/Notes.tbr"}));
    // The view saw the full path before the first box.
    bool sawFullPath = false;
    for (const auto& r : v.renders) {
        sawFullPath = sawFullPath || r.nameText == "/home/o/Desktop/Notes.tbr";
    }
    EXPECT_TRUE(sawFullPath);
}

}  // namespace
}  // namespace tbr
