#include "wizard/create_wizard.h"

#include <gtest/gtest.h>

#include "tests/support/fake_services.h"
#include "wizard/folder_path.h"

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
    Wizard() {
        services.desktop = std::string("C:\\Users\\owner\\Desktop");
        services.home = std::string("C:\\Users\\owner\\");
    }
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
        {"D:\\Work\\", "Notes", '\\', "D:\\Work\\Notes.tbr"},
        {"D:\\Work", "Notes", '\\', "D:\\Work\\Notes.tbr"},
        {"D:/Work/", "Notes", '\\', "D:/Work/\\Notes.tbr"},
        {"D:\\", "Notes.tbr", '\\', "D:\\Notes.tbr.tbr"},
        {"", "Notes", '\\', "\\Notes.tbr"},
        {"/home/me/My Desktop", "Weekly menu", '/', "/home/me/My Desktop/Weekly menu.tbr"},
        {"/", " a b ", '/', "/a b.tbr"},
        {"/home/me\\", "x", '/', "/home/me\\/x.tbr"},
        {"/home/me/Desk ", " N ", '/', "/home/me/Desk /N.tbr"},      // the folder is not trimmed
        {"\tD:\\Work\t", "\tN\t", '\\', "\tD:\\Work\t\\\tN\t.tbr"},  // only spaces are
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComposeTargetPath(c.folder, c.name, c.sep), c.target)
            << c.folder << "|" << c.name;
    }
}

TEST(AbsoluteFolder, RelativeFoldersAreTakenBelowHome) {
    struct Case {
        const char* folder;
        char sep;
        const char* absolute;
    };
    const Case cases[] = {
        {"/srv/work", '/', "/srv/work"},
        {"/", '/', "/"},
        {"-x", '/', "/home/me/-x"},
        {"Work/Notes", '/', "/home/me/Work/Notes"},
        {"~", '/', "/home/me/"},
        {"~/", '/', "/home/me/"},
        {"~/Documents", '/', "/home/me/Documents"},
        {"~//Documents", '/', "/home/me/Documents"},
        {"~bob/x", '/', "/home/me/~bob/x"},
        {"./x", '/', "/home/me/./x"},
        {"C:\\Work", '/', "/home/me/C:\\Work"},
        {"C:\\Work", '\\', "C:\\Work"},
        {"c:/Work", '\\', "c:/Work"},
        {"\\\\server\\share\\x", '\\', "\\\\server\\share\\x"},
        {"//server/share", '\\', "//server/share"},
        {"\\\\?\\C:\\x", '\\', "\\\\?\\C:\\x"},
        {"Work", '\\', "C:\\Users\\me\\Work"},
        {"-x", '\\', "C:\\Users\\me\\-x"},
        {"~\\Documents", '\\', "C:\\Users\\me\\~\\Documents"},
        {"%USERPROFILE%\\x", '\\', "C:\\Users\\me\\%USERPROFILE%\\x"},
        {"D:Work", '\\', "D:\\Work"},
        {"D:", '\\', "D:\\"},
        {"\\Work", '\\', "C:\\Work"},
        {"/Work", '\\', "C:\\Work"},
    };
    for (const Case& c : cases) {
        const char* home = c.sep == '/' ? "/home/me/" : "C:\\Users\\me\\";
        EXPECT_EQ(AbsoluteFolder(c.folder, home, c.sep), c.absolute) << c.folder << " " << c.sep;
        EXPECT_EQ(IsAbsoluteFolder(c.folder, c.sep), c.folder == std::string(c.absolute))
            << c.folder;
    }
    // Root-relative on a home that is a network share stays on that share.
    EXPECT_EQ(AbsoluteFolder("\\Work", "\\\\srv\\users\\me\\", '\\'), "\\\\srv\\users\\Work");
}

TEST(IsRefusedName, RefusesSeparatorsAndControlCharacters) {
    const std::pair<std::string, bool> cases[] = {
        {"Notes", false},
        {" Weekly menu ", false},
        {"Gr\xc3\xbc\xc3\x9f"
         "e",
         false},
        {"a.b,c;d", false},
        {"a\nb", true},
        {"a\rb", true},
        {"a\tb", true},
        {"\x01", true},
        {"\x1f", true},
        {"a\x7f", true},
        {"../x", true},
        {"a\\b", true},
    };
    for (const auto& [name, refused] : cases) {
        EXPECT_EQ(IsRefusedName(name, '\\'), refused) << name;
    }
    EXPECT_FALSE(IsRefusedName("a\\b", '/'));  // a backslash is part of a name on Linux
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
    EXPECT_EQ(w.services.log.back(), "chooseFolder Select Directory|C:\\Users\\owner\\");
    w.services.home = FakeError();  // the dialog then starts where it likes
    w.wizard.onCommand3Click();
    EXPECT_EQ(w.services.log.back(), "chooseFolder Select Directory|");
}

