#include "messages/language_choice.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace tbr {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Whether a catalogue of that code (a name, or a Windows LANGID) ships.
template <typename Code, typename Wanted>
bool Shipped(std::span<const Code> shipped, const Wanted& code) {
    return std::find(shipped.begin(), shipped.end(), code) != shipped.end();
}

struct Tag {
    std::string language;
    std::string script;
    std::string region;
};

// "de_AT.UTF-8@euro" as its language "de", script "" and region "AT"; "zh-Hant-TW" as "zh",
// "Hant", "TW". A script is the part of four letters after the language. Tags ignore case, so
// each part is written as catalogues are named: "zh-hant-tw" is "zh", "Hant", "TW".
Tag Parsed(std::string_view locale) {
    std::string_view rest = locale.substr(0, locale.find_first_of(".@"));
    // The next part, its first letter capital where first is, the others where others are.
    const auto next = [&rest](bool first, bool others) {
        std::string part(rest.substr(0, rest.find_first_of("_-")));
        rest.remove_prefix(std::min(rest.size(), part.size() + 1));
        for (std::size_t i = 0; i < part.size(); ++i) {
            const auto c = static_cast<unsigned char>(part[i]);
            part[i] =
                static_cast<char>((i == 0 ? first : others) ? std::toupper(c) : std::tolower(c));
        }
        return part;
    };
    Tag tag;
    tag.language = next(false, false);
    if (rest.substr(0, rest.find_first_of("_-")).size() == 4) {
        tag.script = next(true, false);
    }
    tag.region = next(true, true);
    return tag;
}

// Whether Chinese in this script or region is written in Traditional characters: the script
// says so where it is given, else Taiwan, Hong Kong and Macau do.
bool Traditional(std::string_view script, std::string_view region) {
    if (!script.empty()) {
        return script == "Hant";
    }
    return region == "TW" || region == "HK" || region == "MO";
}

// Whether the catalogue of region serves tag: always, but in Chinese only in tag's own script, so
// that a reader of Traditional characters never gets Simplified ones, nor the other way round.
bool SameScript(const Tag& tag, std::string_view region) {
    return tag.language != "zh" || Traditional(tag.script, tag.region) == Traditional({}, region);
}

enum class Outcome { English, Found, Unknown };

// The catalogue for one language or locale: itself (its script left out of the name), its
// language, and where otherRegions, another region's translation of its language.
Outcome Match(std::string_view locale, std::span<const std::string> shipped, bool otherRegions,
              std::string& found) {
    const Tag tag = Parsed(locale);
    if (tag.language.empty()) {
        return Outcome::Unknown;
    }
    // Catalogues are named without a script: "zh_Hant_TW" is "zh_TW".
    const std::string regional =
        tag.region.empty() ? tag.language : tag.language + "_" + tag.region;
    if (Shipped(shipped, regional) && SameScript(tag, tag.region)) {
        found = regional;
        return Outcome::Found;
    }
    if (tag.language == "en") {
        return Outcome::English;
    }
    if (Shipped(shipped, tag.language)) {
        found = tag.language;
        return Outcome::Found;
    }
    if (!otherRegions) {
        return Outcome::Unknown;
    }
    const std::string prefix = tag.language + "_";
    for (const std::string& candidate : shipped) {
        if (candidate.starts_with(prefix) &&
            SameScript(tag, std::string_view(candidate).substr(prefix.size()))) {
            found = candidate;
            return Outcome::Found;
        }
    }
    return Outcome::Unknown;
}

}  // namespace

LocaleEnvironment LocaleEnvironment::FromProcess() {
    return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

std::string ChooseCatalogue(const LocaleEnvironment& environment,
                            std::span<const std::string> shipped) {
    // What the user named, in order: the languages of LANGUAGE, then the locale.
    std::vector<std::string_view> wanted;
    for (std::string_view languages = environment.language; !languages.empty();) {
        const std::string_view entry = languages.substr(0, languages.find(':'));
        wanted.push_back(entry);
        languages.remove_prefix(std::min(languages.size(), entry.size() + 1));
    }
    for (const std::string* locale :
         {&environment.lcAll, &environment.lcMessages, &environment.lang}) {
        if (!locale->empty()) {
            wanted.push_back(*locale);
            break;
        }
    }
    // Every language the user named comes before another region's translation of one of them:
    // "pt_PT:en" is English, "pt_PT" alone Brazilian Portuguese.
    std::string found;
    for (const bool otherRegions : {false, true}) {
        for (const std::string_view entry : wanted) {
            switch (Match(entry, shipped, otherRegions, found)) {
                case Outcome::English:
                    return {};
                case Outcome::Found:
                    return found;
                case Outcome::Unknown:
                    break;
            }
        }
    }
    return {};
}

std::uint16_t ChooseWindowsCatalogue(std::uint16_t userLanguage,
                                     std::span<const std::uint16_t> shipped) {
    constexpr std::uint16_t kEnglish = 0x09;
    constexpr std::uint16_t kChinese = 0x04;
    constexpr std::uint16_t kChineseTraditional = 0x7c04;
    if (Shipped(shipped, userLanguage)) {
        return userLanguage;
    }
    const std::uint16_t primary = userLanguage & 0x3ff;
    const std::uint16_t sub = userLanguage >> 10;
    if (primary == kEnglish) {
        return 0;
    }
    if (primary == kChinese) {
        // Taiwan, Hong Kong and Macau, and zh-Hant itself, read Traditional characters.
        const bool traditional = sub == 0x01 || sub == 0x03 || sub == 0x05 || sub == 0x1f;
        const std::uint16_t table = traditional ? kChineseTraditional : kChinese;
        return Shipped(shipped, table) ? table : 0;
    }
    return Shipped(shipped, primary) ? primary : 0;
}

}  // namespace tbr
