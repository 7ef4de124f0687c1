// The document writer on Windows: a complete document or nothing, the target untouched by every
// failure, and the names that Windows would turn into something else refused.
#include "common/long_path_win32.h"
#include "document/new_document.h"
#include "document/rename_step_win32.h"
#include "document/write_new_document.h"
#include "tests/win32/win32_test_support.h"

namespace tbr::testing {
namespace {

std::string NewDocument() {
    const auto bytes = NewDocumentBytes();
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

TEST(WriteNewDocumentOnWindows, WritesTheCompleteDocumentAndNothingElse) {
    ScratchFolder scratch;
    const Status written = WriteNewDocument(Narrow(scratch / L"Notes.tbr"));
    ASSERT_TRUE(written) << written.error().message;
    EXPECT_EQ(ReadBytes(scratch / L"Notes.tbr"), NewDocument());
    EXPECT_EQ(FolderEntries(scratch.path()), std::vector<std::wstring>{L"Notes.tbr"});
    // The temporary file was hidden; the document is not.
    EXPECT_EQ(GetFileAttributesW((scratch / L"Notes.tbr").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

// Another program (file_holder.exe, built beside this test) holding a file open without sharing
// writing or deleting, as virus scanners, sync clients and the preview pane do for a moment.
class HeldFile {
  public:
    HeldFile(const std::wstring& path, bool untilWrittenBeside) {
        static int counter = 0;
        const std::wstring name = L"tbrwiz-held-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                  std::to_wstring(++counter);
        ready_ = CreateEventW(nullptr, TRUE, FALSE, (name + L"-ready").c_str());
        release_ = CreateEventW(nullptr, TRUE, FALSE, (name + L"-release").c_str());
        std::wstring command = L"\"" + ProgramFolder() + L"\\win32_file_holder.exe\" \"" + path +
                               L"\" " + name + L"-ready " + name + L"-release" +
                               (untilWrittenBeside ? L" --until-written-beside" : L"");
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                           nullptr, nullptr, &startup, &process)) {
            CloseHandle(process.hThread);
            process_ = process.hProcess;
            const HANDLE either[] = {ready_, process_};
            holding_ = WaitForMultipleObjects(2, either, FALSE, 30000) == WAIT_OBJECT_0;
        }
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile() {
        SetEvent(release_);
        if (process_ != nullptr) {
            WaitForSingleObject(process_, 30000);
            CloseHandle(process_);
        }
        CloseHandle(release_);
        CloseHandle(ready_);
    }

    bool holding() const { return holding_; }

  private:
    HANDLE ready_ = nullptr;
    HANDLE release_ = nullptr;
    HANDLE process_ = nullptr;
    bool holding_ = false;
};

// Held for a moment, the document is waited for and replaced; held for good, the write fails
// after about a second with the old document as it was and no temporary file left, hidden or not.
TEST(WriteNewDocumentOnWindows, WaitsOutAPassingLockAndGivesUpOnALastingOne) {
    const std::string old = "the old document, which must survive";
    for (const bool passing : {true, false}) {
        ScratchFolder scratch;
        const std::wstring target = scratch / L"Notes.tbr";
        WriteBytes(target, old);
        Status written;
        {
            HeldFile holder(target, /*untilWrittenBeside=*/passing);
            ASSERT_TRUE(holder.holding()) << passing;
            written = WriteNewDocument(Narrow(target));
        }
        EXPECT_EQ(written.ok(), passing) << (written ? "" : written.error().message);
        EXPECT_EQ(ReadBytes(target), passing ? NewDocument() : old) << passing;
        EXPECT_EQ(FolderEntries(scratch.path()), std::vector<std::wstring>{L"Notes.tbr"})
            << passing;
    }
}

TEST(WriteNewDocumentOnWindows, ReplacesALargerFileWhole) {
    ScratchFolder scratch;
    WriteBytes(scratch / L"Notes.tbr", std::string(100000, 'x'));
    ASSERT_TRUE(WriteNewDocument(Narrow(scratch / L"Notes.tbr")));
    EXPECT_EQ(ReadBytes(scratch / L"Notes.tbr"), NewDocument());
}

TEST(WriteNewDocumentOnWindows, TakesForwardSlashesLongPathsAndOtherScripts) {
    ScratchFolder scratch;
    // A folder typed as D:/Work/ gives D:/Work/\Notes.tbr; Windows reads both as separators.
    const std::string mixed = Narrow(scratch.path()) + "/\\Mixed.tbr";
    ASSERT_TRUE(WriteNewDocument(mixed));
    EXPECT_TRUE(Exists(scratch / L"Mixed.tbr"));

    std::wstring deep = scratch.path();
    while (deep.size() < 300) {
        deep += L"\\a-rather-long-folder-name";
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
    }
    const Status longPath = WriteNewDocument(Narrow(deep + L"\\Notes.tbr"));
    ASSERT_TRUE(longPath) << longPath.error().message;
    EXPECT_EQ(ReadBytes(L"\\\\?\\" + deep + L"\\Notes.tbr"), NewDocument());
    // The form the writer reaches a path beyond MAX_PATH by, on a drive and on a network share.
    const std::pair<std::wstring, std::wstring> forms[] = {
        {L"C:\\Work\\Notes.tbr", L"\\\\?\\C:\\Work\\Notes.tbr"},
        {L"\\\\server\\share\\Notes.tbr", L"\\\\?\\UNC\\server\\share\\Notes.tbr"},
        {L"\\\\?\\UNC\\server\\share\\Notes.tbr", L"\\\\?\\UNC\\server\\share\\Notes.tbr"},
    };
    for (const auto& [path, form] : forms) {
        EXPECT_EQ(LongPathForm(path), form) << Narrow(path);
    }

    const std::wstring name = L"Men\u00FC \u0436\u0443\u0440\u043D\u0430\u043B \u2713.tbr";
    ASSERT_TRUE(WriteNewDocument(Narrow(scratch / name)));
    EXPECT_EQ(ReadBytes(scratch / name), NewDocument());
}

// Names Windows refuses or quietly turns into something else (every rule: windows_names_test):
// refused before anything is created, as is text that is no UTF-16.
TEST(WriteNewDocumentOnWindows, RefusesNamesThatWindowsWouldReinterpret) {
    const std::vector<std::wstring> names = {
        L"NUL.tbr",     L"COM\u00B9.tbr",        L"a:b.tbr",    L"a*.tbr",
        L"dot.\\x.tbr", L"half \xD800 pair.tbr", L"\xDC00.tbr",
    };
    for (const std::wstring& name : names) {
        ScratchFolder scratch;
        CreateDirectoryW((scratch / L"dot.").c_str(), nullptr);  // Windows makes it "dot"
        CreateDirectoryW((scratch / L"space ").c_str(), nullptr);
        const std::vector<std::wstring> before = FolderEntries(scratch.path());
        const std::string path = Narrow(scratch / name);
        EXPECT_EQ(WhatIsAt(path), TargetKind::Nothing) << Narrow(name);
        const Status written = WriteNewDocument(path);
        ASSERT_FALSE(written) << Narrow(name);
        EXPECT_EQ(written.error().code, ERROR_INVALID_NAME) << Narrow(name);
        EXPECT_EQ(written.error().source, "WriteNewDocument");
        EXPECT_EQ(FolderEntries(scratch.path()), before) << Narrow(name);
        EXPECT_TRUE(FolderEntries(scratch / L"dot").empty()) << Narrow(name);
    }
    // The device namespace and every "\\?\" form but a drive's or a share's are refused as names,
    // before anything is created.
    for (const char* device : {"\\\\.\\NUL", "\\\\?\\GLOBALROOT\\x.tbr"}) {
        const Status written = WriteNewDocument(device);
        ASSERT_FALSE(written) << device;
        EXPECT_EQ(written.error().code, ERROR_INVALID_NAME) << device;
        EXPECT_EQ(WhatIsAt(device), TargetKind::Nothing) << device;
    }
}

struct Fault {
    const char* what;
    DWORD expectedCode;
    DWORD otherCode;  // what Windows may report instead
};

// Each fault leaves the old document exactly as it was and no temporary file behind.
TEST(WriteNewDocumentOnWindows, AFailureLeavesTheTargetUntouched) {
    const std::string old = "the old document, which must survive";
    for (const Fault fault : {Fault{"locked", ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION},
                              Fault{"read-only", ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED}}) {
        ScratchFolder scratch;
        const std::wstring target = scratch / L"Notes.tbr";
        WriteBytes(target, old);
        HANDLE holder = INVALID_HANDLE_VALUE;
        if (std::string(fault.what) == "locked") {
            holder = CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        } else {
            SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
        }
        const Status written = WriteNewDocument(Narrow(target));
        if (holder != INVALID_HANDLE_VALUE) {
            CloseHandle(holder);
        }
        ASSERT_FALSE(written) << fault.what;
        const auto code = static_cast<DWORD>(written.error().code);
        EXPECT_TRUE(code == fault.expectedCode || code == fault.otherCode) << fault.what << code;
        EXPECT_EQ(ReadBytes(target), old) << fault.what;
        EXPECT_EQ(FolderEntries(scratch.path()), std::vector<std::wstring>{L"Notes.tbr"})
            << fault.what;
    }
}

// Renames that report an error, as a network share or a filter driver may even after renaming.
DWORD RenameThenReportAnError(HANDLE file, const std::wstring& target, bool replace) {
    const DWORD error = RenameOver(file, target, replace);
    return error != 0 ? error : ERROR_UNEXP_NET_ERR;
}
DWORD OnlyReportAnError(HANDLE, const std::wstring&, bool) {
    return ERROR_UNEXP_NET_ERR;
}

// Whether the rename took place is asked of the file itself: renamed, the document is in place
// and the write succeeded; not renamed, the old document stays. Either way no temporary file is
// left and nothing is hidden.
TEST(WriteNewDocumentOnWindows, AnErrorFromTheRenameNeverCostsADocument) {
    const std::string old = "the old document, which must survive";
    struct Row {
        const char* what;
        RenameStep step;
        bool renamed;
    };
    for (const Row row : {Row{"renamed, then an error", RenameThenReportAnError, true},
                          Row{"an error, not renamed", OnlyReportAnError, false}}) {
        ScratchFolder scratch;
        const std::wstring target = scratch / L"Notes.tbr";
        WriteBytes(target, old);
        const RenameStep before = SetRenameStep(row.step);
        const Status written = WriteNewDocument(Narrow(target));
        SetRenameStep(before);
        EXPECT_EQ(static_cast<bool>(written), row.renamed) << row.what;
        EXPECT_EQ(ReadBytes(target), row.renamed ? NewDocument() : old) << row.what;
        EXPECT_EQ(FolderEntries(scratch.path()), std::vector<std::wstring>{L"Notes.tbr"})
            << row.what;
        EXPECT_EQ(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u) << row.what;
    }
}

// Where neither the target nor its folder's listing may be looked at, nobody can say whether a
// document is there: nobody is asked to replace one, and the write fails without touching it.
// tests/win32/unlistable_folder.sh runs this with such a target, whose file it checks after.
TEST(WriteNewDocumentOnWindows, CannotTellWhatIsThere) {
    const char* target = std::getenv("TBR_UNLISTABLE_TARGET");
    if (target == nullptr) {
        GTEST_SKIP() << "run by unlistable_folder.sh";
    }
    ASSERT_EQ(GetFileAttributesW(Wide(target).c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(WhatIsAt(target), TargetKind::Nothing);
    const Status written = WriteNewDocument(target);
    ASSERT_FALSE(written);
    EXPECT_EQ(static_cast<DWORD>(written.error().code), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST(WriteNewDocumentOnWindows, AMissingFolderOrAFolderAtTheTargetIsAnError) {
    ScratchFolder scratch;
    const Status missing = WriteNewDocument(Narrow(scratch / L"no such folder\\Notes.tbr"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(static_cast<DWORD>(missing.error().code), ERROR_PATH_NOT_FOUND);

    CreateDirectoryW((scratch / L"Folder.tbr").c_str(), nullptr);
    EXPECT_FALSE(WriteNewDocument(Narrow(scratch / L"Folder.tbr")));
    EXPECT_FALSE(WriteNewDocument(Narrow(scratch.path()) + "\\"));
    EXPECT_FALSE(WriteNewDocument(""));
    EXPECT_EQ(FolderEntries(scratch.path()), std::vector<std::wstring>{L"Folder.tbr"});
}

TEST(WhatIsAtOnWindows, TellsFilesToReplaceFromWhatCannotBeReplaced) {
    ScratchFolder scratch;
    WriteBytes(scratch / L"Notes.tbr", "x");
    WriteBytes(scratch / L"Locked.tbr", "x");
    SetFileAttributesW((scratch / L"Locked.tbr").c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryW((scratch / L"Folder").c_str(), nullptr);
    const std::pair<std::string, TargetKind> cases[] = {
        {Narrow(scratch / L"Notes.tbr"), TargetKind::ReplaceableFile},
        {Narrow(scratch / L"Folder"), TargetKind::Unreplaceable},
        {Narrow(scratch / L"Locked.tbr"), TargetKind::Unreplaceable},
        {Narrow(scratch / L"Other.tbr"), TargetKind::Nothing},
        {Narrow(scratch / L"NUL.tbr"), TargetKind::Nothing},
        {"", TargetKind::Nothing},
    };
    for (const auto& [path, kind] : cases) {
        EXPECT_EQ(WhatIsAt(path), kind) << path;
    }
    SetFileAttributesW((scratch / L"Locked.tbr").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// What a killed write left behind goes with the next write into the folder; nothing else does.
TEST(WriteNewDocumentOnWindows, RemovesOnlyStaleTemporaryFilesOfOurs) {
    ScratchFolder scratch;
    const struct {
        const wchar_t* name;
        std::size_t size;
        int ageMinutes;
        bool removed;
    } cases[] = {
        {L".tbrwiz-ab3xy9", 2291, 61, true},   {L".tbrwiz-fresh1", 10, 59, false},
        {L".tbrwiz-large1", 2292, 600, false}, {L".tbrwiz-long123", 10, 600, false},
        {L"Old notes.tbr", 10, 600, false},
    };
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    for (const auto& c : cases) {
        WriteBytes(scratch / c.name, std::string(c.size, 'x'));
        ULARGE_INTEGER time{};
        time.LowPart = now.dwLowDateTime;
        time.HighPart = now.dwHighDateTime;
        time.QuadPart -= static_cast<ULONGLONG>(c.ageMinutes) * 60 * 10'000'000;
        const FILETIME then{time.LowPart, time.HighPart};
        const HANDLE file = CreateFileW((scratch / c.name).c_str(), FILE_WRITE_ATTRIBUTES, 0,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        SetFileTime(file, nullptr, nullptr, &then);
        CloseHandle(file);
    }
    ASSERT_TRUE(WriteNewDocument(Narrow(scratch / L"Notes.tbr")));
    for (const auto& c : cases) {
        EXPECT_EQ(Exists(scratch / c.name), !c.removed) << Narrow(c.name);
    }
}

// A lone surrogate from a box survives the way back into the box, and never reaches the disk
// as another name.
TEST(WideText, ALoneSurrogateIsKeptButIsNoUtf8) {
    const std::pair<std::wstring, std::string> cases[] = {
        {L"Notes", "Notes"},
        {L"Men\u00FC \u2713", "Men\xc3\xbc \xe2\x9c\x93"},
        {L"\xD83D\xDE00", "\xf0\x9f\x98\x80"},  // a pair: one character
        {L"a\xD800-", "a\xed\xa0\x80-"},
        {L"\xDFFF", "\xed\xbf\xbf"},
        {L"\xDC00\xD800", "\xed\xb0\x80\xed\xa0\x80"},  // the wrong way round: two halves
    };
    for (const auto& [wide, utf8] : cases) {
        EXPECT_EQ(Utf8Text(wide), utf8) << utf8;
        EXPECT_EQ(WideText(utf8), wide) << utf8;
        const bool whole = utf8.find('\xed') == std::string::npos;
        EXPECT_EQ(WideFromUtf8(utf8, "test").ok(), whole) << utf8;
    }
    EXPECT_EQ(WideText("a\xff"), L"a\xFFFD");  // shown text: anything else is replaced
}

}  // namespace
}  // namespace tbr::testing
