// Writing a new document into a real folder: what ends up on disk, what is refused, and that a
// refusal changes nothing. Faults that need root or mounts are in write_faults_test.cpp.
#include "document/write_new_document.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <fcntl.h>

#include <cerrno>
#include <chrono>

#include "document/temporary_name.h"
#include "document_test_support.h"

namespace tbr {
namespace {

using testing::Bytes;
using testing::EntriesOf;
using testing::IsRegularFile;
using testing::NewDocument;
using testing::OldContent;
using testing::ReadFile;
using testing::RunAsNobody;
using testing::ScratchFolder;
using testing::WriteFile;

using Names = std::vector<std::string>;

mode_t ModeOf(const std::string& path) {
    struct stat info = {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

class UmaskGuard {
  public:
    explicit UmaskGuard(mode_t mask) : saved_(::umask(mask)) {}
    ~UmaskGuard() { ::umask(saved_); }

  private:
    mode_t saved_;
};

void ExpectRefused(const Status& status, int code) {
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().code, code) << status.error().message;
    EXPECT_FALSE(status.error().message.empty());
    EXPECT_EQ(status.error().source, "WriteNewDocument");
}

TEST(WriteNewDocument, CreatesTheDocumentInAnEmptyFolder) {
    ScratchFolder folder;
    const Status status = WriteNewDocument(folder / "Notes.tbr");
    ASSERT_TRUE(status.ok()) << status.error().message;
    EXPECT_EQ(ReadFile(folder / "Notes.tbr"), NewDocument());
    EXPECT_TRUE(IsRegularFile(folder / "Notes.tbr"));
    EXPECT_EQ(EntriesOf(folder.path()), Names{"Notes.tbr"});  // no temporary file left
}

TEST(WriteNewDocument, ReplacesAnyExistingFileWhole) {
    Bytes largerDocument = NewDocument();
    largerDocument.insert(largerDocument.end(), 4000, 'x');
    const struct {
        const char* what;
        Bytes old;
    } cases[] = {
        {"an empty file", {}},
        {"a small unrelated file", OldContent(100)},
        {"a file of the same size", OldContent(2291)},
        {"a larger document", largerDocument},
        {"a large unrelated file", OldContent(1 << 20)},
        {"the new document itself", NewDocument()},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        WriteFile(folder / "Notes.tbr", c.old);
        const Status status = WriteNewDocument(folder / "Notes.tbr");
        ASSERT_TRUE(status.ok()) << c.what << ": " << status.error().message;
        EXPECT_EQ(ReadFile(folder / "Notes.tbr"), NewDocument()) << c.what;
        EXPECT_EQ(EntriesOf(folder.path()), Names{"Notes.tbr"}) << c.what;
    }
}

TEST(WriteNewDocument, ReplacesALinkItselfAndNeverWritesWhereItPoints) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "elsewhere");
    WriteFile(folder / "elsewhere/real.tbr", OldContent(5000));
    std::filesystem::create_symlink(folder / "elsewhere/real.tbr", folder / "Link.tbr");
    std::filesystem::create_symlink(folder / "elsewhere/missing.tbr", folder / "Dangling.tbr");

    ASSERT_TRUE(WriteNewDocument(folder / "Link.tbr").ok());
    ASSERT_TRUE(WriteNewDocument(folder / "Dangling.tbr").ok());

