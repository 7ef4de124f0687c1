// The names of the writer's temporary files: ".tbrwiz-" and six lowercase letters or digits,
// short and of fixed length, so that a document name of the longest length the file system allows
// still leaves room for one, and the same in any letter case.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace tbr {

inline constexpr std::string_view kTemporaryPrefix = ".tbrwiz-";
inline constexpr std::string_view kTemporaryLetters = "abcdefghijklmnopqrstuvwxyz0123456789";

// A name for seed (the time, the process and the attempt, mixed by splitmix64): unlikely to
// collide, and a collision only costs another attempt, as the file is created exclusively.
inline std::string TemporaryName(std::uint64_t seed) {
    std::uint64_t x = seed + 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    x ^= x >> 31;
    std::string name(kTemporaryPrefix);
    for (int i = 0; i < 6; ++i, x /= kTemporaryLetters.size()) {
        name += kTemporaryLetters[x % kTemporaryLetters.size()];
    }
    return name;
}

// Whether name is one that TemporaryName gives, or that earlier versions gave (capitals too).
inline bool IsTemporaryName(std::string_view name) {
    const std::string_view letters = name.substr(std::min(name.size(), kTemporaryPrefix.size()));
    return name.starts_with(kTemporaryPrefix) && letters.size() == 6 &&
           letters.find_first_not_of(
               "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
               "0123456789") == std::string_view::npos;
}

}  // namespace tbr
