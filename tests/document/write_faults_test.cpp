// Real file-system faults while a document replaces an old file: a full disk, no free inodes, a
// read-only file system, immutable and append-only files and folders, a device node at the
// target. Each must come back as an error with the OS reason, the old file byte-identical and no
// temporary file left. And what only root can make: a file system without access lists, and a
// document straight in the root folder.
//
// Needs root: the test process moves into its own mount namespace, so every mount it makes
// disappears with it, even after a crash. Without root or namespaces each case is skipped.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "document/write_new_document.h"
#include "document_test_support.h"

namespace tbr {
namespace {

using testing::Bytes;
using testing::EntriesOf;
using testing::OldContent;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

bool InOwnMountNamespace() {
    static const bool isolated = [] {
        return ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
               ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }();
    return isolated;
}

// A small tmpfs (or another file system in memory) on an empty folder, unmounted again at the end.
class Tmpfs {
  public:
    Tmpfs(const std::string& where, const std::string& options, const char* type = "tmpfs")
        : where_(where) {
        std::filesystem::create_directory(where_);
        mounted_ = ::mount(type, where_.c_str(), type, 0, options.c_str()) == 0;
    }
    ~Tmpfs() {
        // Inner mounts (a read-only bind) go first.
        while (mounted_ && ::umount2(where_.c_str(), MNT_DETACH) == 0) {
        }
    }
    bool mounted() const { return mounted_; }

  private:
    std::string where_;
    bool mounted_ = false;
};

// Sets inode flags (immutable, append-only); false where the file system has none.
bool SetInodeFlags(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    int current = 0;
    const bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &current) == 0 &&
                    (current |= flags, ::ioctl(fd, FS_IOC_SETFLAGS, &current) == 0);
    ::close(fd);
    return ok;
}

struct FaultCase {
    const char* what;
    const char* tmpfsOptions;
    // Called after the old document is in place; false means the facility is missing.
    std::function<bool(const std::string& folder)> breakIt;
    int code;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.what;
}

class WriteFaults : public ::testing::TestWithParam<FaultCase> {
  protected:
    void SetUp() override {
        if (!InOwnMountNamespace()) {
            GTEST_SKIP() << "needs root and a private mount namespace";
        }
    }
};

TEST_P(WriteFaults, ReportTheReasonAndKeepTheOldFile) {
    const FaultCase& c = GetParam();
    ScratchFolder scratch;
    const std::string folder = scratch / "disk";
    Tmpfs disk(folder, c.tmpfsOptions);
    ASSERT_TRUE(disk.mounted()) << std::strerror(errno);
    const std::string target = folder + "/Notes.tbr";
    WriteFile(target, OldContent(100));
    if (!c.breakIt(folder)) {
        GTEST_SKIP() << "the file system here cannot " << c.what;
    }
    const auto before = EntriesOf(folder);

    const Status status = WriteNewDocument(target);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().code, c.code) << status.error().message;
    EXPECT_EQ(status.error().source, "WriteNewDocument");
    EXPECT_EQ(EntriesOf(folder), before) << "a temporary file was left behind";
    EXPECT_EQ(ReadFile(target), OldContent(100));
}

const FaultCase kFaults[] = {
    // One page: the old file holds it, so the new content finds no space.
    {"fill up", "size=4k,mode=0755", [](const std::string&) { return true; }, ENOSPC},
    // The root folder and the old file take both inodes: no temporary file can be created.
    {"run out of inodes", "nr_inodes=2,mode=0755", [](const std::string&) { return true; }, ENOSPC},
    {"be read-only", "mode=0755",
     [](const std::string& folder) {
         return ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
                ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                        nullptr) == 0;
     },
     EROFS},
    {"make a file immutable", "mode=0755",
     [](const std::string& folder) {
         return SetInodeFlags(folder + "/Notes.tbr", FS_IMMUTABLE_FL);
     },
     EPERM},
    {"make a file append-only", "mode=0755",
     [](const std::string& folder) { return SetInodeFlags(folder + "/Notes.tbr", FS_APPEND_FL); },
     EPERM},
    {"make a folder immutable", "mode=0755",
     [](const std::string& folder) { return SetInodeFlags(folder, FS_IMMUTABLE_FL); }, EPERM},
};

