// A gettext catalogue (.po) as the tools read it: its language and its translated texts by
// English text. Entries with a context, plural forms and the header are not the program's.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace tbr::tools {

struct PoEntry {
    std::string translation;  // empty: not translated
    bool fuzzy = false;       // a guess that still waits for review; not used
};

struct PoFile {
    std::string language;                    // the header's "Language:", as "pt_BR"
    std::map<std::string, PoEntry> entries;  // by English text (msgid)
};

// The catalogue in text, or std::nullopt with error set to "line N: why".
std::optional<PoFile> ParsePo(const std::string& text, std::string& error);
std::optional<PoFile> ReadPo(const std::string& path, std::string& error);

// text as a quoted C string, as .po files and resource scripts write it: backslash, quote, and
// the control characters escaped (a CR as \r).
std::string CQuoted(const std::string& text);

}  // namespace tbr::tools
