#include "messages/language_choice.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace tbr {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool Shipped(std::span<const std::string> shipped, std::string_view code) {
    return std::find(shipped.begin(), shipped.end(), code) != shipped.end();
}

// Chinese regions written in Traditional characters, and the script itself.
bool Traditional(std::string_view region) {
    return region == "TW" || region == "HK" || region == "MO" || region == "Hant";
}

// "de_AT.UTF-8@euro" as "de_AT"; "pt-BR" as "pt_BR".
std::string Normalised(std::string_view locale) {
    std::string code(locale.substr(0, locale.find_first_of(".@")));
    std::replace(code.begin(), code.end(), '-', '_');
    return code;
}

enum class Outcome { English, Found, Unknown };

// The catalogue for one language or locale: itself, its language, and where otherRegions, another
// region's translation of its language.
Outcome Match(std::string_view locale, std::span<const std::string> shipped, bool otherRegions,
              std::string& found) {
    const std::string code = Normalised(locale);
    if (code.empty()) {
        return Outcome::Unknown;
    }
    if (Shipped(shipped, code)) {
        found = code;
        return Outcome::Found;
    }
    const std::string_view language = std::string_view(code).substr(0, code.find('_'));
    const std::string_view region = code.size() > language.size()
                                        ? std::string_view(code).substr(language.size() + 1)
                                        : std::string_view();
    if (code == "C" || code == "POSIX" || language == "en") {
        return Outcome::English;
    }
    if (Shipped(shipped, language)) {
        found = language;
        return Outcome::Found;
    }
    if (!otherRegions) {
        return Outcome::Unknown;
    }
    for (const std::string& candidate : shipped) {
        const std::string_view other = candidate;
        if (other.size() <= language.size() || other.substr(0, language.size()) != language ||
            other[language.size()] != '_') {
            continue;
        }
        if (language == "zh" && Traditional(region) != Traditional(other.substr(3))) {
            continue;
        }
        found = candidate;
        return Outcome::Found;
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
    auto has = [shipped](std::uint16_t id) {
        return std::find(shipped.begin(), shipped.end(), id) != shipped.end();
    };
    if (has(userLanguage)) {
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
        return has(table) ? table : 0;
    }
    return has(primary) ? primary : 0;
}

}  // namespace tbr
