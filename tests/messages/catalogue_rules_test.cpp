// The catalogue check: one text of one language, written as a .po file and checked as po/ is,
// by gettext's own checks and the program's rules, must give exactly the expected finding.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue.h"
#include "messages/messages.h"

namespace tbr::tools {
namespace {

struct Row {
    const char* language;
    std::string english;
    std::string translation;
    const char* finding;  // a part of the one problem expected; "" for none
};

const std::string kUsage = English(MessageId::Usage);

// The English help with its second line made `columns` columns wide in Japanese (two a letter,
// and one space when the number is odd).
std::string HelpOfWidth(std::size_t columns) {
    std::string line = columns % 2 == 1 ? " " : "";
    for (std::size_t i = 0; i < columns / 2; ++i) {
        line += "\xE3\x81\x82";  // あ
    }
    return "Usage: tbrwiz\n" + line + "\nTambrel\n";
}

const Row kRows[] = {
    {"de", "Close",
     "Schlie\xC3\x9F"
     "en",
     ""},
    // gettext: the placeholders of a text flagged qt-format.
    {"de", "Tambrels (%1)", "Tambrel-Dokumente", "argument 1"},
    {"de", "Tambrels (%1)", "Tambrel-Dokumente (%1)", ""},
    // The program's own rules.
    {"de", "Error! \rPlease", "Fehler! Bitte", "line break (CR)"},
    {"de", "Error! \rPlease", "Fehler! \rBitte", ""},
    {"he", "LTR", "RTL", ""},
    {"he", "LTR", "rtl", "LTR or RTL"},
    {"de", "< Back",
     "Zur\xC3\xBC"
     "ck",
     "\"<\" kept"},
    {"de", "Next >", "Weiter", "\">\" kept"},
    {"de", "Browse...", "Durchsuchen\xE2\x80\xA6", "\"...\" kept"},
    {"ru", "Create Tambrel", "\xD0\xA1\xD0\xBE\xD0\xB7\xD0\xB4\xD0\xB0\xD1\x82\xD1\x8C",
     "\"Tambrel\""},
    {"ja", kUsage, HelpOfWidth(79), ""},
    {"ja", kUsage, HelpOfWidth(80), "79 columns"},
    {"ja", "Usage:\n", HelpOfWidth(80), ""},  // other texts are no help lines
    {"fr", "Query?", "Question ?", "no-break space"},
    {"fr", "Query?", "Question\xC2\xA0?", ""},
    {"fr", "Name:", "Nom\xE2\x80\xAF:", ""},
    {"fr", "Error!!!", "Erreur\xC2\xA0!!!", ""},
    {"fr", "What?!", "Quoi\xC2\xA0?!", ""},
    {"fr", "Error!", "Erreur!", "no-break space"},
    {"fr", "a; b", "a; b", "no-break space"},
    {"fr", "Tambrel;tbr;", "Tambrel;tbr;", ""},  // a list's separators
    {"de", "Query?", "Abfrage?", ""},
    {"zh_CN", "Name:", "\xE5\x90\x8D\xE7\xA7\xB0:", "full-width colon"},
    {"zh_TW", "Name:", "\xE5\x90\x8D\xE7\xA8\xB1:", "full-width colon"},
    {"zh_CN", "Name:", "\xE5\x90\x8D\xE7\xA7\xB0\xEF\xBC\x9A", ""},
    {"zh_CN", "tbrwiz: x", "tbrwiz: \xE6\x97\xA0", ""},  // after Latin text
    {"ja", "Name:", "\xE5\x90\x8D\xE5\x89\x8D:", ""},
};

TEST(CatalogueCheck, FindsExactlyWhatIsWrong) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("catalogue_" + std::to_string(::getpid()) + ".po"))
                                 .string();
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.language) + " " + CQuoted(row.translation));
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            << "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
            << "\"Language: " << row.language << "\\n\"\n\n"
            << (row.english.find("%1") != std::string::npos ? "#, qt-format\n" : "") << "msgid "
            << CQuoted(row.english) << "\nmsgstr " << CQuoted(row.translation) << "\n";
        const std::vector<std::string> problems = CheckCatalogue(path);
        if (*row.finding == '\0') {
            EXPECT_TRUE(problems.empty()) << problems.front();
        } else {
            ASSERT_EQ(problems.size(), 1u) << (problems.empty() ? "" : problems.back());
            EXPECT_NE(problems[0].find(row.finding), std::string::npos) << problems[0];
        }
    }
    std::remove(path.c_str());
}

}  // namespace
}  // namespace tbr::tools
