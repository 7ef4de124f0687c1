// The catalogue in po/ as the tools read and check it, through gettext's own library for .po
// files: gettext reads each file and checks it as msgfmt --check does (among the checks: the
// placeholders %1..%99 of every text flagged qt-format); the rules of the program's texts that
// gettext does not know are checked by tests/messages/catalogue_rules_test.cpp. That every text is
// there, translated and reviewed is msgcmp's to say (tests/messages/catalogue_current.sh).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tbr::tools {

struct Catalogue {
    std::string language;                      // the header's "Language:", as "pt_BR"
    std::map<std::string, std::string> texts;  // by English text (msgid); reviewed ones only
};

// The catalogue in path, or std::nullopt when it cannot be read or names no language. What
// gettext finds wrong with it is added to problems, as "path:line: why".
std::optional<Catalogue> ReadCatalogue(const std::string& path, std::vector<std::string>& problems);

// text as a quoted C string, as .po files and resource scripts write it: backslash, quote, and
// the control characters escaped (a CR as \r).
std::string CQuoted(const std::string& text);

}  // namespace tbr::tools