    EXPECT_TRUE(IsRegularFile(folder / "Link.tbr"));
    EXPECT_TRUE(IsRegularFile(folder / "Dangling.tbr"));
    EXPECT_EQ(ReadFile(folder / "Link.tbr"), NewDocument());
    EXPECT_EQ(ReadFile(folder / "Dangling.tbr"), NewDocument());
    EXPECT_EQ(ReadFile(folder / "elsewhere/real.tbr"), OldContent(5000));
    EXPECT_EQ(EntriesOf(folder / "elsewhere"), Names{"real.tbr"});
}

TEST(WriteNewDocument, ReplacesOnlyTheNameGivenOfAHardLinkedFile) {
    ScratchFolder folder;
    WriteFile(folder / "Notes.tbr", OldContent(3000));
    std::filesystem::create_hard_link(folder / "Notes.tbr", folder / "other name");
    ASSERT_TRUE(WriteNewDocument(folder / "Notes.tbr").ok());
    EXPECT_EQ(ReadFile(folder / "Notes.tbr"), NewDocument());
    EXPECT_EQ(ReadFile(folder / "other name"), OldContent(3000));
}

TEST(WriteNewDocument, NewDocumentsGetNewFilePermissionsAndReplacedOnesKeepTheirs) {
    ScratchFolder folder;
    // A new document is 0666 less the umask, so a group that shares its files keeps group write.
    const std::pair<mode_t, mode_t> fresh[] = {{022, 0644}, {002, 0664}, {077, 0600}};
    for (const auto& [mask, mode] : fresh) {
        const UmaskGuard guard(mask);
        const std::string path = folder / ("New" + std::to_string(mask) + ".tbr");
        ASSERT_TRUE(WriteNewDocument(path).ok());
        EXPECT_EQ(ModeOf(path), mode) << std::oct << mask;
    }
    UmaskGuard mask(022);
    const std::pair<mode_t, mode_t> cases[] = {
        {0600, 0600}, {0660, 0660}, {0640, 0640}, {0444, 0444}, {0755, 0755}, {04755, 0755},
    };
    for (const auto& [old, kept] : cases) {
        WriteFile(folder / "Old.tbr", OldContent(10));
        ASSERT_EQ(::chmod((folder / "Old.tbr").c_str(), old), 0);
        ASSERT_TRUE(WriteNewDocument(folder / "Old.tbr").ok());
        EXPECT_EQ(ModeOf(folder / "Old.tbr"), kept) << std::oct << old;
    }
}

TEST(WriteNewDocument, AcceptsAnyNameTheFileSystemTakes) {
    ScratchFolder folder;
    const std::string names[] = {
        std::string(251, 'n') + ".tbr",  // 255 bytes: the longest name
        "Grüße ☃ notes.tbr",
        "with \"quotes\" and 'apostrophes'.tbr",
        "-starts with a dash.tbr",
        "line\nbreak.tbr",
        " spaces around .tbr",
    };
    for (const std::string& name : names) {
        const Status status = WriteNewDocument(folder / name);
        ASSERT_TRUE(status.ok()) << name << ": " << status.error().message;
        EXPECT_EQ(ReadFile(folder / name), NewDocument()) << name;
    }
    EXPECT_EQ(EntriesOf(folder.path()).size(), std::size(names));
}

TEST(WriteNewDocument, WritesARelativePathIntoTheCurrentFolder) {
    ScratchFolder folder;
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const Status status = WriteNewDocument("Notes.tbr");
    std::filesystem::current_path(saved);
    ASSERT_TRUE(status.ok()) << status.error().message;
    EXPECT_EQ(ReadFile(folder / "Notes.tbr"), NewDocument());
    EXPECT_EQ(EntriesOf(folder.path()), Names{"Notes.tbr"});
}

// Each case prepares the folder, then names a target that must be refused: the error carries the
// OS reason and nothing in the folder changes.
TEST(WriteNewDocument, RefusesBadTargetsAndChangesNothing) {
    const struct {
        const char* what;
        std::string relativeTarget;
        int code;
    } cases[] = {
        {"a missing folder", "missing/Notes.tbr", ENOENT},
        {"a file used as a folder", "Old.tbr/Notes.tbr", ENOTDIR},
        {"a folder", "Folder.tbr", EISDIR},
        {"the parent folder", "..", EISDIR},
        {"a path ending in a separator", "Folder.tbr/", EISDIR},
        {"a FIFO", "Pipe.tbr", EINVAL},
        {"a socket", "Socket.tbr", EINVAL},
        {"a name of 256 bytes", std::string(252, 'n') + ".tbr", ENAMETOOLONG},
        {"a name holding NUL", std::string("Old.tbr\0x", 9), EINVAL},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        WriteFile(folder / "Old.tbr", OldContent(3000));
        std::filesystem::create_directory(folder / "Folder.tbr");
        WriteFile(folder / "Folder.tbr/inside", OldContent(10));
        ASSERT_EQ(::mkfifo((folder / "Pipe.tbr").c_str(), 0644), 0);
        // Held open for reading and writing, so that a writer could never block on it.
        const int pipe = ::open((folder / "Pipe.tbr").c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(pipe, 0);
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string socketPath = folder / "Socket.tbr";
        ASSERT_LT(socketPath.size(), sizeof(address.sun_path));
        socketPath.copy(address.sun_path, socketPath.size());
        ASSERT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        const Names before = EntriesOf(folder.path());

        const std::string target = folder / c.relativeTarget;
        const Status status = WriteNewDocument(target);

        SCOPED_TRACE(c.what);
        ExpectRefused(status, c.code);
        EXPECT_EQ(EntriesOf(folder.path()), before);
        EXPECT_EQ(ReadFile(folder / "Old.tbr"), OldContent(3000));
        EXPECT_EQ(EntriesOf(folder / "Folder.tbr"), Names{"inside"});
        char byte = 0;
        EXPECT_EQ(::read(pipe, &byte, 1), -1) << "something was written into the FIFO";
        struct stat info = {};
        ASSERT_EQ(::lstat((folder / "Pipe.tbr").c_str(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));
        ASSERT_EQ(::lstat(socketPath.c_str(), &info), 0);
        EXPECT_TRUE(S_ISSOCK(info.st_mode));
        ::close(pipe);
        ::close(socket);
    }
}

TEST(WriteNewDocument, RefusesAnEmptyPath) {
    ExpectRefused(WriteNewDocument(""), ENOENT);
}

TEST(WriteNewDocument, ReportsPermissionDeniedAndKeepsTheOldFile) {
    ScratchFolder folder;
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    std::filesystem::create_directory(folder / "locked");
    WriteFile(folder / "locked/Notes.tbr", OldContent(3000));
    std::filesystem::permissions(folder / "locked", std::filesystem::perms(0555));
    Status status;
    {
        RunAsNobody nobody;
        if (!nobody.usable()) {
            TBR_SKIP_UNLESS_REQUIRED("cannot become an unprivileged user");
        }
        status = WriteNewDocument(folder / "locked/Notes.tbr");
    }
    ExpectRefused(status, EACCES);
    EXPECT_EQ(ReadFile(folder / "locked/Notes.tbr"), OldContent(3000));
    EXPECT_EQ(EntriesOf(folder / "locked"), Names{"Notes.tbr"});
}

// A file size limit below 2291 bytes makes the first write come back short and the next one fail
// with EFBIG (once SIGXFSZ no longer kills the process).
TEST(WriteNewDocument, ReportsAShortWriteAndKeepsTheOldFile) {
    ScratchFolder folder;
    WriteFile(folder / "Notes.tbr", OldContent(100));
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 2048;
    struct sigaction ignore = {};
    struct sigaction previous = {};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGXFSZ, &ignore, &previous), 0);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const Status status = WriteNewDocument(folder / "Notes.tbr");
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);
    ASSERT_EQ(::sigaction(SIGXFSZ, &previous, nullptr), 0);

