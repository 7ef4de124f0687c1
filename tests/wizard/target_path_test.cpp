// The rules that turn what the user typed into a target path: folder, name, extension.
#include <gtest/gtest.h>

#include "wizard/target_path.h"

namespace tbr {
namespace {

TEST(ComposeTargetPath, FollowsTheFolderNameAndExtensionRules) {
    struct Case {
        const char* folder;
        const char* name;
        char sep;
        const char* target;
    };
    const Case cases[] = {
        {"C:\\Users\\owner\\Desktop", " Notes ", '\\', "C:\\Users\\owner\\Desktop\\Notes.tbr"},
        {"D:\\Work\\", "Notes", '\\', "D:\\Work\\Notes.tbr"},
        {"D:\\Work", "Notes", '\\', "D:\\Work\\Notes.tbr"},
        {"D:/Work/", "Notes", '\\', "D:/Work/\\Notes.tbr"},
        {"D:\\", "Notes.tbr", '\\', "D:\\Notes.tbr.tbr"},
        {"", "Notes", '\\', "\\Notes.tbr"},
        {"/home/me/My Desktop", "Weekly menu", '/', "/home/me/My Desktop/Weekly menu.tbr"},
        {"/", " a b ", '/', "/a b.tbr"},
        {"/home/me\\", "x", '/', "/home/me\\/x.tbr"},
        {"/home/me/Desk ", " N ", '/', "/home/me/Desk /N.tbr"},      // the folder is not trimmed
        {"\tD:\\Work\t", "\tN\t", '\\', "\tD:\\Work\t\\\tN\t.tbr"},  // only spaces are
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComposeTargetPath(c.folder, c.name, c.sep), c.target)
            << c.folder << "|" << c.name;
    }
}

TEST(AbsoluteFolder, RelativeFoldersAreTakenBelowHome) {
    struct Case {
        const char* folder;
        char sep;
        const char* absolute;
        const char* home = nullptr;  // nullptr: /home/me/, or C:\Users\me\ with '\\'
    };
    const Case cases[] = {
        {"/srv/work", '/', "/srv/work"},
        {"/", '/', "/"},
        {"-x", '/', "/home/me/-x"},
        {"Work/Notes", '/', "/home/me/Work/Notes"},
        {"~", '/', "/home/me/"},
        {"~/", '/', "/home/me/"},
        {"~/Documents", '/', "/home/me/Documents"},
        {"~//Documents", '/', "/home/me/Documents"},
        {"~bob/x", '/', "/home/me/~bob/x"},
        {"./x", '/', "/home/me/./x"},
        {"C:\\Work", '/', "/home/me/C:\\Work"},
        {"C:\\Work", '\\', "C:\\Work"},
        {"c:/Work", '\\', "c:/Work"},
        {"\\\\server\\share\\x", '\\', "\\\\server\\share\\x"},
        {"//server/share", '\\', "//server/share"},
        {"\\\\?\\C:\\x", '\\', "\\\\?\\C:\\x"},
        {"Work", '\\', "C:\\Users\\me\\Work"},
        {"-x", '\\', "C:\\Users\\me\\-x"},
        {"~\\Documents", '\\', "C:\\Users\\me\\~\\Documents"},
        {"%USERPROFILE%\\x", '\\', "C:\\Users\\me\\%USERPROFILE%\\x"},
        {"D:Work", '\\', "D:\\Work"},
        {"D:", '\\', "D:\\"},
        {"\\Work", '\\', "C:\\Work"},
        {"/Work", '\\', "C:\\Work"},
        {"1:\\x", '\\', "C:\\Users\\me\\1:\\x"},  // only a letter names a drive
        {"{:\\x", '\\', "C:\\Users\\me\\{:\\x"},
        // Root-relative on a home in the long form stays on its drive or share.
        {"\\Work", '\\', "\\\\?\\C:\\Work", "\\\\?\\C:\\Users\\me\\"},
        {"\\Work", '\\', "\\\\?\\UNC\\srv\\users\\Work", "\\\\?\\UNC\\srv\\users\\me\\"},
    };
    for (const Case& c : cases) {
        const char* home = c.home ? c.home : c.sep == '/' ? "/home/me/" : "C:\\Users\\me\\";
        EXPECT_EQ(AbsoluteFolder(c.folder, home, c.sep), c.absolute) << c.folder << " " << c.sep;
        EXPECT_EQ(IsAbsoluteFolder(c.folder, c.sep), c.folder == std::string(c.absolute))
            << c.folder;
    }
    // Root-relative on a home that is a network share stays on that share.
    EXPECT_EQ(AbsoluteFolder("\\Work", "\\\\srv\\users\\me\\", '\\'), "\\\\srv\\users\\Work");
}

TEST(IsRefusedName, RefusesSeparatorsControlAndBidirectionalCharacters) {
    const std::pair<std::string, bool> cases[] = {
        {"Notes", false},
        {" Weekly menu ", false},
        {"Gr\xc3\xbc\xc3\x9f"
         "e",
         false},
        {"a.b,c;d", false},
        {"a\nb", true},
        {"a\rb", true},
        {"a\tb", true},
        {"\x01", true},
        {"\x1f", true},
        {"a\x7f", true},
        {"../x", true},
        {"a\\b", true},
        {"a\u0085b", true},                    // C1 control: next line
        {"a\u0080", true},                     // the C1 controls' first
        {"a\u009F", true},                     // and last
        {"a\u202Efdp.exe", true},              // bidirectional override: shows "aexe.pdf"
        {"\u202Aa", true},                     // the embeddings' and overrides' first
        {"\u2066a", true},                     // bidirectional isolate: the first
        {"\u2069a", true},                     // and the last
        {"a\u202Fb", false},                   // narrow no-break space, after the overrides
        {"1\u20442", false},                   // fraction slash, before the isolates
        {"a\u206Ab", false},                   // after the isolates
        {"\u05D0\u200F1\u200E\u00A0", false},  // the directional marks, a no-break space
    };
    for (const auto& [name, refused] : cases) {
        EXPECT_EQ(IsRefusedName(name, '\\'), refused) << name;
    }
    EXPECT_FALSE(IsRefusedName("a\\b", '/'));  // a backslash is part of a name on Linux
}

}  // namespace
}  // namespace tbr
