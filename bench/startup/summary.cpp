#include "summary.h"

#include <algorithm>
#include <cstdio>

namespace tbr::bench {
namespace {

using Field = double (*)(const Sample&);

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

double MiB(long kib) {
    return static_cast<double>(kib) / 1024.0;
}

// The field of every run where it was seen (non-zero).
std::vector<double> Values(const ProgramRuns& runs, Field field) {
    std::vector<double> values;
    for (const Sample& s : runs.samples) {
        if (const double v = field(s); v > 0) {
            values.push_back(v);
        }
    }
    return values;
}

double MedianOf(const ProgramRuns& runs, Field field) {
    return Median(Values(runs, field));
}

// "median (min-max)", or "-" when never seen.
std::string Spread(const ProgramRuns& runs, Field field) {
    const std::vector<double> values = Values(runs, field);
    if (values.empty()) {
        return "-";
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return Format("%.1f", Median(values)) + " (" + Format("%.1f", *low) + "-" +
           Format("%.1f", *high) + ")";
}

std::string Plain(const ProgramRuns& runs, Field field) {
    const std::vector<double> values = Values(runs, field);
    return values.empty() ? "-" : Format("%.1f", Median(values));
}

constexpr Field kMs = [](const Sample& s) { return s.ms; };
constexpr Field kCpu = [](const Sample& s) { return s.cpu_ms; };
constexpr Field kRss = [](const Sample& s) { return MiB(s.memory.vm_rss_kib); };
constexpr Field kAnon = [](const Sample& s) { return MiB(s.memory.rss_anon_kib); };
constexpr Field kFile = [](const Sample& s) { return MiB(s.memory.rss_file_kib); };
constexpr Field kDrawnMs = [](const Sample& s) { return s.drawn_ms; };
constexpr Field kDrawnRss = [](const Sample& s) { return MiB(s.drawn_rss_kib); };
constexpr Field kLastDrawnMs = [](const Sample& s) { return s.last_drawn_ms; };
constexpr Field kStillCpu = [](const Sample& s) { return s.still_cpu_ms; };

std::string Row(const ProgramRuns& runs) {
    return "| " + runs.name + " | " + std::to_string(runs.width) + " x " +
           std::to_string(runs.height) + " | " + std::to_string(runs.samples.size()) + " | " +
           Spread(runs, kMs) + " | " + Plain(runs, kCpu) + " | " + Spread(runs, kRss) + " | " +
           Plain(runs, kAnon) + " / " + Plain(runs, kFile) + " | " + Spread(runs, kDrawnMs) +
           " | " + Plain(runs, kDrawnRss) + " | " + Spread(runs, kLastDrawnMs) + " | " +
           Plain(runs, kStillCpu) + " |\n";
}

// A goal of 0: none.
std::string RatioRow(const char* what, const ProgramRuns& program, const ProgramRuns& baseline,
                     Field field, double goal) {
    const double ours = MedianOf(program, field);
    const double theirs = MedianOf(baseline, field);
    if (ours <= 0 || theirs <= 0) {
        return std::string("| ") + what + " | - | - | - |\n";
    }
    const double ratio = ours / theirs;
    std::string row = std::string("| ") + what + " | " + Format("%.2f", ratio) + " | ";
    if (goal <= 0) {
        return row + "- | - |\n";
    }
    return row + "at most " + Format("%.2f", goal) + " | " + (ratio <= goal ? "yes" : "no") +
           " |\n";
}

}  // namespace

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Summarize(const ProgramRuns& program, const ProgramRuns& baseline, const Goals& goals) {
    std::string out =
        "| program | window | runs | start to window mapped, ms | processor ms by then | "
        "VmRSS then, MiB | RssAnon / RssFile then, MiB | start to first drawing, ms | "
        "VmRSS then, MiB | start to last drawing, ms | processor ms when still |\n"
        "|---|---|---|---|---|---|---|---|---|---|---|\n";
    out += Row(program);
    out += Row(baseline);
    out += "\n| " + program.name + " / " + baseline.name +
           ", medians | ratio | goal | met |\n|---|---|---|---|\n";
    out += RatioRow("start-up time (window mapped)", program, baseline, kMs, goals.time_ratio);
    out += RatioRow("resident memory (VmRSS) then", program, baseline, kRss, goals.memory_ratio);
    out += RatioRow("processor time by then", program, baseline, kCpu, 0);
    out +=
        RatioRow("time to first drawing", program, baseline, kDrawnMs, goals.first_drawing_ratio);
    out += RatioRow("resident memory then", program, baseline, kDrawnRss, 0);
    out +=
        RatioRow("time to last drawing", program, baseline, kLastDrawnMs, goals.last_drawing_ratio);
    out += RatioRow("processor time when still", program, baseline, kStillCpu, 0);
    return out;
}

}  // namespace tbr::bench
