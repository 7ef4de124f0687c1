// What the fuzz targets share: a property check that stops the run with a message, the input cut
// into parts, and a UTF-8 reading of text that is independent of the code under test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Stops the fuzzer with the property that failed; libFuzzer then keeps the input as a crash.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

namespace tbr::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input's first byte, which chooses among a target's variants, and the rest.
inline unsigned char TakeChoice(std::string_view& input) {
    if (input.empty()) {
        return 0;
    }
    const auto choice = static_cast<unsigned char>(input.front());
    input.remove_prefix(1);
    return choice;
}

// The parts of text between separator bytes.
inline std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(end + 1);
    }
}

// The characters of UTF-8 text, read strictly (no overlong forms, no surrogates, nothing above
// U+10FFFF); a byte that starts no valid sequence stands for itself as kNotACharacter.
inline constexpr char32_t kNotACharacter = 0xFFFFFFFF;

// The character that starts at text[at], and in `length` the bytes it takes.
inline char32_t CharacterAt(std::string_view text, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = lead < 0x80   ? 1
             : lead < 0xC2 ? 0
             : lead < 0xE0 ? 2
             : lead < 0xF0 ? 3
             : lead < 0xF5 ? 4
                           : 0;
    char32_t c = length == 1   ? lead
                 : length == 2 ? lead & 0x1F
                 : length == 3 ? lead & 0x0F
                               : lead & 0x07;
    bool valid = length != 0 && at + length <= text.size();
    for (std::size_t i = 1; valid && i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        valid = (next & 0xC0) == 0x80;
        c = (c << 6) | (next & 0x3F);
    }
    const char32_t smallest = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
    valid = valid && c >= smallest && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
    length = valid ? length : 1;
    return valid ? c : kNotACharacter;
}

inline std::vector<char32_t> Characters(std::string_view text) {
    std::vector<char32_t> characters;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        characters.push_back(CharacterAt(text, at, length));
    }
    return characters;
}

// The bytes of each character of text, as Characters reads them.
inline std::vector<std::string> CharacterTexts(std::string_view text) {
    std::vector<std::string> texts;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        CharacterAt(text, at, length);
        texts.emplace_back(text.substr(at, length));
    }
    return texts;
}

}  // namespace tbr::fuzz