INSTANTIATE_TEST_SUITE_P(Document, WriteFaults, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<FaultCase>& param) {
                             std::string name = param.param.what;
                             for (char& ch : name) {
                                 if (ch == ' ' || ch == '-') {
                                     ch = '_';
                                 }
                             }
                             return name;
                         });

TEST(WriteFaultsDevice, RefusesADeviceNodeAndLeavesItAlone) {
    if (!InOwnMountNamespace()) {
        GTEST_SKIP() << "needs root and a private mount namespace";
    }
    ScratchFolder scratch;
    const std::string folder = scratch / "disk";
    Tmpfs disk(folder, "mode=0755");
    ASSERT_TRUE(disk.mounted());
    const std::string target = folder + "/Null.tbr";
    ASSERT_EQ(::mknod(target.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0) << std::strerror(errno);

    const Status status = WriteNewDocument(target);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().code, EINVAL);
    struct stat info = {};
    ASSERT_EQ(::lstat(target.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_EQ(EntriesOf(folder), std::vector<std::string>{"Null.tbr"});
}

// A file system without access lists (ramfs, as a USB stick's vfat): a replaced document keeps its
// mode; in another group's hands it keeps what its group bits allow that group, as where lists
// are kept.
TEST(WriteFaultsDevice, ReplacesWhereTheFileSystemHasNoAccessLists) {
    if (!InOwnMountNamespace()) {
        GTEST_SKIP() << "needs root and a private mount namespace";
    }
    ScratchFolder scratch;
    const std::string folder = scratch / "disk";
    std::filesystem::permissions(scratch.path(), std::filesystem::perms(0755));
    Tmpfs disk(folder, "mode=0777", "ramfs");
    ASSERT_TRUE(disk.mounted()) << std::strerror(errno);
    const std::string target = folder + "/Notes.tbr";
    WriteFile(target, OldContent(10));
    ASSERT_EQ(::chmod(target.c_str(), 0664), 0);
    ASSERT_TRUE(WriteNewDocument(target).ok());
    EXPECT_EQ(ReadFile(target), testing::NewDocument());
    struct stat info = {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0664u);

    ASSERT_EQ(::chmod(target.c_str(), 0660), 0);
    Status status;
    {
        testing::RunAsNobody asNobody;
        ASSERT_TRUE(asNobody.switched());
        status = WriteNewDocument(target);
    }
    ASSERT_TRUE(status.ok()) << status.error().message;
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_NE(info.st_gid, 0u);
    EXPECT_EQ(info.st_mode & 07777, 0640u);  // root's group had rw-; nobody's gets r-- at most
}

// A document straight in the root folder, "/Notes.tbr": the folder is "/" itself. Written with the
// scratch folder as the root (root may leave it again through a descriptor of the real one).
TEST(WriteNewDocument, WritesIntoTheRootFolder) {
    if (::geteuid() != 0) {
        TBR_SKIP_UNLESS_REQUIRED("needs root to change the root folder");
    }
    ScratchFolder folder;
    const int realRoot = ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(realRoot, 0);
    const auto saved = std::filesystem::current_path();
    ASSERT_EQ(::chroot(folder.path().c_str()), 0);
    const Status status = WriteNewDocument("/Notes.tbr");
    const bool back = ::fchdir(realRoot) == 0 && ::chroot(".") == 0;
    ::close(realRoot);
    std::filesystem::current_path(saved);
    ASSERT_TRUE(back);
    ASSERT_TRUE(status.ok()) << status.error().message;
    EXPECT_EQ(ReadFile(folder / "Notes.tbr"), testing::NewDocument());
    EXPECT_EQ(EntriesOf(folder.path()), std::vector<std::string>{"Notes.tbr"});
}

}  // namespace
}  // namespace tbr
