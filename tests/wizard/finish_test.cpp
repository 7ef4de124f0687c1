// Finish: from the location choice to the end of the program, or back to the name page.
#include <gtest/gtest.h>

#include "tests/wizard/wizard_fixture.h"

namespace tbr {
namespace {

using testing::FakeError;
using testing::FakeServices;
using testing::RecordingView;
using testing::Wizard;

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

const std::string kEdit = "ask Query? Would you like to edit the Tambrel now? [Yes]";
const std::string kReplace =
    "ask Query? A Tambrel with this name already exists. Would you like to replace it? [No]";
const std::string kError =
    "tell Error!!! Error creating Tambrel! \rPlease check the name and path.";
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
        w.wizard.onOtherLocationClicked();
    }
    w.wizard.onFolderTextChanged(c.folderText);
    w.wizard.onNextClicked();
    w.wizard.onNameTextChanged(c.typed);
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

    w.wizard.onFinishClicked();

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
        FinishCase{"RelativeFolderWithAnEmptyHomeFails",
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
                   std::string()},
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
        Answer ask(MessageId t, MessageId ti, Answer d) override {
            shownDuringBoxes.push_back(wizard->state().nameText);
            return FakeServices::ask(t, ti, d);
        }
        void tell(MessageId t, MessageId ti) override {
            shownDuringBoxes.push_back(wizard->state().nameText);
            FakeServices::tell(t, ti);
        }
    };
    PathCheckingServices s;
    RecordingView v;
    CreateWizard wizard(s, s, v, '/');
    s.wizard = &wizard;
    s.desktop = std::string("/home/o/Desktop");
    s.writeResult = FakeError();
    wizard.onLoad();
    wizard.onNextClicked();
    wizard.onNameTextChanged(" Notes ");
    wizard.onFinishClicked();  // write fails: error box
    s.writeResult = Status{};
    s.answers = {Answer::No};
    wizard.onFinishClicked();  // the second try composes the same path
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
