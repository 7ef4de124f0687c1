// Windows' language numbers for the codes a catalogue may be written in (windows_languages.txt
// says what its lines mean), as write_catalogues and the tests read them; the program does not.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tbr {

// For each code, the LANGIDs its string table is written under, its own first.
using WindowsLanguages = std::map<std::string, std::vector<std::uint16_t>, std::less<>>;

// The table in text, of windows_languages.txt's form. A line with a code but no LANGID, or with a
// word that is no LANGID in hexadecimal, throws std::invalid_argument.
WindowsLanguages ReadWindowsLanguages(std::string_view text);

// The LANGIDs of the string table of a catalogue in code: its own line's, else its language's
// ("pt_BR" takes "pt", "sr_RS@latin" takes "sr@latin"); none where Windows has no number for it.
std::vector<std::uint16_t> WindowsTables(const WindowsLanguages& languages, std::string_view code);

}  // namespace tbr
