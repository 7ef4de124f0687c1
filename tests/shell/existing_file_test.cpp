// IsExistingFile: what the edit road may hand to the editor.
#include "shell/editor_launch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/shell/scoped_env.h"

namespace tbr::testing {
namespace {

TEST(IsExistingFile, OnlyFilesThatAreThereLinksFollowed) {
    TempDir dir;
    WriteFile(dir / "Notes.tbr", "x");
    std::filesystem::create_directory(dir / "Folder.tbr");
    std::filesystem::create_symlink(dir / "Notes.tbr", dir / "Link.tbr");
    std::filesystem::create_symlink(dir / "Gone.tbr", dir / "Dangling.tbr");
    std::filesystem::create_symlink(dir / "Folder.tbr", dir / "Folder link.tbr");
    const std::pair<std::string, bool> cases[] = {
        {dir / "Notes.tbr", true},
        {dir / "Link.tbr", true},
        {"/dev/null", true},
        {dir / "Dangling.tbr", false},
        {dir / "Folder.tbr", false},
        {dir / "Folder link.tbr", false},
        {dir / "Gone.tbr", false},
        {dir / "Notes.tbr/x", false},
        {"", false},
        {std::string(dir / "Notes.tbr") + '\0' + "x", false},
        {dir / "\xef\xbf\xbd.tbr", false},  // what a name that is not UTF-8 turns into
    };
    for (const auto& [path, exists] : cases) {
        EXPECT_EQ(IsExistingFile(path), exists) << path;
    }
}

}  // namespace
}  // namespace tbr::testing
