// What a running process has used so far: resident memory and processor time, read from /proc.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string_view>

namespace tbr::bench {

// Sizes in KiB as the kernel reports them. RssAnon is the process's own heap and stacks,
// RssFile the pages of mapped files (program, libraries, fonts).
struct Memory {
    long vm_rss_kib = 0;
    long rss_anon_kib = 0;
    long rss_file_kib = 0;
};

// Reads the "VmRSS:", "RssAnon:" and "RssFile:" lines of a status text. Nothing
// when VmRSS is missing or unreadable (a process that has already exited has no VmRSS line).
std::optional<Memory> ParseStatus(std::string_view text);

// ParseStatus of /proc/<pid>/status; nothing when it cannot be read.
std::optional<Memory> ReadMemory(pid_t pid);

// The first number of a /proc/<pid>/task/<tid>/schedstat text: nanoseconds on a processor.
std::optional<long long> ParseSchedstat(std::string_view text);

// Processor time of all the process's threads so far, in nanoseconds; threads that have already
// ended are not counted. Unlike the time on the clock, it hardly grows when other programs
// compete for the processors. Nothing when the kernel keeps no such figures.
std::optional<long long> ReadCpuNs(pid_t pid);

}  // namespace tbr::bench
