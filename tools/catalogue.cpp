#include "catalogue.h"

#include <gettext-po.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string_view>

#include "messages/messages.h"

namespace tbr::tools {
namespace {

// gettext's library reports through plain functions, without room for the caller's context.
std::vector<std::string>* reported = nullptr;

void Report(int severity, po_message_t /*message*/, const char* file, std::size_t line,
            std::size_t /*column*/, int /*multiline*/, const char* text) {
    if (severity == PO_SEVERITY_WARNING) {
        return;  // a header field left out, and the like: msgfmt builds all the same
    }
    std::string problem;
    if (file != nullptr) {
        problem.append(file).append(":");
        if (line != static_cast<std::size_t>(-1)) {
            problem.append(std::to_string(line)).append(":");
        }
        problem += ' ';
    }
    problem += text;
    while (!problem.empty() && problem.back() == '\n') {
        problem.pop_back();
    }
    if (severity == PO_SEVERITY_FATAL_ERROR) {  // the library needs this call not to return
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::exit(1);
    }
    reported->push_back(problem);
}

void ReportTwo(int severity, po_message_t message, const char* file, std::size_t line,
               std::size_t column, int multiline, const char* text, po_message_t, const char*,
               std::size_t, std::size_t, int, const char* more) {
    Report(severity, message, file, line, column, multiline,
           (std::string(text) + " " + more).c_str());
}

const po_xerror_handler kHandler = {Report, ReportTwo};

bool Kept(std::string_view english, std::string_view translation, std::string_view part) {
    return english.find(part) == english.npos || translation.find(part) != translation.npos;
}

// The columns a line takes in a terminal, where East Asian wide and full-width characters take
// two: the C library's wcwidth, in its UTF-8 locale. Text that is no UTF-8 is too wide.
std::size_t Columns(std::string_view line) {
    static const bool utf8 = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
    std::mbstate_t state{};
    std::size_t columns = 0;
    while (utf8 && !line.empty()) {
        wchar_t c = 0;
        const std::size_t length = std::mbrtowc(&c, line.data(), line.size(), &state);
        if (length == 0 || length > line.size()) {
            return SIZE_MAX;
        }
        columns += static_cast<std::size_t>(std::max(0, ::wcwidth(c)));
        line.remove_prefix(length);
    }
    return utf8 ? columns : SIZE_MAX;
}

bool HelpFits(std::string_view english, std::string_view translation) {
    for (std::size_t start = 0;
         english == EnglishText(MessageId::Usage) && start <= translation.size();) {
        const std::size_t end = std::min(translation.find('\n', start), translation.size());
        if (Columns(translation.substr(start, end - start)) > 79) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

// French sets ? ! : ; apart with a no-break space; a ; with no space after it is a list's
// separator (the launcher's keywords), and a second ! or ? follows the first.
bool FrenchSpacing(std::string_view /*english*/, std::string_view text) {
    for (std::size_t at = text.find_first_of("?!:;"); at != text.npos;
         at = text.find_first_of("?!:;", at + 1)) {
        const std::string_view before = text.substr(0, at);
        const bool separator = text[at] == ';' && (at + 1 == text.size() || text[at + 1] != ' ');
        if (!separator && !before.ends_with("\u00A0") && !before.ends_with("\u202F") &&
            !before.ends_with('!') && !before.ends_with('?')) {
            return false;
        }
    }
    return true;
}

// Chinese writes a full-width colon (：) after Chinese text: no ':' after a CJK ideograph.
bool ChineseColon(std::string_view /*english*/, std::string_view text) {
    for (std::size_t at = text.find(':'); at != text.npos; at = text.find(':', at + 1)) {
        const auto byte = [&](std::size_t back) {
            return static_cast<unsigned char>(at >= back ? text[at - back] : 0);
        };
        const char32_t c = ((byte(3) & 0x0Fu) << 12) | ((byte(2) & 0x3Fu) << 6) | (byte(1) & 0x3Fu);
        if ((byte(3) & 0xF0) == 0xE0 && c >= 0x3400 && c <= 0x9FFF) {
            return false;
        }
    }
    return true;
}

struct Rule {
    const char* what;
    const char* languages;  // the languages it holds for, each between spaces; "" for all
    bool (*holds)(std::string_view english, std::string_view translation);
};

// The rules of the program's texts that gettext does not know.
const Rule kRules[] = {
    {"the lone line break (CR) kept", "",
     [](std::string_view e, std::string_view t) {
         return std::count(e.begin(), e.end(), '\r') == std::count(t.begin(), t.end(), '\r');
     }},
    {"the direction LTR or RTL", "",
     [](std::string_view e, std::string_view t) {
         return e != EnglishText(MessageId::LayoutDirection) || t == "LTR" || t == "RTL";
     }},
    {"\"<\" kept", "", [](std::string_view e, std::string_view t) { return Kept(e, t, "<"); }},
    {"\">\" kept", "", [](std::string_view e, std::string_view t) { return Kept(e, t, ">"); }},
    {"\"...\" kept", "", [](std::string_view e, std::string_view t) { return Kept(e, t, "..."); }},
    {"\"Tambrel\" kept", "",
     [](std::string_view e, std::string_view t) { return Kept(e, t, "Tambrel"); }},
    {"--help lines at most 79 columns, wide characters two", "", HelpFits},
    {"a no-break space before ? ! : ;", " fr ", FrenchSpacing},
    {"a full-width colon after Chinese text", " zh_CN zh_TW ", ChineseColon},
};

}  // namespace

std::optional<Catalogue> ReadCatalogue(const std::string& path,
                                       std::vector<std::string>& problems) {
    reported = &problems;
    const po_file_t file = po_file_read(path.c_str(), &kHandler);
    if (file == nullptr) {
        problems.push_back(path + ": cannot be read");
        return std::nullopt;
    }
    po_file_check_all(file, &kHandler);
    Catalogue catalogue;
    const char* header = po_file_domain_header(file, nullptr);
    if (char* language = header == nullptr ? nullptr : po_header_field(header, "Language")) {
        catalogue.language = language;
        std::free(language);
    }
    const po_message_iterator_t messages = po_message_iterator(file, nullptr);
    while (const po_message_t message = po_next_message(messages)) {
        const std::string english = po_message_msgid(message);
        const std::string translation = po_message_msgstr(message);
        if (!english.empty() && !translation.empty() && !po_message_is_fuzzy(message) &&
            !po_message_is_obsolete(message) && po_message_msgctxt(message) == nullptr) {
            catalogue.texts[english] = translation;
        }
    }
    po_message_iterator_free(messages);
    po_file_free(file);
    if (catalogue.language.empty()) {
        problems.push_back(path + ": no Language in its header");
        return std::nullopt;
    }
    return catalogue;
}

std::vector<std::string> CheckCatalogue(const std::string& path) {
    std::vector<std::string> problems;
    const std::optional<Catalogue> catalogue = ReadCatalogue(path, problems);
    if (!catalogue) {
        return problems;
    }
    const std::string language = std::string(" ").append(catalogue->language).append(" ");
    for (const auto& [english, translation] : catalogue->texts) {
        for (const Rule& rule : kRules) {
            const bool applies =
                *rule.languages == '\0' ||
                std::string_view(rule.languages).find(language) != std::string::npos;
            if (applies && !rule.holds(english, translation)) {
                problems.push_back(std::string(catalogue->language)
                                       .append(": ")
                                       .append(rule.what)
                                       .append(": ")
                                       .append(CQuoted(english)));
            }
        }
    }
    return problems;
}

std::string CQuoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const std::size_t escaped = std::string_view("\\\"\n\r\t").find(c);
        out += escaped == std::string_view::npos ? std::string(1, c)
                                                 : std::string{'\\', "\\\"nrt"[escaped]};
    }
    return out + "\"";
}

}  // namespace tbr::tools