    ExpectRefused(status, EFBIG);
    EXPECT_EQ(ReadFile(folder / "Notes.tbr"), OldContent(100));
    EXPECT_EQ(EntriesOf(folder.path()), Names{"Notes.tbr"});
}

// Root keeps the owner and group of a replaced document; a user who cannot keep the group gives
// the new group no more than a new file would.
TEST(WriteNewDocument, KeepsTheOwnerAndGroupWherePermitted) {
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || nobody == nullptr) {
        TBR_SKIP_UNLESS_REQUIRED("needs root and the user nobody");
    }
    UmaskGuard mask(022);
    ScratchFolder folder;
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0777));
    const std::string target = folder / "Notes.tbr";
    WriteFile(target, OldContent(10));
    ASSERT_EQ(::chown(target.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0660), 0);
    ASSERT_TRUE(WriteNewDocument(target).ok());
    struct stat info = {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, nobody->pw_uid);
    EXPECT_EQ(info.st_gid, nobody->pw_gid);
    EXPECT_EQ(info.st_mode & 07777, 0660u);

    ASSERT_EQ(::chown(target.c_str(), 0, 0), 0);
    Status status;
    {
        RunAsNobody asNobody;
        status = WriteNewDocument(target);
    }
    ASSERT_TRUE(status.ok()) << status.error().message;
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, nobody->pw_uid);
    EXPECT_NE(info.st_gid, 0u);
    EXPECT_EQ(info.st_mode & 07777, 0640u);  // root's group had rw-; nobody's gets r-- at most
}

