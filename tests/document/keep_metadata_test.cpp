// A replaced document keeps its extended attributes and access control list, set and read back
// with the system's own tools (setfattr, setfacl, getfattr, getfacl) on the real file system of
// the scratch folder; and it gets nothing from the folder's default list that it did not have.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "document/write_new_document.h"
#include "document_test_support.h"

namespace tbr {
namespace {

using testing::NewDocument;
using testing::OldContent;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

// What a shell command printed, or std::nullopt when it failed.
std::optional<std::string> Output(const std::string& command) {
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) {
        return std::nullopt;
    }
    std::string output;
    char buffer[256];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) {
        output.append(buffer, got);
    }
    return ::pclose(pipe) == 0 ? std::optional<std::string>(output) : std::nullopt;
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

mode_t PermissionsOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 0777;
}

TEST(WriteNewDocument, KeepsExtendedAttributesAndAccessListButNoInheritedEntry) {
    const struct {
        const char* what;
        const char* setUp;  // run on the old document before the folder gets its default list
        const char* note;   // user.note afterwards; nullptr: none
        bool nobodyMayRead;
    } cases[] = {
        {"a note and an entry for nobody",
         "setfattr -n user.note -v kept {} && setfacl -m u:nobody:r {}", "\"kept\"", true},
        {"neither", "true", nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        const std::string target = folder / "Notes.tbr";
        WriteFile(target, OldContent(10));
        std::string setUp = c.setUp;
        for (std::size_t at = setUp.find("{}"); at != std::string::npos; at = setUp.find("{}")) {
            setUp.replace(at, 2, Quoted(target));
        }
        // A new file in the folder inherits an entry for daemon; the old document has none.
        if (!Output(setUp) || !Output("setfacl -d -m u:daemon:rw " + Quoted(folder.path()))) {
            GTEST_SKIP() << "no setfattr/setfacl, or a file system without attributes or lists";
        }
        const mode_t permissions = PermissionsOf(target);

        const Status status = WriteNewDocument(target);

        ASSERT_TRUE(status.ok()) << status.error().message;
        EXPECT_EQ(ReadFile(target), NewDocument());
        const std::optional<std::string> note =
            Output("getfattr --only-values -n user.note " + Quoted(target));
        EXPECT_EQ(note ? "\"" + *note + "\"" : "none", c.note ? c.note : "none");
        const std::string list = Output("getfacl -c " + Quoted(target)).value_or("");
        EXPECT_EQ(list.find("user:nobody:r--") != std::string::npos, c.nobodyMayRead) << list;
        EXPECT_EQ(list.find("daemon"), std::string::npos) << list;
        EXPECT_EQ(PermissionsOf(target), permissions);
    }
}

}  // namespace
}  // namespace tbr
