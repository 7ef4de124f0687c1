// The real tbrwiz.exe, driven from another process as a user would: create a document and open
// it in the stand-in editor, open an existing one, cancel and close. The program's path is the
// first argument (a Linux path under Wine).
#include "tests/win32/program_under_test.h"

#include <dlgs.h>

#include "document/new_document.h"
#include "launcher/form1_window.h"
#include "shell/shell_folders.h"
#include "ui/win32/catalogue.h"
#include "ui/win32/described_controls.h"
#include "wizard/form2_window.h"

namespace tbr::testing {
namespace {

// Control numbers of the program's windows, by their parts in the windows' descriptions.
using win32::ControlId;
constexpr int kMainCreate = ControlId(Form1Part::Command1);
constexpr int kMainEdit = ControlId(Form1Part::Command2);
constexpr int kMainClose = ControlId(Form1Part::Command4);
constexpr int kWizardNext = ControlId(Form2Part::Command1);
constexpr int kWizardOption2 = ControlId(Form2Part::Option2);
constexpr int kWizardFolder = ControlId(Form2Part::Text1);
constexpr int kWizardName = ControlId(Form2Part::Text2);
constexpr int kWizardFinish = ControlId(Form2Part::Command5);
constexpr int kWizardCancel = ControlId(Form2Part::Command2);
constexpr wchar_t kMainTitle[] = L"Tambrel Wizard";
constexpr wchar_t kWizardTitle[] = L"Create Tambrel";

// Clicks are posted: a click that opens a modal box only returns once the box is gone.
void Click(HWND window, int id) {
    PostMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
}

void SetText(HWND control, const std::wstring& text) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &ignored);
}

std::string NewDocument() {
    const auto bytes = NewDocumentBytes();
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// What the stand-in editor records when it is started for a document.
std::vector<std::string> EditorStartedFor(const std::wstring& document) {
    const std::string path = Narrow(document);
    return {"tbredit \"" + path + "\"", "tbredit", path};
}

// The started program's main window, once it is there.
void WaitForTheMainWindow(const RunningProgram& program, HWND& main) {
    ASSERT_TRUE(program.started());
    main = program.window(kMainTitle);
    ASSERT_NE(main, nullptr);
}

// From the started program's main window, with the create button, to the wizard that takes
// its place.
void OpenTheWizard(const RunningProgram& program, HWND& wizard) {
    HWND main = nullptr;
    ASSERT_NO_FATAL_FAILURE(WaitForTheMainWindow(program, main));
    Click(main, kMainCreate);
    wizard = program.window(kWizardTitle);
    ASSERT_NE(wizard, nullptr);
    EXPECT_FALSE(IsWindow(main));
}

// Presses "Finish" and answers the question that follows (IDYES or IDNO).
void FinishAndAnswer(const RunningProgram& program, HWND wizard, int answer) {
    Click(wizard, kWizardFinish);
    const HWND question = program.window(L"Query?");
    ASSERT_NE(question, nullptr);
    PostMessageW(question, WM_COMMAND, static_cast<WPARAM>(answer), 0);
}

TEST(EndToEnd, CreatesADocumentOnTheDesktopAndOpensItInTheEditor) {
    ScratchFolder scratch;
    StandInEditor editor(scratch);
    const Result<std::string> desktop = GetDesktopDirectory(WindowHandle{});
    ASSERT_TRUE(desktop);
    const std::wstring target =
        Wide(desktop.value()) + L"\\End to end " + std::to_wstring(GetCurrentProcessId()) + L".tbr";
    DeleteFileW(target.c_str());

    RunningProgram program;
    HWND wizard = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenTheWizard(program, wizard));
    Click(wizard, kWizardNext);
    const std::wstring name = target.substr(target.find_last_of(L'\\') + 1);
    SetText(GetDlgItem(wizard, kWizardName), L" " + name.substr(0, name.size() - 4) + L" ");
    ASSERT_NO_FATAL_FAILURE(FinishAndAnswer(program, wizard, IDYES));

    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(ReadBytes(target), NewDocument());
    EXPECT_EQ(editor.record(), EditorStartedFor(target));
    DeleteFileW(target.c_str());
}

TEST(EndToEnd, OpensAnExistingDocumentInTheEditor) {
    ScratchFolder scratch;
    StandInEditor editor(scratch);
    const std::wstring document = scratch / L"Weekly menu.tbr";
    WriteBytes(document, "x");

    RunningProgram program;
    HWND main = nullptr;
    ASSERT_NO_FATAL_FAILURE(WaitForTheMainWindow(program, main));
    Click(main, kMainEdit);
    const HWND dialog = program.window(L"Select Tambrel");
    ASSERT_NE(dialog, nullptr);
    for (const int id : {edt1, cmb13}) {
        if (const HWND box = GetDlgItem(dialog, id)) {
            const HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
            SetText(edit != nullptr ? edit : box, document);
        }
    }
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);

    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(editor.record(), EditorStartedFor(document));
    EXPECT_EQ(editor.environment(), EnvironmentLines());  // what the user started tbrwiz with
}

