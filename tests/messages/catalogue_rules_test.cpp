// The catalogue's rules: what gettext checks of every catalogue in po/ (as the build reads it),
// and the rules of the program's texts that gettext does not know. One text of one language (two
// for a rule between texts), written as a .po file and checked, must give exactly the expected
// finding; every catalogue in po/ must give none.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wchar.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "messages/messages.h"

namespace tbr::tools {
namespace {

bool Kept(std::string_view english, std::string_view translation, std::string_view part) {
    return english.find(part) == english.npos || translation.find(part) != translation.npos;
}

// The columns a line takes in a terminal, where East Asian wide and full-width characters take
// two: the C library's wcwidth, in its UTF-8 locale. Text that is no UTF-8 is too wide.
std::size_t Columns(std::string_view line) {
    static const bool utf8 = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
    std::mbstate_t state{};
    std::size_t columns = 0;
    while (utf8 && !line.empty()) {
        wchar_t c = 0;
        const std::size_t length = std::mbrtowc(&c, line.data(), line.size(), &state);
        if (length == 0 || length > line.size()) {
            return SIZE_MAX;
        }
        columns += static_cast<std::size_t>(std::max(0, ::wcwidth(c)));
        line.remove_prefix(length);
    }
    return utf8 ? columns : SIZE_MAX;
}

bool HelpFits(std::string_view english, std::string_view translation) {
    for (std::size_t start = 0;
         english == EnglishText(MessageId::Usage) && start <= translation.size();) {
        const std::size_t end = std::min(translation.find('\n', start), translation.size());
        if (Columns(translation.substr(start, end - start)) > 79) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

// French sets ? ! : ; apart with a no-break space; a ; with no space after it is a list's
// separator (the launcher's keywords), and a second ! or ? follows the first.
bool FrenchSpacing(std::string_view /*english*/, std::string_view text) {
    for (std::size_t at = text.find_first_of("?!:;"); at != text.npos;
         at = text.find_first_of("?!:;", at + 1)) {
        const std::string_view before = text.substr(0, at);
        const bool separator = text[at] == ';' && (at + 1 == text.size() || text[at + 1] != ' ');
        if (!separator && !before.ends_with("\u00A0") && !before.ends_with("\u202F") &&
            !before.ends_with('!') && !before.ends_with('?')) {
            return false;
        }
    }
    return true;
}

// Chinese writes a full-width colon (：) after Chinese text: no ':' after a CJK ideograph.
bool ChineseColon(std::string_view /*english*/, std::string_view text) {
    for (std::size_t at = text.find(':'); at != text.npos; at = text.find(':', at + 1)) {
        const auto byte = [&](std::size_t back) {
            return static_cast<unsigned char>(at >= back ? text[at - back] : 0);
        };
        const char32_t c = ((byte(3) & 0x0Fu) << 12) | ((byte(2) & 0x3Fu) << 6) | (byte(1) & 0x3Fu);
        if ((byte(3) & 0xF0) == 0xE0 && c >= 0x3400 && c <= 0x9FFF) {
            return false;
        }
    }
    return true;
}

struct Rule {
    const char* what;
    const char* languages;  // the languages it holds for, each between spaces; "" for all
    bool (*holds)(std::string_view english, std::string_view translation);
};

// The rules of the program's texts that gettext does not know.
const Rule kRules[] = {
    {"the lone line break (CR) kept", "",
     [](std::string_view e, std::string_view t) {
         return std::count(e.begin(), e.end(), '\r') == std::count(t.begin(), t.end(), '\r');
     }},
    {"the direction LTR or RTL", "",
     [](std::string_view e, std::string_view t) {
         return e != EnglishText(MessageId::LayoutDirection) || t == "LTR" || t == "RTL";
     }},
    {"\"<\" kept", "", [](std::string_view e, std::string_view t) { return Kept(e, t, "<"); }},
    {"\">\" kept", "", [](std::string_view e, std::string_view t) { return Kept(e, t, ">"); }},
    {"\"...\" kept", "", [](std::string_view e, std::string_view t) { return Kept(e, t, "..."); }},
    {"\"Tambrel\" kept", "",
     [](std::string_view e, std::string_view t) { return Kept(e, t, "Tambrel"); }},
    {"--help lines at most 79 columns, wide characters two", "", HelpFits},
    {"a no-break space before ? ! : ;", " fr ", FrenchSpacing},
    {"a full-width colon after Chinese text", " zh_CN zh_TW ", ChineseColon},
};

// Everything wrong with the catalogue in path: gettext's findings, then each broken rule as
// "language: the rule: the English text".
std::vector<std::string> CheckCatalogue(const std::string& path) {
    std::vector<std::string> problems;
    const std::optional<Catalogue> catalogue = ReadCatalogue(path, problems);
    if (!catalogue) {
        return problems;
    }
    const std::string language = std::string(" ").append(catalogue->language).append(" ");
    for (const auto& [english, translation] : catalogue->texts) {
        for (const Rule& rule : kRules) {
            const bool applies =
                *rule.languages == '\0' ||
                std::string_view(rule.languages).find(language) != std::string::npos;
            if (applies && !rule.holds(english, translation)) {
                problems.push_back(std::string(catalogue->language)
                                       .append(": ")
                                       .append(rule.what)
                                       .append(": ")
                                       .append(CQuoted(english)));
            }
        }
    }
    // The two error boxes are told apart by their titles.
    const auto title = [&](MessageId id) {
        const auto found = catalogue->texts.find(English(id));
        return found == catalogue->texts.end() ? English(id) : found->second;
    };
    if (title(MessageId::CreateErrorTitle) == title(MessageId::OpenErrorTitle)) {
        problems.push_back(catalogue->language + ": the two error titles told apart: " +
                           CQuoted(title(MessageId::OpenErrorTitle)));
    }
    return problems;
}

struct Row {
    const char* language;
    std::string english;
    std::string translation;
    const char* finding;  // a part of the one problem expected; "" for none
    std::pair<std::string, std::string> other = {};  // another text beside it, if any
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

const std::string kJapaneseError = "\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC\xEF\xBC\x81";  // エラー！

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
    // The error boxes' titles, between two texts.
    {"ja", "Error!", kJapaneseError, "told apart", {"Error!!!", kJapaneseError}},
    {"ja", "Error!", kJapaneseError, "", {"Error!!!", kJapaneseError + "\xEF\xBC\x81\xEF\xBC\x81"}},
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
        if (!row.other.first.empty()) {
            std::ofstream(path, std::ios::binary | std::ios::app)
                << "\nmsgid " << CQuoted(row.other.first) << "\nmsgstr "
                << CQuoted(row.other.second) << "\n";
        }
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

TEST(CatalogueCheck, EveryCatalogueKeepsTheRules) {
    int catalogues = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TBR_PO_FOLDER)) {
        if (entry.path().extension() == ".po") {
            ++catalogues;
            for (const std::string& problem : CheckCatalogue(entry.path().string())) {
                ADD_FAILURE() << problem;
            }
        }
    }
    EXPECT_GE(catalogues, 19);
}

}  // namespace
}  // namespace tbr::tools
