// What the start-up benchmark reports: medians of the runs, and the ratios against the goals.
#pragma once

#include <string>
#include <vector>

#include "proc_sample.h"

namespace tbr::bench {

// One program's run: how long until its window was mapped, its memory at that moment and the
// processor time it had used by then; how long until something was first drawn into the window
// and its resident memory then; how long until the last drawing before the window stayed
// unchanged, and the processor time it had used when it was still (0: not seen).
struct Sample {
    double ms = 0;
    double cpu_ms = 0;
    Memory memory;
    double drawn_ms = 0;
    long drawn_rss_kib = 0;
    double last_drawn_ms = 0;
    double still_cpu_ms = 0;
};

struct ProgramRuns {
    std::string name;
    int width = 0;  // the mapped window's size
    int height = 0;
    std::vector<Sample> samples;
};

// The middle value (the mean of the two middle ones for an even count); 0 for none.
double Median(std::vector<double> values);

// The most each ratio (program / baseline, of the medians) may be; 0: no goal.
struct Goals {
    double time_ratio = 1.3;
    double memory_ratio = 1.15;
    double first_drawing_ratio = 0;
    double last_drawing_ratio = 0;
};

// Markdown: one table of the medians (and ranges: min-max) of both programs, one of the ratios
// (program / baseline, of the medians) against the goals. The processor times never have a goal:
// they tell how much of a time ratio is the programs' own work when other programs compete for
// the processors. The drawings show work that a program leaves until after the mapping; the last
// one is when its window is complete.
std::string Summarize(const ProgramRuns& program, const ProgramRuns& baseline, const Goals& goals);

}  // namespace tbr::bench
