#include "messages/windows_languages.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace tbr {

WindowsLanguages ReadWindowsLanguages(std::string_view text) {
    WindowsLanguages languages;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string code;
        std::string number;
        std::vector<std::uint16_t>* tables = words >> code ? &languages[code] : nullptr;
        while (tables != nullptr && words >> number) {
            std::size_t end = 0;
            const unsigned long value = std::stoul(number, &end, 16);  // throws on no number
            if (end != number.size() || value > 0xffff) {
                throw std::invalid_argument("not a LANGID: " + line);
            }
            tables->push_back(static_cast<std::uint16_t>(value));
        }
        if (tables != nullptr && tables->empty()) {
            throw std::invalid_argument("no LANGID: " + line);
        }
    }
    return languages;
}

std::vector<std::uint16_t> WindowsTables(const WindowsLanguages& languages, std::string_view code) {
    auto found = languages.find(code);
    const std::size_t region = code.find('_');
    if (found == languages.end() && region != std::string_view::npos) {
        const std::size_t modifier = std::min(code.find('@'), code.size());
        found = languages.find(std::string(code.substr(0, region)) +
                               std::string(code.substr(modifier)));
    }
    return found == languages.end() ? std::vector<std::uint16_t>{} : found->second;
}

}  // namespace tbr
