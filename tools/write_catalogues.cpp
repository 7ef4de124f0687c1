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
#include <vector>

#include "catalogue.h"
#include "messages/messages.h"
#include "messages/windows_languages.h"
#include "pseudo_language.h"

namespace tbr::tools {
namespace {

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
        const std::string english = English(id);
        const std::string text = id == MessageId::LayoutDirection ? english : PseudoText(english);
        po += "\nmsgid " + CQuoted(english) + "\nmsgstr " + CQuoted(text) + "\n";
    }
    return Write(path, po) ? 0 : 1;
}

// A text as a resource script writes it: "" for a quote, the rest as in C.
std::string RcQuoted(const std::string& text) {
    std::string c = CQuoted(text);
    std::string out;
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (c[i] == '\\' && i + 1 < c.size() && c[i + 1] == '"') {
            out += "\"\"";
            ++i;
        } else {
            out += c[i];
        }
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

// Windows' numbers for the languages, from the file at path; empty where it cannot be read.
WindowsLanguages ReadLanguages(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    try {
        return in ? ReadWindowsLanguages(text.str()) : WindowsLanguages{};
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "write_catalogues: %s: %s\n", path.c_str(), error.what());
        return {};
    }
}

int Rc(const std::string& path, const std::string& languagesPath,
       const std::vector<std::string>& paths) {
    const WindowsLanguages languages = ReadLanguages(languagesPath);
    if (languages.empty()) {
        std::fprintf(stderr, "write_catalogues: no languages in %s\n", languagesPath.c_str());
        return 1;
    }
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
        pseudo[id] = id == MessageId::LayoutDirection ? English(id) : PseudoText(English(id));
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
            std::fprintf(stderr, "write_catalogues: %s has no Windows language of its own\n",
                         catalogue.language.c_str());
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
