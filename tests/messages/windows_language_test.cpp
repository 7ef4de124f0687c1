// Which string table a Windows user gets: the table of the user's language as a whole (regions
// fall back to it), Simplified Chinese only for the regions that read it, a sub-language's table
// (Croatian, Nynorsk) only for its own readers, English otherwise.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "messages/language_choice.h"
#include "tests/support/shipped_languages.h"

namespace tbr {
namespace {

TEST(WindowsLanguage, RegionsFallBackToTheirLanguageAndTheRestToEnglish) {
    // The program's tables, by po/ and Windows' numbers: Traditional Chinese among them as
    // 0x7c04 (zh-Hant, for Taiwan, Hong Kong and Macau), Croatian as 0x041a and 0x101a (never
    // the neutral 0x001a, which Serbian and Bosnian share), Nynorsk as 0x0814, the
    // pseudo-language as 0x0501.
    const std::vector<std::uint16_t> shipped = testing::ShippedWindowsTables();
    const struct {
        std::uint16_t user;
        std::uint16_t table;
        const char* what;
    } rows[] = {
        {0x0407, 0x07, "de_DE"},
        {0x0c07, 0x07, "de_AT"},
        {0x0c0c, 0x0c, "fr_CA"},
        {0x0416, 0x16, "pt_BR"},
        {0x0816, 0x16, "pt_PT"},
        {0x0804, 0x04, "zh_CN"},
        {0x1004, 0x04, "zh_SG"},
        {0x0004, 0x04, "zh-Hans"},
        {0x0404, 0x7c04, "zh_TW: Traditional"},
        {0x0c04, 0x7c04, "zh_HK"},
        {0x1404, 0x7c04, "zh_MO"},
        {0x7c04, 0x7c04, "zh-Hant"},
        {0x0411, 0x11, "ja_JP"},
        {0x0412, 0x12, "ko_KR"},
        {0x0401, 0x01, "ar_SA"},
        {0x040d, 0x0d, "he_IL"},
        {0x0429, 0x29, "fa_IR"},
        {0x0813, 0x13, "nl_BE"},
        {0x0810, 0x10, "it_CH"},
        {0x0814, 0x0814, "nn_NO: Nynorsk"},
        {0x0414, 0, "nb_NO: Bokmal, never Nynorsk"},
        {0x041a, 0x041a, "hr_HR"},
        {0x101a, 0x101a, "hr_BA: Croatian in Bosnia"},
        {0x241a, 0, "sr-Latn-RS: Serbian, never Croatian"},
        {0x281a, 0, "sr-Cyrl-RS"},
        {0x141a, 0, "bs-Latn-BA: Bosnian, never Croatian"},
        {0x201a, 0, "bs-Cyrl-BA"},
        {0x0409, 0, "en_US"},
        {0x0809, 0, "en_GB"},
        {0x007f, 0, "the invariant locale: no language, never shipped"},
        {0x0501, 0x0501, "qps-ploc"},
        {0x0000, 0, "neutral"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ChooseWindowsCatalogue(row.user, shipped), row.table) << row.what;
    }
    EXPECT_EQ(ChooseWindowsCatalogue(0x0407, {}), 0);
    // Without a Traditional table its readers get English, never Simplified Chinese.
    const std::vector<std::uint16_t> simplifiedOnly{0x04, 0x07};
    const std::uint16_t traditionalUsers[] = {0x0404, 0x0c04, 0x1404, 0x7c04};
    for (const std::uint16_t traditional : traditionalUsers) {
        EXPECT_EQ(ChooseWindowsCatalogue(traditional, simplifiedOnly), 0) << traditional;
    }
    // Where one primary number holds several languages or scripts, a catalogue's tables serve
    // its own readers only, as Windows' numbers for them say: Croatian (0x1a) reaches Croatia and
    // Croatian in Bosnia, never a reader of Serbian or Bosnian; Nynorsk (0x14) never Bokmal.
    const WindowsLanguages languages = testing::WindowsLanguageNumbers();
    const struct {
        const char* catalogue;
        std::uint16_t user;
        std::uint16_t table;
    } shared[] = {
        {"hr", 0x041a, 0x041a},  {"hr", 0x101a, 0x101a}, {"hr", 0x281a, 0},
        {"hr", 0x241a, 0},       {"hr", 0x141a, 0},      {"sr", 0x281a, 0x281a},
        {"sr", 0x301a, 0x301a},  {"sr", 0x241a, 0},      {"sr@latin", 0x241a, 0x241a},
        {"sr@latin", 0x281a, 0}, {"nn", 0x0814, 0x0814}, {"nn", 0x0414, 0},
        {"nb", 0x0414, 0x0414},  {"nb", 0x0814, 0},
    };
    for (const auto& row : shared) {
        const std::vector<std::uint16_t> tables = WindowsTables(languages, row.catalogue);
        EXPECT_EQ(ChooseWindowsCatalogue(row.user, tables), row.table)
            << row.catalogue << " " << row.user;
    }
    // The numbers as written: a region takes its language's line, a code Windows has no number
    // for none; a line that names no LANGID is refused.
    const WindowsLanguages read = ReadWindowsLanguages("de 0x0007  # German\n\npt 0x0016\n");
    EXPECT_EQ(WindowsTables(read, "pt_BR"), std::vector<std::uint16_t>{0x16});
    EXPECT_TRUE(WindowsTables(read, "xx_YY").empty() && WindowsTables(read, "xx").empty());
    for (const char* refused : {"de\n", "de 7x\n", "de 0x10000\n", "de German\n"}) {
        EXPECT_THROW(ReadWindowsLanguages(refused), std::invalid_argument) << refused;
    }
}

}  // namespace
}  // namespace tbr