// A folder the system gave (the desktop at load, the folder dialog's choice) is used exactly as
// given, even when it ends in a space; only what the user typed is trimmed.
TEST(CreateWizard, FolderFromTheSystemIsNeverTrimmed) {
    for (const bool fromDialog : {false, true}) {
        FakeServices s;
        RecordingView v;
        CreateWizard wizard(s, v, '/');
        s.desktop = std::string("/home/o/Desk ");
        s.folderChoice = "/srv/Work ";
        wizard.onLoad();
        wizard.onOption2Click();
        if (fromDialog) {
            wizard.onCommand3Click();
        }
        wizard.onCommand1Click();
        wizard.onText2Change("Notes");
        s.answers = {Answer::No};
        wizard.onCommand5Click();
        EXPECT_EQ(s.written, std::vector<std::string>{fromDialog ? "/srv/Work /Notes.tbr"
                                                                 : "/home/o/Desk /Notes.tbr"});
    }
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
    TargetKind atTarget;  // what is at C:\Users\owner\Desktop\Notes.tbr and D:\Work\Notes.tbr
    std::vector<Answer> answers;
    Status write;
    Status launch;
    std::vector<std::string> log;  // after the load step
    bool ended;
    Result<std::string> home = std::string("C:\\Users\\owner\\");
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
    w.services.home = c.home;
    for (const std::string& path : {kDesk, std::string("D:\\Work\\Notes.tbr")}) {
        if (c.atTarget == TargetKind::ReplaceableFile) {
            w.services.existing.push_back(path);
        } else if (c.atTarget == TargetKind::Unreplaceable) {
            w.services.unreplaceable.push_back(path);
        }
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
                   TargetKind::Nothing,
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
            TargetKind::Nothing,
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
                   TargetKind::Nothing,
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
                   TargetKind::Nothing,
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
                   TargetKind::Nothing,
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
                   TargetKind::Nothing,
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
                   TargetKind::Nothing,
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
                   TargetKind::Nothing,
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
                   TargetKind::ReplaceableFile,
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
                   TargetKind::ReplaceableFile,
                   {Answer::Yes, Answer::No},
                   {},
                   {},
                   {"desktopDirectory", kReplace, "write " + kDesk, kEdit, "endProgram"},
                   true},
        FinishCase{"FolderOrDeviceAtTheTargetIsRefusedWithoutAQuestion",
                   true,
                   "D:\\Work",
                   "Notes",
                   FakeError(),
                   TargetKind::Unreplaceable,
                   {},
                   {},
                   {},
                   {kError},
                   false},
        FinishCase{"ControlCharacterInTheNameIsRefused",
                   true,
                   "D:\\Work",
                   "No\ntes",
                   FakeError(),
                   TargetKind::Nothing,
                   {},
                   {},
                   {},
                   {kError},
                   false},
        FinishCase{"RelativeFolderIsTakenBelowHome",
                   true,
                   " Work ",
                   "Notes",
                   FakeError(),
                   TargetKind::Nothing,
                   {Answer::Yes},
                   {},
                   {},
                   {"specialFolder 40", "write C:\\Users\\owner\\Work\\Notes.tbr", kEdit,
                    "launchEditor C:\\Users\\owner\\Work\\Notes.tbr", "endProgram"},
                   true},
        FinishCase{"RelativeFolderWithoutHomeFails",
                   true,
                   "Work",
                   "Notes",
                   FakeError(),
                   TargetKind::Nothing,
                   {},
                   {},
                   {},
                   {"specialFolder 40", kError},
                   false,
                   FakeError()},
        FinishCase{
            "DesktopEndingInASpaceIsKept",
            false,
            "x",
            "Notes",
            std::string("C:\\Users\\owner\\Desk "),
            TargetKind::Nothing,
            {Answer::No},
            {},
            {},
            {"desktopDirectory", "write C:\\Users\\owner\\Desk \\Notes.tbr", kEdit, "endProgram"},
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
