// Which catalogue a Linux user gets, from the variables a desktop names the language with.
#include "messages/language_choice.h"

#include <gtest/gtest.h>

#include <vector>

#include "messages/messages.h"

namespace tbr {
namespace {

const std::vector<std::string> kShipped = {"ar", "de", "en_XA", "es", "fr",    "he",   "hr",
                                           "ja", "nn", "pt_BR", "ru", "zh_CN", "zh_TW"};

struct Case {
    const char* name;
    LocaleEnvironment environment;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    std::string expected;           // "": English
};

class Choice : public ::testing::TestWithParam<Case> {};

TEST_P(Choice, FollowsTheDesktop) {
    EXPECT_EQ(ChooseCatalogue(GetParam().environment, kShipped), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Linux, Choice,
    ::testing::Values(
        Case{"NothingSet", {"", "", "", ""}, ""}, Case{"Lang", {"", "", "", "de_DE.UTF-8"}, "de"},
        Case{"RegionFallsBackToItsLanguage", {"", "", "", "de_AT.UTF-8@euro"}, "de"},
        Case{"LcAllOutranksLang", {"", "fr_CA.UTF-8", "", "de_DE.UTF-8"}, "fr"},
        Case{"LcMessagesOutranksLang", {"", "", "ja_JP.UTF-8", "de_DE.UTF-8"}, "ja"},
        Case{"LcAllOutranksLcMessages", {"", "fr_FR.UTF-8", "ja_JP.UTF-8", ""}, "fr"},
        Case{"FirstLocaleSetEndsTheSearch", {"", "", "sv_SE.UTF-8", "de_DE.UTF-8"}, ""},
        Case{"LanguageListFirstShippedWins", {"sv:fr:de", "", "", "es_ES.UTF-8"}, "fr"},
        Case{"LanguageListNoneShippedTakesTheLocale", {"sv:fi", "", "", "es_ES.UTF-8"}, "es"},
        Case{"EnglishInTheListStopsTheSearch", {"en_GB:de", "", "", "de_DE.UTF-8"}, ""},
        Case{"CLocaleIsEnglish", {"", "C.UTF-8", "", "de_DE.UTF-8"}, ""},
        Case{"CLocaleLeavesTheListItsRegions", {"pt_PT", "C.UTF-8", "", ""}, "pt_BR"},
        Case{"PosixLocaleLeavesTheListItsScript", {"zh_HK", "", "", "POSIX"}, "zh_TW"},
        Case{"UnshippedLanguageIsEnglish", {"", "", "", "ko_KR.UTF-8"}, ""},
        Case{"PortugalGetsBrazilianPortuguese", {"", "", "", "pt_PT.UTF-8"}, "pt_BR"},
        Case{"PlainPortuguese", {"pt", "", "", ""}, "pt_BR"},
        Case{"BokmalIsEnglishNotNynorsk", {"no", "", "", "nb_NO.UTF-8"}, ""},
        Case{"BokmalReaderMayAskForNynorsk", {"nb:nn", "", "", "nb_NO.UTF-8"}, "nn"},
        Case{"SerbianIsEnglishNotCroatian", {"sr_RS@latin", "", "", "sr_RS.UTF-8"}, ""},
        Case{"BosnianIsEnglishNotCroatian", {"", "", "", "bs_BA.UTF-8"}, ""},
        Case{"NamedLanguagesBeforeAnotherRegion", {"pt_PT:en", "", "", ""}, ""},
        Case{"NamedLanguagesBeforeAnotherRegionLocale", {"pt_PT:fr", "", "", "de_DE"}, "fr"},
        Case{"Taiwan", {"", "", "", "zh_TW.UTF-8"}, "zh_TW"},
        Case{"HongKongGetsTraditionalChinese", {"", "", "", "zh_HK.UTF-8"}, "zh_TW"},
        Case{"MacauGetsTraditionalChinese", {"zh_MO", "", "", ""}, "zh_TW"},
        Case{"TraditionalScriptWithRegion", {"", "", "", "zh_Hant_TW.UTF-8"}, "zh_TW"},
        Case{"TraditionalScriptDashed", {"zh-Hant-HK", "", "", ""}, "zh_TW"},
        Case{"TraditionalScriptAlone", {"zh_Hant", "", "", ""}, "zh_TW"},
        Case{"SimplifiedScriptInTaiwan", {"zh-Hans-TW", "", "", ""}, "zh_CN"},
        Case{"SingaporeGetsSimplifiedChinese", {"", "", "", "zh_SG.UTF-8"}, "zh_CN"},
        Case{"SimplifiedScriptWithRegion", {"zh_Hans_SG", "", "", ""}, "zh_CN"},
        Case{"PlainChinese", {"zh", "", "", ""}, "zh_CN"},
        Case{"DashedTag", {"pt-BR", "", "", ""}, "pt_BR"},
        Case{"TagsIgnoreCase", {"ZH-hant-hk", "", "", ""}, "zh_TW"},
        Case{"LocaleInSmallLetters", {"", "", "", "zh_tw.UTF-8"}, "zh_TW"},
        Case{"PseudoLanguageByName", {"en_XA", "", "", ""}, "en_XA"},
        Case{"EmptyListEntriesAreSkipped", {"::he:", "", "", ""}, "he"},
        Case{"LanguageIsAWholeCodeNotTheStartOfOne", {"p", "", "", ""}, ""}),
    [](const auto& row) { return std::string(row.param.name); });

// Where no Traditional Chinese is shipped, its readers get English, never Simplified Chinese.
TEST(Choice, TraditionalChineseNeverGetsSimplified) {
    const std::vector<std::string> simplifiedOnly = {"de", "zh_CN"};
    for (const char* locale : {"zh_TW", "zh_HK.UTF-8", "zh_MO", "zh_Hant_TW.UTF-8", "zh-Hant"}) {
        EXPECT_EQ(ChooseCatalogue({"", "", "", locale}, simplifiedOnly), "") << locale;
    }
}

// Placeholders are filled by number, in whatever order a translation puts them.
TEST(Messages, PlaceholdersAreFilledByNumber) {
    EXPECT_EQ(FillPlaceholders("%2 vor %1, 100%%", {"a", "b"}), "b vor a, 100%");
    EXPECT_EQ(FillPlaceholders("%1 %3", {"x"}), "x ");
    EXPECT_EQ(FillPlaceholders("%9.", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}), "9.");
    EXPECT_EQ(FillPlaceholders("%0 %a 100 %", {"x"}), "%0 %a 100 %");  // no placeholders
    for (const MessageId id : AllMessages()) {
        EXPECT_FALSE(EnglishText(id).empty()) << static_cast<int>(id);
    }
}

}  // namespace
}  // namespace tbr
