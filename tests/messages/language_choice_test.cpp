// Which catalogue a Linux user gets, from the variables a desktop names the language with.
#include "messages/language_choice.h"

#include <gtest/gtest.h>

#include <vector>

#include "messages/messages.h"

namespace tbr {
namespace {

const std::vector<std::string> kShipped = {"ar", "de", "en_XA", "es", "fr",
                                           "he", "ja", "pt_BR", "ru", "zh_CN"};
// Both Chinese catalogues, Simplified first as the folder lists them.
const std::vector<std::string> kBothChinese = {"de", "zh_CN", "zh_TW"};

struct Case {
    const char* name;
    LocaleEnvironment environment;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    std::string expected;           // "": English
    std::vector<std::string> shipped = kShipped;
};

class Choice : public ::testing::TestWithParam<Case> {};

TEST_P(Choice, FollowsTheDesktop) {
    EXPECT_EQ(ChooseCatalogue(GetParam().environment, GetParam().shipped), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Linux, Choice,
    ::testing::Values(
        Case{"NothingSet", {"", "", "", ""}, ""}, Case{"Lang", {"", "", "", "de_DE.UTF-8"}, "de"},
        Case{"RegionFallsBackToItsLanguage", {"", "", "", "de_AT.UTF-8@euro"}, "de"},
        Case{"LcAllOutranksLang", {"", "fr_CA.UTF-8", "", "de_DE.UTF-8"}, "fr"},
        Case{"LcMessagesOutranksLang", {"", "", "ja_JP.UTF-8", "de_DE.UTF-8"}, "ja"},
        Case{"LanguageListFirstShippedWins", {"sv:fr:de", "", "", "es_ES.UTF-8"}, "fr"},
        Case{"LanguageListNoneShippedTakesTheLocale", {"sv:fi", "", "", "es_ES.UTF-8"}, "es"},
        Case{"EnglishInTheListStopsTheSearch", {"en_GB:de", "", "", "de_DE.UTF-8"}, ""},
        Case{"CLocaleIsEnglish", {"", "C.UTF-8", "", "de_DE.UTF-8"}, ""},
        Case{"UnshippedLanguageIsEnglish", {"", "", "", "ko_KR.UTF-8"}, ""},
        Case{"PortugalGetsBrazilianPortuguese", {"", "", "", "pt_PT.UTF-8"}, "pt_BR"},
        Case{"PlainPortuguese", {"pt", "", "", ""}, "pt_BR"},
        Case{"NamedLanguagesBeforeAnotherRegion", {"pt_PT:en", "", "", ""}, ""},
        Case{"NamedLanguagesBeforeAnotherRegionLocale", {"pt_PT:fr", "", "", "de_DE"}, "fr"},
        Case{"TaiwanDoesNotGetSimplifiedChinese", {"", "", "", "zh_TW.UTF-8"}, ""},
        Case{"SingaporeGetsSimplifiedChinese", {"", "", "", "zh_SG.UTF-8"}, "zh_CN"},
        Case{"DashedTag", {"pt-BR", "", "", ""}, "pt_BR"},
        Case{"PseudoLanguageByName", {"en_XA", "", "", ""}, "en_XA"},
        Case{"EmptyListEntriesAreSkipped", {"::he:", "", "", ""}, "he"},
        Case{"TaiwanGetsTraditionalChinese", {"", "", "", "zh_TW.UTF-8"}, "zh_TW", kBothChinese},
        Case{"HongKongGetsTraditionalChinese", {"zh_HK", "", "", ""}, "zh_TW", kBothChinese},
        Case{"MacauGetsTraditionalChinese", {"", "zh_MO.UTF-8", "", ""}, "zh_TW", kBothChinese},
        Case{"ChinaGetsSimplifiedChinese", {"", "", "", "zh_CN.UTF-8"}, "zh_CN", kBothChinese},
        Case{"SingaporeStillGetsSimplified", {"zh_SG", "", "", ""}, "zh_CN", kBothChinese},
        Case{"PlainChineseGetsSimplified", {"zh", "", "", ""}, "zh_CN", kBothChinese}),
    [](const auto& row) { return std::string(row.param.name); });

// Placeholders are filled by number, in whatever order a translation puts them.
TEST(Messages, PlaceholdersAreFilledByNumber) {
    EXPECT_EQ(FillPlaceholders("%2 vor %1, 100%%", {"a", "b"}), "b vor a, 100%");
    EXPECT_EQ(FillPlaceholders("%1 %3", {"x"}), "x ");
    for (const MessageId id : AllMessages()) {
        EXPECT_FALSE(EnglishText(id).empty()) << static_cast<int>(id);
    }
}

}  // namespace
}  // namespace tbr
