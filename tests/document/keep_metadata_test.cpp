// A replaced document keeps its extended attributes and access control list, set and read back
// with the system's own tools (setfattr, setfacl, getfattr, getfacl) on the real file system of
// the scratch folder; and it gets nothing from the folder's default list that it did not have.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

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
    struct stat info = {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 0777;
}

// What getfattr reads of one attribute: its value in quotes, or "none".
std::string Attribute(const std::string& path, const std::string& name) {
    const std::optional<std::string> value =
        Output("getfattr --only-values -n " + name + " " + Quoted(path));
    return value ? "\"" + *value + "\"" : "none";
}

TEST(WriteNewDocument, KeepsExtendedAttributesAndAccessListButNoInheritedEntry) {
    const struct {
        const char* what;
        const char* setUp;  // run on the old document before the folder gets its default list
        bool asNobody;      // written by nobody, who cannot keep the old document's group root
        std::vector<std::pair<std::string, std::string>> attributes;  // afterwards
        const char* listEntry;  // an entry for a named user, in the old document's list
        bool entryKept;
        bool groupCleared = false;  // the old permissions but the group's; otherwise all of them
    } cases[] = {
        {"a note and an entry for nobody",
         "setfattr -n user.note -v kept {} && setfacl -m u:nobody:r {}",
         false,
         {{"user.note", "\"kept\""}},
         "user:nobody:r--",
         true},
        {"neither", "true", false, {{"user.note", "none"}}, "user:nobody", false},
        // The writer's own document of another group: the group, and with it the list, stays.
        {"the writer's own, of another group",
         "chgrp nogroup {} && setfacl -m u:nobody:r {}",
         false,
         {},
         "user:nobody:r--",
         true},
        // Root may keep security attributes, but not the seals of the old content.
        {"security attributes",
         "setfattr -n security.tbrnote -v kept {} && setfattr -n security.ima -v 0x0401 {} && "
         "setfattr -n security.evm -v 0x05 {}",
         false,
         {{"security.tbrnote", "\"kept\""}, {"security.ima", "none"}, {"security.evm", "none"}},
         "user:nobody",
         false},
        // The list names the old group's access: in another group's hands it would give bin
        // access through a group that never had the document. The note still travels; a
        // security attribute that nobody may not set is passed over.
        {"another group",
         "setfattr -n user.note -v kept {} && setfacl -m u:bin:rw {} && "
         "setfattr -n security.tbrnote -v kept {}",
         true,
         {{"user.note", "\"kept\""}, {"security.tbrnote", "none"}},
         "user:bin",
         false},
        // Written by a member of its group who may not read it: whatever its list said stays
        // unknown, so the group gets nothing.
        {"a list that cannot be read",
         "chgrp nogroup {} && chmod 0620 {}",
         true,
         {},
         "user:nobody",
         false,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        std::filesystem::permissions(folder.path(), std::filesystem::perms(0777));
        const std::string target = folder / "Notes.tbr";
        WriteFile(target, OldContent(10));
        ::chmod(target.c_str(), 0644);
        std::string setUp = c.setUp;
        for (std::size_t at = setUp.find("{}"); at != std::string::npos; at = setUp.find("{}")) {
            setUp.replace(at, 2, Quoted(target));
        }
        // A new file in the folder inherits an entry for daemon; the old document has none.
        if (!Output(setUp) || !Output("setfacl -d -m u:daemon:rw " + Quoted(folder.path()))) {
            TBR_SKIP_UNLESS_REQUIRED(
                "no setfattr/setfacl, or a file system without attributes or lists");
        }
        const mode_t permissions = PermissionsOf(target);

        Status status;
        {
            const testing::RunAsNobody nobody(c.asNobody);
            if (c.asNobody && !nobody.switched()) {
                TBR_SKIP_UNLESS_REQUIRED("needs root and the user nobody");
            }
            status = WriteNewDocument(target);
        }

        ASSERT_TRUE(status.ok()) << status.error().message;
        EXPECT_EQ(ReadFile(target), NewDocument());
        for (const auto& [name, value] : c.attributes) {
            EXPECT_EQ(Attribute(target, name), value) << name;
        }
        const std::string list = Output("getfacl -c " + Quoted(target)).value_or("");
        EXPECT_EQ(list.find(c.listEntry) != std::string::npos, c.entryKept) << list;
        EXPECT_EQ(list.find("daemon"), std::string::npos) << list;
        if (c.groupCleared) {
            EXPECT_EQ(PermissionsOf(target), permissions & 0707);
        } else if (!c.asNobody) {
            EXPECT_EQ(PermissionsOf(target), permissions);
        }
    }
}

}  // namespace
}  // namespace tbr
