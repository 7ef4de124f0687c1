#include "pseudo_language.h"

#include <string_view>

namespace tbr::tools {
namespace {

// The accented letter (UTF-8) for each ASCII letter, lower case then upper case.
constexpr std::string_view kLower[26] = {"á", "ƀ", "ç", "ð", "é", "ƒ", "ĝ", "ĥ", "í",
                                         "ĵ", "ķ", "ļ", "ɱ", "ñ", "ö", "þ", "ǫ", "ŕ",
                                         "š", "ţ", "û", "ṽ", "ŵ", "ẋ", "ý", "ž"};
constexpr std::string_view kUpper[26] = {"Å", "Ɓ", "Ç", "Ð", "É", "Ƒ", "Ĝ", "Ĥ", "Î",
                                         "Ĵ", "Ķ", "Ļ", "Ṁ", "Ñ", "Ö", "Þ", "Ǫ", "Ŕ",
                                         "Š", "Ţ", "Û", "Ṽ", "Ŵ", "Ẋ", "Ý", "Ž"};
// Words that make up the added length, so that a long text still breaks between words.
constexpr std::string_view kFiller[] = {"öñé", "ţŵö", "ţĥŕéé", "ƒöûŕ", "ƒíṽé", "šíẋ", "šéṽéñ"};

}  // namespace

std::string PseudoText(const std::string& english) {
    // A text that ends in a line break keeps it at the end.
    const std::size_t end = english.find_last_not_of('\n') + 1;
    std::string out = "[";
    std::size_t letters = 0;
    for (std::size_t i = 0; i < end; ++i) {
        const char c = english[i];
        if (c == '%' && i + 1 < english.size()) {  // placeholders stay as they are
            out += english.substr(i, 2);
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            out += kLower[c - 'a'];
        } else if (c >= 'A' && c <= 'Z') {
            out += kUpper[c - 'A'];
        } else {
            out += c;
        }
        ++letters;
    }
    // 40 % more, in whole words after a space.
    const std::size_t wanted = letters * 2 / 5;
    std::size_t added = 0;
    for (std::size_t w = 0; added < wanted; ++w) {
        const std::string_view word = kFiller[w % std::size(kFiller)];
        out += ' ';
        out += word;
        added += 1 + word.size() / 2;  // two bytes a letter
    }
    return out + "]" + english.substr(end);
}

}  // namespace tbr::tools
