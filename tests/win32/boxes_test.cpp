// The windows' boxes and dialogs, answered by a timer from inside their modal loops: Finish's
// question and error, the replace question, the file-open dialog, the folder dialog.
#include "tests/win32/window_test_support.h"

#include <commdlg.h>
#include <dlgs.h>
#undef ReplaceText  // commdlg.h's, which would rename MessageId::ReplaceText

#include "document/new_document.h"
#include "launcher/launcher.h"
#include "shell/shell_folders.h"
#include "wizard/create_wizard.h"

namespace tbr::testing {
namespace {

class Boxes : public WindowTest {
  protected:
    // The wizard on its name page, the folder given, the name typed.
    void toNamePage(const std::wstring& folder, const std::wstring& name) {
        click(main(Id(Form1Part::Command1)));
        ASSERT_NE(form2(), nullptr);
        click(wizard(Id(Form2Part::Option2)));
        type(wizard(Id(Form2Part::Text1)), folder);
        click(wizard(Id(Form2Part::Command1)));
        type(wizard(Id(Form2Part::Text2)), name);
    }

    void finish() { click(wizard(Id(Form2Part::Command5))); }

    void expectAllAnswered() {
        EXPECT_EQ(boxes_.pending(), 0u);
        for (const std::wstring& box : boxes_.unexpected()) {
            ADD_FAILURE() << "unexpected box " << Narrow(box);
        }
    }

