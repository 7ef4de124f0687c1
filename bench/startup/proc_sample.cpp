#include "proc_sample.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tbr::bench {
namespace {

// The number of a "Key:   1234 kB" line, if the line starts with key.
std::optional<long> Field(std::string_view line, std::string_view key) {
    if (line.substr(0, key.size()) != key) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(key.size());
    const auto digits = rest.find_first_not_of(" \t");
    if (digits == std::string_view::npos) {
        return std::nullopt;
    }
    rest.remove_prefix(digits);
    long value = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error != std::errc{} || end == rest.data() || value < 0) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> ReadText(const std::filesystem::path& path) {
    std::ifstream in(path);
    if (!in) {
        return std::nullopt;
    }
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::optional<Memory> ParseStatus(std::string_view text) {
    Memory memory;
    bool have_rss = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (const auto v = Field(line, "VmRSS:")) {
            memory.vm_rss_kib = *v;
            have_rss = true;
        } else if (const auto a = Field(line, "RssAnon:")) {
            memory.rss_anon_kib = *a;
        } else if (const auto f = Field(line, "RssFile:")) {
            memory.rss_file_kib = *f;
        }
    }
    if (!have_rss) {
        return std::nullopt;
    }
    return memory;
}

std::optional<Memory> ReadMemory(pid_t pid) {
    const auto text = ReadText("/proc/" + std::to_string(pid) + "/status");
    return text ? ParseStatus(*text) : std::nullopt;
}

std::optional<long long> ParseSchedstat(std::string_view text) {
    long long ns = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ns);
    if (error != std::errc{} || end == text.data() || ns < 0 ||
        (end != text.data() + text.size() && *end != ' ')) {
        return std::nullopt;
    }
    return ns;
}

std::optional<long long> ReadCpuNs(pid_t pid) {
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task", error);
    if (error) {
        return std::nullopt;
    }
    long long total = 0;
    bool any = false;
    for (const auto& task : tasks) {
        const auto text = ReadText(task.path() / "schedstat");
        const auto ns = text ? ParseSchedstat(*text) : std::nullopt;
        if (ns) {
            total += *ns;
            any = true;
        }
    }
    return any ? std::optional<long long>(total) : std::nullopt;
}

}  // namespace tbr::bench
