// What po/ ships, as the language tests know it: the catalogues' codes as the build finds them in
// po/ (TBR_CATALOGUES), and the Windows string tables they make, by Windows' numbers for every
// language (messages/windows_languages.txt, compiled in).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "messages/windows_languages.h"

namespace tbr::embedded {  // tests/CMakeLists.txt
extern const unsigned char windows_languages[];
extern const std::size_t windows_languages_size;
}  // namespace tbr::embedded

namespace tbr::testing {

inline std::vector<std::string> ShippedCatalogues() {
    std::vector<std::string> codes;
    std::istringstream words(TBR_CATALOGUES);
    for (std::string code; words >> code;) {
        codes.push_back(code);
    }
    return codes;
}

// Windows' numbers for every language, as messages/windows_languages.txt has them.
inline WindowsLanguages WindowsLanguageNumbers() {
    return ReadWindowsLanguages({reinterpret_cast<const char*>(embedded::windows_languages),
                                 embedded::windows_languages_size});
}

// The languages of the program's string tables as LANGIDs, sorted: each catalogue's and the
// pseudo-language's (en_XA), English left out.
inline std::vector<std::uint16_t> ShippedWindowsTables() {
    const WindowsLanguages languages = WindowsLanguageNumbers();
    std::vector<std::string> codes = ShippedCatalogues();
    codes.push_back("en_XA");
    std::vector<std::uint16_t> tables;
    for (const std::string& code : codes) {
        const std::vector<std::uint16_t> own = WindowsTables(languages, code);
        tables.insert(tables.end(), own.begin(), own.end());
    }
    std::sort(tables.begin(), tables.end());
    return tables;
}

}  // namespace tbr::testing
