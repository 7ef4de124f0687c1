// write_catalogues: the program's catalogue, from po/, in the forms the builds need.
//
//   write_catalogues pseudo <out.po>      the pseudo-language en_XA, made from the English
//   write_catalogues rc <out.rc> <languages.txt> <po>...
//                                         the Windows string tables: English (en-US), each po's
//                                         language and the pseudo-language, under Windows'
//                                         numbers for them (messages/windows_languages.txt)
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "messages/messages.h"
#include "messages/windows_languages.h"

namespace tbr::tools {
namespace {

// The pseudo-language en_XA: every English text with accented letters, 40 % longer and in
// brackets. Shown in the windows, it finds texts too long for their place and texts that never
// went through the catalogue (they stay plain English, without brackets). The layout direction
// is left as it is.
constexpr char kPseudoLanguage[] = "en_XA";

// The accented letter (UTF-8) for each ASCII letter, lower case then upper case.
constexpr std::string_view kLower[26] = {"á", "ƀ", "ç", "ð", "é", "ƒ", "ĝ", "ĥ", "í",
                                         "ĵ", "ķ", "ļ", "ɱ", "ñ", "ö", "þ", "ǫ", "ŕ",
                                         "š", "ţ", "û", "ṽ", "ŵ", "ẋ", "ý", "ž"};
constexpr std::string_view kUpper[26] = {"Å", "Ɓ", "Ç", "Ð", "É", "Ƒ", "Ĝ", "Ĥ", "Î",
                                         "Ĵ", "Ķ", "Ļ", "Ṁ", "Ñ", "Ö", "Þ", "Ǫ", "Ŕ",
                                         "Š", "Ţ", "Û", "Ṽ", "Ŵ", "Ẋ", "Ý", "Ž"};
// Words that make up the added length, so that a long text still breaks between words.
constexpr std::string_view kFiller[] = {"öñé", "ţŵö", "ţĥŕéé", "ƒöûŕ", "ƒíṽé", "šíẋ", "šéṽéñ"};

std::string PseudoText(MessageId id) {
    const std::string english = English(id);
    if (id == MessageId::LayoutDirection) {
        return english;
    }
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

bool Write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "write_catalogues: cannot write %s\n", path.c_str());
    }
    return static_cast<bool>(out);
}

int Pseudo(const std::string& path) {
    std::string po =
        "# The pseudo-language: the English texts made longer, for checking the\n"
        "# layout. Written by write_catalogues; not for editing.\n"
        "msgid \"\"\nmsgstr \"\"\n"
        "\"Project-Id-Version: tbrwiz\\n\"\n"
        "\"PO-Revision-Date: 2026-01-01 00:00+0000\\n\"\n"
        "\"Last-Translator: write_catalogues\\n\"\n"
        "\"Language-Team: none\\n\"\n"
        "\"MIME-Version: 1.0\\n\"\n"
        "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
        "\"Content-Transfer-Encoding: 8bit\\n\"\n"
        "\"Language: " +
        std::string(kPseudoLanguage) + "\\n\"\n";
    for (const MessageId id : AllMessages()) {
        po += "\nmsgid " + CQuoted(English(id)) + "\nmsgstr " + CQuoted(PseudoText(id)) + "\n";
    }
    return Write(path, po) ? 0 : 1;
}

// A text as a resource script writes it: "" for a quote, the rest as in C.
std::string RcQuoted(const std::string& text) {
    std::string out = CQuoted(text);
    for (std::size_t at = out.find("\\\""); at != std::string::npos;
         at = out.find("\\\"", at + 2)) {
        out[at] = '"';
    }
    return out;
}

void AppendTable(std::string& rc, int language, const std::string& name,
                 const std::map<MessageId, std::string>& texts) {
    char header[96];
    std::snprintf(header, sizeof header, "\n// %s\nLANGUAGE 0x%02x, 0x%02x\nSTRINGTABLE\nBEGIN\n",
                  name.c_str(), language & 0x3ff, language >> 10);
    rc += header;
    for (const auto& [id, text] : texts) {
        rc += "    " + std::to_string(static_cast<int>(id)) + ", " + RcQuoted(text) + "\n";
    }
    rc += "END\n";
}

// Windows' numbers for the languages, from the file at path; none where it cannot be read.
WindowsLanguages ReadLanguages(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    try {
        return ReadWindowsLanguages(text.str());
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "write_catalogues: %s: %s\n", path.c_str(), error.what());
        return {};
    }
}

int Rc(const std::string& path, const std::string& languagesPath,
       const std::vector<std::string>& paths) {
    const WindowsLanguages languages = ReadLanguages(languagesPath);
    std::vector<Catalogue> catalogues;
    for (const std::string& po : paths) {
        std::vector<std::string> problems;  // gettext's findings as it reads
        std::optional<Catalogue> catalogue = ReadCatalogue(po, problems);
        for (const std::string& problem : problems) {
            std::fprintf(stderr, "%s\n", problem.c_str());
        }
        if (!catalogue || !problems.empty()) {
            return 1;
        }
        catalogues.push_back(std::move(*catalogue));
    }
    std::string rc =
        "// The program's texts in every language it ships, by message number. Written by\n"
        "// write_catalogues from po/; not for editing.\n#pragma code_page(65001)\n";
    std::map<MessageId, std::string> english, pseudo;
    for (const MessageId id : AllMessages()) {
        english[id] = English(id);
        pseudo[id] = PseudoText(id);
    }
    // English as US English, not as LANG_NEUTRAL: the resource loader that names the document
    // type for the shell (FriendlyTypeName, "@tbrwiz.exe,-40") takes a neutral table before the
    // user's language, but falls back to US English after it.
    AppendTable(rc, 0x0409, "English (en-US): the source and the fallback", english);
    std::set<int> seen{0x0409};
    for (const Catalogue& catalogue : catalogues) {
        const std::vector<std::uint16_t> tables = WindowsTables(languages, catalogue.language);
        bool own = !tables.empty();
        for (const std::uint16_t table : tables) {
            own = seen.insert(table).second && own;
        }
        if (!own) {
            std::fprintf(stderr, "write_catalogues: %s has no Windows language of its own (%s)\n",
                         catalogue.language.c_str(), languagesPath.c_str());
            return 1;
        }
        std::map<MessageId, std::string> texts;
        for (const MessageId id : AllMessages()) {
            const auto found = catalogue.texts.find(English(id));
            texts[id] = found != catalogue.texts.end() ? found->second : English(id);
        }
        for (const std::uint16_t table : tables) {
            AppendTable(rc, table, catalogue.language, texts);
        }
    }
    for (const std::uint16_t table : WindowsTables(languages, kPseudoLanguage)) {
        AppendTable(rc, table, kPseudoLanguage, pseudo);
    }
    return Write(path, rc) ? 0 : 1;
}

}  // namespace
}  // namespace tbr::tools

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "pseudo") {
        return tbr::tools::Pseudo(args[1]);
    }
    if (args.size() >= 3 && args[0] == "rc") {
        return tbr::tools::Rc(args[1], args[2], {args.begin() + 3, args.end()});
    }
    std::fprintf(stderr,
                 "usage: write_catalogues pseudo <out.po> | "
                 "rc <out.rc> <languages.txt> <po>...\n");
    return 2;
}
