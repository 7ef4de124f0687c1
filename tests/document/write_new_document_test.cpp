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

#include "document_test_support.h"

namespace tbr {
namespace {

using testing::Bytes;
using testing::EntriesOf;
using testing::IsRegularFile;
using testing::NewDocument;
using testing::OldContent;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

using Names = std::vector<std::string>;

mode_t ModeOf(const std::string& path) {
    struct stat info {};
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

TEST(WriteNewDocument, GivesTheDocumentThePermissionsOfAnyNewFile) {
    ScratchFolder folder;
    {
        UmaskGuard mask(022);
        ASSERT_TRUE(WriteNewDocument(folder / "New.tbr").ok());
        EXPECT_EQ(ModeOf(folder / "New.tbr"), 0644u);
        // A replaced file's own permissions are not carried over.
        WriteFile(folder / "Private.tbr", OldContent(10));
        std::filesystem::permissions(
            folder / "Private.tbr",
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        ASSERT_TRUE(WriteNewDocument(folder / "Private.tbr").ok());
        EXPECT_EQ(ModeOf(folder / "Private.tbr"), 0644u);
    }
    UmaskGuard mask(077);
    ASSERT_TRUE(WriteNewDocument(folder / "Strict.tbr").ok());
    EXPECT_EQ(ModeOf(folder / "Strict.tbr"), 0600u);
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
        struct stat info {};
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

// Switches the effective user to nobody while it lives (root only); root ignores mode bits.
class RunAsNobody {
  public:
    RunAsNobody() {
        if (::geteuid() != 0) {
            return;
        }
        const passwd* nobody = ::getpwnam("nobody");
        if (nobody == nullptr) {
            return;
        }
        switched_ = ::setegid(nobody->pw_gid) == 0 && ::seteuid(nobody->pw_uid) == 0;
    }
    ~RunAsNobody() {
        if (switched_) {
            EXPECT_EQ(::seteuid(0), 0);
            EXPECT_EQ(::setegid(0), 0);
        }
    }
    bool usable() const { return switched_ || ::geteuid() != 0; }

  private:
    bool switched_ = false;
};

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
            GTEST_SKIP() << "cannot become an unprivileged user";
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
    struct sigaction ignore {
    }, previous{};
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

TEST(SomethingExistsAt, SeesEveryKindOfEntryButNotAbsence) {
    ScratchFolder folder;
    WriteFile(folder / "file", {});
    std::filesystem::create_directory(folder / "folder");
    std::filesystem::create_symlink(folder / "file", folder / "link");
    std::filesystem::create_symlink(folder / "nothing", folder / "dangling");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    const struct {
        std::string path;
        bool exists;
    } cases[] = {
        {folder / "file", true},
        {folder / "folder", true},
        {folder / "link", true},
        {folder / "dangling", true},
        {folder / "fifo", true},
        {folder / "nothing", false},
        {folder / "missing/nothing", false},
        {folder / "file/below a file", false},
        {"", false},
        {folder / std::string("file\0x", 6), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SomethingExistsAt(c.path), c.exists) << c.path;
    }
}

}  // namespace
}  // namespace tbr