TEST(EndToEnd, CreatesInAnotherFolderAndEndsOnNo) {
    ScratchFolder scratch;
    StandInEditor editor(scratch);
    RunningProgram program;
    HWND wizard = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenTheWizard(program, wizard));
    Click(wizard, kWizardOption2);
    SetText(GetDlgItem(wizard, kWizardFolder), scratch.path() + L"\\");
    Click(wizard, kWizardNext);
    SetText(GetDlgItem(wizard, kWizardName), L"Notes");
    ASSERT_NO_FATAL_FAILURE(FinishAndAnswer(program, wizard, IDNO));

    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(ReadBytes(scratch / L"Notes.tbr"), NewDocument());
    EXPECT_TRUE(editor.record(std::chrono::milliseconds(300)).empty());
}

TEST(EndToEnd, CancelReturnsToTheMainWindowAndCloseEnds) {
    RunningProgram program;
    HWND wizard = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenTheWizard(program, wizard));
    Click(wizard, kWizardCancel);
    const HWND again = program.window(kMainTitle);
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(IsWindow(wizard));
    EXPECT_EQ(program.exitCode(0), -1);
    Click(again, kMainClose);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(EndToEnd, ClosingTheWizardThroughTheWindowSystemEnds) {
    RunningProgram program;
    HWND wizard = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenTheWizard(program, wizard));
    PostMessageW(wizard, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

// The program's texts in one of its languages, read from its own string tables.
class ProgramTexts {
  public:
    explicit ProgramTexts(LANGID language)
        : module_(LoadLibraryExW(programPath.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)),
          catalogue_(module_, language) {}
    ProgramTexts(const ProgramTexts&) = delete;
    ProgramTexts& operator=(const ProgramTexts&) = delete;
    ~ProgramTexts() { FreeLibrary(module_); }

    std::wstring operator()(MessageId id) const { return catalogue_.text(id); }
    LANGID language() const { return catalogue_.language(); }

  private:
    HMODULE module_;
    win32::Catalogue catalogue_;
};

// A control's text, asked across the process boundary.
std::wstring TextOf(HWND control) {
    wchar_t text[512] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, &ignored);
    return text;
}

// A button's text without the & that marks its access key.
std::wstring ButtonText(HWND box, int id) {
    std::wstring text = TextOf(GetDlgItem(box, id));
    text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());
    return text;
}

bool Mirrored(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

// The user's language, which Wine takes from LC_ALL when a program starts (and hands on to the
// programs it starts): the roads in German and Arabic run in CTest entries of their own that
// set it, and are skipped in any other language.
bool UserSpeaks(WORD language) {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == language;
}

// Started in German, every window speaks German, the question after Finish too, with the
// system's own Ja and Nein.
TEST(EndToEnd, SpeaksGermanToAGermanUser) {
    if (!UserSpeaks(LANG_GERMAN)) {
        GTEST_SKIP() << "runs with LC_ALL=de_DE.UTF-8 (win32_end_to_end_test_de)";
    }
    const ProgramTexts german(0x07);
    ASSERT_EQ(german.language(), 0x07);
    ScratchFolder scratch;
    StandInEditor editor(scratch);
    RunningProgram program;
    const HWND main = program.window(german(MessageId::MainWindowTitle).c_str());
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(Mirrored(main));
    EXPECT_EQ(TextOf(GetDlgItem(main, kMainClose)), german(MessageId::CloseButton));
    Click(main, kMainCreate);
    const HWND wizard = program.window(german(MessageId::WizardTitle).c_str());
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(wizard, kWizardNext)), german(MessageId::NextButton));
    Click(wizard, kWizardOption2);
    SetText(GetDlgItem(wizard, kWizardFolder), scratch.path());
    Click(wizard, kWizardNext);
    SetText(GetDlgItem(wizard, kWizardName), L"Notizen");
    Click(wizard, kWizardFinish);
    const HWND question = program.window(german(MessageId::QueryTitle).c_str());
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(question, 0xFFFF)), german(MessageId::EditNowText));
    EXPECT_EQ(ButtonText(question, IDYES), L"Ja");
    EXPECT_EQ(ButtonText(question, IDNO), L"Nein");
    PostMessageW(question, WM_COMMAND, IDNO, 0);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(ReadBytes(scratch / L"Notizen.tbr"), NewDocument());
}

// Started in Arabic, both windows are mirrored; Cancel and Close work as ever.
TEST(EndToEnd, MirrorsItsWindowsForAnArabicUser) {
    if (!UserSpeaks(LANG_ARABIC)) {
        GTEST_SKIP() << "runs with LC_ALL=ar_SA.UTF-8 (win32_end_to_end_test_ar)";
    }
    const ProgramTexts arabic(0x01);
    ASSERT_EQ(arabic.language(), 0x01);
    RunningProgram program;
    const HWND main = program.window(arabic(MessageId::MainWindowTitle).c_str());
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(Mirrored(main));
    Click(main, kMainCreate);
    const HWND wizard = program.window(arabic(MessageId::WizardTitle).c_str());
    ASSERT_NE(wizard, nullptr);
    EXPECT_TRUE(Mirrored(wizard));
    EXPECT_EQ(TextOf(GetDlgItem(wizard, kWizardCancel)), arabic(MessageId::CancelButton));
    Click(wizard, kWizardCancel);
    const HWND again = program.window(arabic(MessageId::MainWindowTitle).c_str());
    ASSERT_NE(again, nullptr);
    Click(again, kMainClose);
    EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace
}  // namespace tbr::testing

int main(int argc, char** argv) {
    return tbr::testing::RunTestsOnProgram(argc, argv);
}
