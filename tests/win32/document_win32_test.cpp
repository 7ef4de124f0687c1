// The document writer on Windows: a complete document or nothing, the target untouched by every
// failure, and the names that Windows would turn into something else refused.
#include "document/new_document.h"
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

    const std::wstring name = L"Men\u00FC \u0436\u0443\u0440\u043D\u0430\u043B \u2713.tbr";
    ASSERT_TRUE(WriteNewDocument(Narrow(scratch / name)));
    EXPECT_EQ(ReadBytes(scratch / name), NewDocument());
}

// Names Windows refuses or quietly turns into something else: device names (in every folder,
// with any extension), streams, wildcards, and names ending in a dot or a space.
TEST(WriteNewDocumentOnWindows, RefusesNamesThatWindowsWouldReinterpret) {
    const std::vector<std::wstring> names = {
        L"NUL.tbr",    L"nul.tbr",  L"CON.tbr",       L"PRN.tbr",     L"AUX.tbr",
        L"COM1.tbr",   L"lpt9.tbr", L"NUL .tbr",      L"CONIN$.tbr",  L"COM\u00B9.tbr",
        L"a:b.tbr",    L"a?.tbr",   L"a*.tbr",        L"a<b.tbr",     L"a>b.tbr",
        L"a|b.tbr",    L"a\"b.tbr", L"tab\there.tbr", L"dot.\\x.tbr", L"space \\x.tbr",
        L"NUL\\x.tbr",
    };
    for (const std::wstring& name : names) {
        ScratchFolder scratch;
        CreateDirectoryW((scratch / L"dot.").c_str(), nullptr);  // Windows makes it "dot"
        CreateDirectoryW((scratch / L"space ").c_str(), nullptr);
        const std::vector<std::wstring> before = FolderEntries(scratch.path());
        const std::string path = Narrow(scratch / name);
        EXPECT_FALSE(SomethingExistsAt(path)) << Narrow(name);
        const Status written = WriteNewDocument(path);
        ASSERT_FALSE(written) << Narrow(name);
        EXPECT_EQ(written.error().code, ERROR_INVALID_NAME) << Narrow(name);
        EXPECT_EQ(written.error().source, "WriteNewDocument");
        EXPECT_EQ(FolderEntries(scratch.path()), before) << Narrow(name);
        EXPECT_TRUE(FolderEntries(scratch / L"dot").empty()) << Narrow(name);
    }
    for (const char* device : {"\\\\.\\NUL", "\\\\.\\C:\\x.tbr", "\\\\?\\GLOBALROOT\\x.tbr"}) {
        EXPECT_FALSE(WriteNewDocument(device)) << device;
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

TEST(SomethingExistsAtOnWindows, SeesFilesAndFoldersButNotDevices) {
    ScratchFolder scratch;
    WriteBytes(scratch / L"Notes.tbr", "x");
    CreateDirectoryW((scratch / L"Folder").c_str(), nullptr);
    EXPECT_TRUE(SomethingExistsAt(Narrow(scratch / L"Notes.tbr")));
    EXPECT_TRUE(SomethingExistsAt(Narrow(scratch / L"Folder")));
    EXPECT_FALSE(SomethingExistsAt(Narrow(scratch / L"Other.tbr")));
    EXPECT_FALSE(SomethingExistsAt(Narrow(scratch / L"NUL.tbr")));
    EXPECT_FALSE(SomethingExistsAt(""));
}

}  // namespace
}  // namespace tbr::testing