    ScratchFolder scratch_;
};

TEST_F(Boxes, FinishAsksWhetherToEditWithTheFullPathShown) {
    toNamePage(L" " + scratch_.path() + L" ", L" Notes ");
    const std::wstring target = scratch_ / L"Notes.tbr";
    std::wstring nameBoxDuringQuestion;
    boxes_.expect([&](const Box& box) {
        EXPECT_EQ(box.title, L"Query?");
        EXPECT_EQ(box.text, L"Would you like to edit the Tambrel now?");
        EXPECT_EQ(Buttons(box.window), (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(DefaultButton(box.window), IDYES);
        EXPECT_FALSE(ShowsIcon(box.window));
        EXPECT_EQ(GetWindow(box.window, GW_OWNER), form2());
        nameBoxDuringQuestion = TextOf(wizard(Id(Form2Part::Text2)));
        Press(box.window, IDNO);
    });
    finish();
    expectAllAnswered();
    EXPECT_EQ(nameBoxDuringQuestion, target);
    const auto expected = NewDocumentBytes();
    EXPECT_EQ(ReadBytes(target),
              std::string(reinterpret_cast<const char*>(expected.data()), expected.size()));
    EXPECT_TRUE(program_.ended());
    EXPECT_TRUE(quitPosted());
    EXPECT_EQ(program_.currentWindow(), nullptr);
}

TEST_F(Boxes, YesStartsTheEditorOnTheNewDocumentAndEnds) {
    StandInEditor editor(scratch_);
    toNamePage(scratch_.path(), L"Weekly menu");
    boxes_.expect([](const Box& box) { Press(box.window, IDYES); });
    finish();
    expectAllAnswered();
    const std::string target = Narrow(scratch_ / L"Weekly menu.tbr");
    EXPECT_EQ(editor.record(),
              (std::vector<std::string>{"tbredit \"" + target + "\"", "tbredit", target}));
    EXPECT_TRUE(program_.ended());
}

// The creation error: its text, with the line break shown as one, OK alone, no icon; the wizard
// stays open on its name page.
TEST_F(Boxes, AFolderThatDoesNotExistShowsTheCreationError) {
    toNamePage(scratch_ / L"missing", L"Notes");
    boxes_.expect([&](const Box& box) {
        EXPECT_EQ(box.title, L"Error!!!");
        EXPECT_EQ(box.text, L"Error creating Tambrel! \r\nPlease check the name and path.");
        EXPECT_EQ(Buttons(box.window), std::vector<int>{IDOK});
        EXPECT_FALSE(ShowsIcon(box.window));
        Press(box.window, IDOK);
    });
    finish();
    expectAllAnswered();
    EXPECT_FALSE(program_.ended());
    ASSERT_NE(form2(), nullptr);
    EXPECT_TRUE(Visible(wizard(Id(Form2Part::Text2))));
    EXPECT_TRUE(FolderEntries(scratch_.path()).empty());
}

// Windows reports NUL as present everywhere; it is still no document to replace, and nothing is
// ever written into the device. A pasted tab and half of a surrogate pair are refused too, rather
// than written under another name.
TEST_F(Boxes, AReservedNameEndsInTheCreationErrorWithoutAQuestion) {
    for (const wchar_t* name :
         {L"NUL", L"con", L"COM1", L"a:b", L"what?", L"a\tb", L"half \xD800", L"\xDC00"}) {
        if (form2() == nullptr) {
            click(main(Id(Form1Part::Command1)));
        }
        if (!Visible(wizard(Id(Form2Part::Text2)))) {
            click(wizard(Id(Form2Part::Option2)));
            type(wizard(Id(Form2Part::Text1)), scratch_.path());
            click(wizard(Id(Form2Part::Command1)));
        }
        type(wizard(Id(Form2Part::Text2)), name);
        boxes_.expect([&](const Box& box) {
            EXPECT_EQ(box.title, L"Error!!!") << Narrow(name);
            Press(box.window, IDOK);
        });
        finish();
        expectAllAnswered();
        EXPECT_FALSE(program_.ended());
        EXPECT_EQ(TextOf(wizard(Id(Form2Part::Text2))), name);  // the name as typed, unchanged
        EXPECT_TRUE(FolderEntries(scratch_.path()).empty()) << Narrow(name);
    }
}

// A folder or a read-only document cannot be replaced: no question, the creation error at once.
TEST_F(Boxes, WhatCannotBeReplacedEndsInTheCreationErrorWithoutAQuestion) {
    CreateDirectoryW((scratch_ / L"Folder.tbr").c_str(), nullptr);
    toNamePage(scratch_.path(), L"Folder");
    boxes_.expect([](const Box& box) {
        EXPECT_EQ(box.title, L"Error!!!");
        Press(box.window, IDOK);
    });
    finish();
    expectAllAnswered();
    EXPECT_FALSE(program_.ended());
}

TEST_F(Boxes, AnExistingDocumentIsReplacedOnlyAfterAYes) {
    const std::wstring target = scratch_ / L"Notes.tbr";
    WriteBytes(target, "keep me");
    toNamePage(scratch_.path(), L"Notes");
    boxes_.expect([&](const Box& box) {
        EXPECT_EQ(box.title, L"Query?");
        EXPECT_EQ(box.text, Wide(English(MessageId::ReplaceText)));
        EXPECT_EQ(DefaultButton(box.window), IDNO);
        EXPECT_FALSE(ShowsIcon(box.window));
        Press(box.window, IDNO);
    });
    finish();
    expectAllAnswered();
    EXPECT_EQ(ReadBytes(target), "keep me");
    EXPECT_FALSE(program_.ended());
    EXPECT_EQ(TextOf(wizard(Id(Form2Part::Text2))), L"Notes");
}

TEST_F(Boxes, EnterInTheNameBoxPressesFinish) {
    toNamePage(scratch_ / L"missing", L"Notes");
    ASSERT_EQ(GetFocus(), wizard(Id(Form2Part::Text2)));
    boxes_.expect([](const Box& box) { Press(box.window, IDOK); });
    press(VK_RETURN);
    expectAllAnswered();
}

// The file-open dialog's folder, and the name in its file name box.
std::string FolderOf(const Box& box) {
    wchar_t folder[MAX_PATH] = {};
    SendMessageW(box.window, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    return Narrow(folder);
}
std::wstring FileNameOf(const Box& box) {
    wchar_t name[MAX_PATH] = {};
    SendMessageW(box.window, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(name));
    return name;
}

// The file-open dialog: owned by the main window, titled, one filter, starting on the desktop
// with an empty file name, no read-only box. Cancel changes nothing and shows nothing.
TEST_F(Boxes, TheFileDialogOpensOnTheDesktopAndCancelsQuietly) {
    const Result<std::string> desktop = GetDesktopDirectory(WindowHandle{});
    ASSERT_TRUE(desktop);
    const HWND window = form1();
    boxes_.expect([&](const Box& box) {
        EXPECT_EQ(box.title, L"Select Tambrel");
        EXPECT_EQ(GetWindow(box.window, GW_OWNER), window);
        EXPECT_EQ(FolderOf(box), desktop.value());
        EXPECT_EQ(FileNameOf(box), L"");
        const HWND filter = GetDlgItem(box.window, cmb1);
        EXPECT_EQ(SendMessageW(filter, CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(TextOf(filter).substr(0, 8), L"Tambrels");
        const HWND readOnly = GetDlgItem(box.window, chx1);
        EXPECT_TRUE(readOnly == nullptr || !Visible(readOnly));
        Press(box.window, IDCANCEL);
    });
    click(main(Id(Form1Part::Command2)));
    expectAllAnswered();
    EXPECT_FALSE(program_.ended());
    EXPECT_EQ(form1(), window);
}

// Types a document's path into the file dialog and opens it.
void ChooseInFileDialog(const Box& box, const std::wstring& document) {
    SendMessageW(box.window, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(document.c_str()));
    SendMessageW(box.window, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(document.c_str()));
    Press(box.window, IDOK);
}

// A chosen document goes to the editor whole, and the program ends.
TEST_F(Boxes, AChosenDocumentGoesToTheEditor) {
    const std::wstring document = scratch_ / L"Weekly menu.tbr";
    WriteBytes(document, "x");
    StandInEditor editor(scratch_);
    boxes_.expect([&](const Box& box) { ChooseInFileDialog(box, document); });
    click(main(Id(Form1Part::Command2)));
    expectAllAnswered();
    EXPECT_TRUE(program_.ended());
    const std::string path = Narrow(document);
    EXPECT_EQ(editor.record(),
              (std::vector<std::string>{"tbredit \"" + path + "\"", "tbredit", path}));
}

// Without an editor the main window's error box appears and the program goes on.
TEST_F(Boxes, AMissingEditorShowsTheOpenError) {
    const std::wstring document = scratch_ / L"Notes.tbr";
    WriteBytes(document, "x");
    StandInEditor editor(scratch_, /*installed=*/false);
    boxes_.expect([&](const Box& box) { ChooseInFileDialog(box, document); });
    boxes_.expect([&](const Box& box) {
        EXPECT_EQ(box.title, L"Error!");
        EXPECT_EQ(box.text, Wide(English(MessageId::OpenErrorText)));
        EXPECT_EQ(Buttons(box.window), std::vector<int>{IDOK});
        EXPECT_FALSE(ShowsIcon(box.window));
        EXPECT_EQ(GetWindow(box.window, GW_OWNER), form1());
        Press(box.window, IDOK);
    });
    click(main(Id(Form1Part::Command2)));
    expectAllAnswered();
    EXPECT_FALSE(program_.ended());
    EXPECT_TRUE(Visible(form1()));
}

// The process's current folder moved elsewhere for as long as it lives.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::wstring& folder) {
        GetCurrentDirectoryW(MAX_PATH, before_);
        SetCurrentDirectoryW(folder.c_str());
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    ~CurrentFolder() { SetCurrentDirectoryW(before_); }

  private:
    wchar_t before_[MAX_PATH] = {};
};

// Windows moves the current folder to a picked document's folder, whatever the dialog's flags
// say, and a dialog given only a starting folder reopens where the user last picked. Neither
// shows: the file dialog opens on the desktop again, and relative folders typed afterwards
// (plain, from the root, from a drive) land below the profile folder or on its drive, with the
// full path for the editor.
TEST_F(Boxes, AfterAPickTheDialogAndRelativeFoldersIgnoreTheCurrentFolder) {
    const Result<std::string> profile = cSpecialFolders{}.GetSpecialFolder(kCsidlProfile);
    const Result<std::string> desktop = GetDesktopDirectory(WindowHandle{});
    ASSERT_TRUE(profile && desktop);
    const std::wstring home = Wide(profile.value());
    const std::wstring scratch = scratch_.path();
    if (_wcsnicmp(scratch.c_str(), home.c_str(), home.size()) != 0 || scratch[1] != L':') {
        GTEST_SKIP() << "the scratch folder is not below the profile folder";
    }
    const std::wstring picked = scratch_ / L"Picked.tbr";
    WriteBytes(picked, "x");
    {
        StandInEditor missing(scratch_, /*installed=*/false);
        boxes_.expect([&](const Box& box) { ChooseInFileDialog(box, picked); });
        boxes_.expect([](const Box& box) { Press(box.window, IDOK); });  // no editor: the error
        click(main(Id(Form1Part::Command2)));
        expectAllAnswered();
    }
    const CurrentFolder moved(scratch);  // where Windows leaves it after the pick
    boxes_.expect([&](const Box& box) {
        EXPECT_EQ(FolderOf(box), desktop.value());
        EXPECT_EQ(FileNameOf(box), L"");
        Press(box.window, IDCANCEL);
    });
    click(main(Id(Form1Part::Command2)));
    expectAllAnswered();

    const std::wstring below = scratch.substr(home.size());  // no leading separator
    const struct {
        std::wstring folder;
        std::wstring name;
        std::wstring target;
    } rows[] = {
        {below, L"Plain", home + below + L"\\Plain.tbr"},
        {scratch.substr(2), L"Rooted", home.substr(0, 3) + scratch.substr(3) + L"\\Rooted.tbr"},
        {scratch.substr(0, 2) + scratch.substr(3), L"Drive", scratch + L"\\Drive.tbr"},
    };
    for (const auto& row : rows) {
        DeleteFileW((scratch_ / L"editor-record.txt").c_str());
        StandInEditor editor(scratch_);
        toNamePage(row.folder, row.name);
        boxes_.expect([](const Box& box) { Press(box.window, IDYES); });
        finish();
        expectAllAnswered();
        const std::string target = Narrow(row.target);
        EXPECT_EQ(editor.record(),
                  (std::vector<std::string>{"tbredit \"" + target + "\"", "tbredit", target}));
        EXPECT_TRUE(Exists(scratch_ / (row.name + L".tbr"))) << Narrow(row.folder);
        program_.start();  // the program ended with the editor's start; the next row starts it anew
        pump();
    }
}

// The folder dialog: owned by the wizard, showing "Select Directory"; cancel keeps the folder
// box, a choice replaces it.
TEST_F(Boxes, TheFolderDialogFillsTheFolderBox) {
    click(main(Id(Form1Part::Command1)));
    click(wizard(Id(Form2Part::Option2)));
    type(wizard(Id(Form2Part::Text1)), L"C:\\Before");
    const HWND window = form2();
    bool sawTitle = false;
    boxes_.expect([&](const Box& box) {
        EXPECT_EQ(GetWindow(box.window, GW_OWNER), window);
        for (HWND child = GetWindow(box.window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            sawTitle = sawTitle || TextOf(child) == L"Select Directory";
        }
        Press(box.window, IDCANCEL);
    });
    click(wizard(Id(Form2Part::Command3)));
    expectAllAnswered();
    EXPECT_TRUE(sawTitle);
    EXPECT_EQ(TextOf(wizard(Id(Form2Part::Text1))), L"C:\\Before");

    // It opens on the profile folder, where a relative folder is taken from too.
    const Result<std::string> profile = cSpecialFolders{}.GetSpecialFolder(kCsidlProfile);
    ASSERT_TRUE(profile);
    boxes_.expect([](const Box& box) { Press(box.window, IDOK); });
    click(wizard(Id(Form2Part::Command3)));
    expectAllAnswered();
    EXPECT_EQ(TextOf(wizard(Id(Form2Part::Text1))) + L"\\", Wide(profile.value()));
    EXPECT_TRUE(Enabled(wizard(Id(Form2Part::Command1))));
}

}  // namespace
}  // namespace tbr::testing