// What a killed write left behind goes with the next write into the folder; nothing else does.
TEST(WriteNewDocument, RemovesOnlyStaleTemporaryFilesOfOurs) {
    ScratchFolder folder;
    const passwd* nobody = ::getpwnam("nobody");
    const bool giveAway = ::geteuid() == 0 && nobody != nullptr;  // only root gives a file away
    const struct {
        std::string name;
        std::size_t size;
        int ageMinutes;
        bool removed;
        bool nobodys = false;
    } cases[] = {
        {".tbrwiz-Ab3xY9", 2291, 61, true},
        {".tbrwiz-empty0", 0, 600, true},
        {".tbrwiz-fresh1", 100, 59, false},
        {".tbrwiz-large1", 2292, 600, false},
        {".tbrwiz-long123", 10, 600, false},
        {".tbrwiz-a_b-c1", 10, 600, false},
        {"Old notes.tbr", 10, 600, false},
        // what the writer names its temporary files today
        {TemporaryName(0), 2291, 61, true},
        {TemporaryName(~0ULL), 0, 600, true},
        {".tbrwiz-other1", 2291, 600, false, true},  // another user's
    };
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const auto& c : cases) {
        if (c.nobodys && !giveAway) {
            continue;
        }
        WriteFile(folder / c.name, OldContent(c.size));
        std::filesystem::last_write_time(folder / c.name, now - std::chrono::minutes(c.ageMinutes));
        if (c.nobodys) {
            ASSERT_EQ(::chown((folder / c.name).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
        }
    }
    std::filesystem::create_directory(folder / ".tbrwiz-folder");
    std::filesystem::create_symlink(folder / "Old notes.tbr", folder / ".tbrwiz-link12");
    ASSERT_EQ(::mkfifo((folder / ".tbrwiz-fifo12").c_str(), 0644), 0);

    ASSERT_TRUE(WriteNewDocument(folder / "Notes.tbr").ok());

    for (const auto& c : cases) {
        if (!c.nobodys || giveAway) {
            EXPECT_EQ(std::filesystem::exists(folder / c.name), !c.removed) << c.name;
        }
    }
    for (const char* kept : {".tbrwiz-folder", ".tbrwiz-link12", ".tbrwiz-fifo12"}) {
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(folder / kept)))
            << kept;
    }
}

TEST(WhatIsAt, TellsFilesToReplaceFromWhatCannotBeReplaced) {
    ScratchFolder folder;
    WriteFile(folder / "file", {});
    std::filesystem::create_directory(folder / "folder");
    std::filesystem::create_symlink(folder / "file", folder / "link");
    std::filesystem::create_symlink(folder / "nothing", folder / "dangling");
    std::filesystem::create_symlink(folder / "folder", folder / "folder link");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    const struct {
        std::string path;
        TargetKind kind;
    } cases[] = {
        {folder / "file", TargetKind::ReplaceableFile},
        {folder / "link", TargetKind::ReplaceableFile},
        {folder / "dangling", TargetKind::ReplaceableFile},
        {folder / "folder link", TargetKind::ReplaceableFile},  // the link itself is replaced
        {folder / "folder", TargetKind::Unreplaceable},
        {folder / "fifo", TargetKind::Unreplaceable},
        {"/dev/null", TargetKind::Unreplaceable},
        {folder / "nothing", TargetKind::Nothing},
        {folder / "missing/nothing", TargetKind::Nothing},
        {folder / "file/below a file", TargetKind::Nothing},
        {"", TargetKind::Nothing},
        {folder / std::string("file\0x", 6), TargetKind::Nothing},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WhatIsAt(c.path), c.kind) << c.path;
    }
}

}  // namespace
}  // namespace tbr
