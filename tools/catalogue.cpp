#include "catalogue.h"

#include <gettext-po.h>

#include <cstdio>
#include <cstdlib>
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
