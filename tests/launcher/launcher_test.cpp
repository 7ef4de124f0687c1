#include "launcher/launcher.h"

#include <gtest/gtest.h>

#include "tests/support/fake_services.h"

namespace tbr {
namespace {

using testing::FakeError;
using testing::FakeServices;

const std::string kError = "tell Error! File cannot be accessed. Please check the path.";
const std::string kDialog = "chooseFile Select Tambrel|Tambrels|*.tbr|";

TEST(Launcher, CreateHandsOverToTheWizardAndCloseEnds) {
    FakeServices s;
    Launcher launcher(s, s);
    launcher.onCreateClicked();
    EXPECT_EQ(s.log, (std::vector<std::string>{"showCreateWizard"}));
    launcher.onCloseClicked();
    EXPECT_TRUE(s.ended);
}

struct OpenCase {
    const char* name;
    Result<std::string> desktop;
    Result<std::optional<std::string>> choice;
    Status launch;
    std::vector<std::string> log;
    bool chosenFileThere = true;
};

void PrintTo(const OpenCase& c, std::ostream* os) {
    *os << c.name;
}

class OpenExisting : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenExisting, EndsInTheRightPlace) {
    const OpenCase& c = GetParam();
    FakeServices s;
    s.special = c.desktop;
    s.fileChoice = c.choice;
    s.launchResult = c.launch;
    if (!c.chosenFileThere && c.choice && c.choice.value()) {
        s.missingFiles.push_back(*c.choice.value());
    }
    Launcher(s, s).onEditClicked();
    EXPECT_EQ(s.log, c.log);
}

const std::string kDocs = "/home/my docs/it's \"a\" $(menu).tbr ";
INSTANTIATE_TEST_SUITE_P(
    Road, OpenExisting,
    ::testing::Values(OpenCase{"ChosenFileGoesToTheEditorUnchangedAndTheProgramEnds",
                               std::string("/home/u/Desktop/"),
                               std::optional<std::string>(kDocs),
                               Status{},
                               {"specialFolder 16", kDialog + "/home/u/Desktop/",
                                "launchEditor " + kDocs, "endProgram"}},
                      OpenCase{"CancelDoesNothing",
                               std::string("/d/"),
                               std::optional<std::string>{},
                               Status{},
                               {"specialFolder 16", kDialog + "/d/"}},
                      OpenCase{"NoDesktopLetsTheDialogChoose",
                               std::string(""),
                               std::optional<std::string>{},
                               Status{},
                               {"specialFolder 16", kDialog}},
                      OpenCase{"LookupFailureShowsTheMessage",
                               FakeError(),
                               std::optional<std::string>{},
                               Status{},
                               {"specialFolder 16", kError}},
                      OpenCase{"DialogFailureShowsTheMessage",
                               std::string("/d/"),
                               FakeError(),
                               Status{},
                               {"specialFolder 16", kDialog + "/d/", kError}},
                      OpenCase{
                          "EditorMissingShowsTheMessageAndKeepsRunning",
                          std::string("/d/"),
                          std::optional<std::string>("/d/a.tbr"),
                          FakeError(),
                          {"specialFolder 16", kDialog + "/d/", "launchEditor /d/a.tbr", kError}},
                      // A name the dialog's text cannot carry (not UTF-8) comes back as another.
                      OpenCase{"ChosenPathNamingNoFileShowsTheMessageAndStartsNothing",
                               std::string("/d/"),
                               std::optional<std::string>("/d/\xef\xbf\xbd.tbr"),
                               Status{},
                               {"specialFolder 16", kDialog + "/d/", kError},
                               false}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace tbr
