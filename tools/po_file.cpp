#include "po_file.h"

#include <fstream>
#include <sstream>

namespace tbr::tools {
namespace {

// The text of one quoted line ("..."), its escapes undone; std::nullopt when it is not one.
std::optional<std::string> Unquoted(const std::string& line) {
    if (line.size() < 2 || line.front() != '"' || line.back() != '"') {
        return std::nullopt;
    }
    std::string out;
    for (std::size_t i = 1; i + 1 < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            return std::nullopt;
        }
        if (c == '\\') {
            if (i + 2 >= line.size()) {
                return std::nullopt;
            }
            switch (line[++i]) {
                case 'n':
                    c = '\n';
                    break;
                case 'r':
                    c = '\r';
                    break;
                case 't':
                    c = '\t';
                    break;
                case '\\':
                    c = '\\';
                    break;
                case '"':
                    c = '"';
                    break;
                default:
                    return std::nullopt;
            }
        }
        out += c;
    }
    return out;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// One entry as it is read.
struct Pending {
    std::string context, id, translation, plural;
    bool hasContext = false, fuzzy = false, translated = false;
    std::string* current = nullptr;  // what a continued line adds to
};

void Store(const Pending& entry, PoFile& file) {
    if (entry.id.empty() && !entry.hasContext) {
        std::istringstream header(entry.translation);
        for (std::string line; std::getline(header, line);) {
            if (line.rfind("Language:", 0) == 0) {
                file.language = Trimmed(line.substr(9));
            }
        }
    } else if (!entry.hasContext && entry.plural.empty()) {
        file.entries[entry.id] = PoEntry{entry.translation, entry.fuzzy};
    }
}

}  // namespace

std::optional<PoFile> ParsePo(const std::string& text, std::string& error) {
    PoFile file;
    Pending entry;
    // An entry ends where the next one's comments or first keyword begin.
    auto next = [&] {
        if (entry.translated) {
            Store(entry, file);
            entry = Pending{};
        }
    };
    std::istringstream in(text);
    int number = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++number;
        const std::string line = Trimmed(raw);
        if (line.empty() || line.rfind("#~", 0) == 0) {
            continue;
        }
        if (line[0] == '#') {
            next();
            if (line.rfind("#,", 0) == 0 && line.find("fuzzy") != std::string::npos) {
                entry.fuzzy = true;
            }
            continue;
        }
        const bool continued = line[0] == '"';
        const auto space = line.find(' ');
        const std::string keyword = continued ? std::string() : line.substr(0, space);
        const std::optional<std::string> value =
            Unquoted(continued || space == std::string::npos ? line : Trimmed(line.substr(space)));
        if (!value) {
            error = "line " + std::to_string(number) + ": a quoted text was expected";
            return std::nullopt;
        }
        if (keyword == "msgctxt" || keyword == "msgid") {
            next();
        }
        if (continued) {
            // adds to the text before
        } else if (keyword == "msgctxt") {
            entry.hasContext = true;
            entry.current = &entry.context;
        } else if (keyword == "msgid") {
            entry.current = &entry.id;
        } else if (keyword == "msgid_plural") {
            entry.current = &entry.plural;
        } else if (keyword == "msgstr" || keyword.rfind("msgstr[", 0) == 0) {
            entry.translated = true;
            entry.current = &entry.translation;
        } else {
            error = "line " + std::to_string(number) + ": unknown keyword " + keyword;
            return std::nullopt;
        }
        if (entry.current == nullptr) {
            error = "line " + std::to_string(number) + ": a continued text follows no keyword";
            return std::nullopt;
        }
        *entry.current += *value;
    }
    next();
    return file;
}

std::optional<PoFile> ReadPo(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot be read";
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParsePo(text.str(), error);
}

std::string CQuoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

}  // namespace tbr::tools
