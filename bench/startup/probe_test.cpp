// The start-up probe's own arithmetic and readings. Nothing here is timed.
#include <gtest/gtest.h>
#include <time.h>
#include <unistd.h>

#include <string>

#include "proc_sample.h"
#include "summary.h"

namespace tbr::bench {
namespace {

TEST(ProcSample, ReadsTheMemoryLinesOfAStatusText) {
    const auto memory = ParseStatus(
        "Name:\ttbrwiz\nVmPeak:\t  300000 kB\nVmRSS:\t   28480 kB\nRssAnon:\t    2968 kB\n"
        "RssFile:\t   25512 kB\nRssShmem:\t       4 kB\nThreads:\t3\n");
    ASSERT_TRUE(memory);
    EXPECT_EQ(memory->vm_rss_kib, 28480);
    EXPECT_EQ(memory->rss_anon_kib, 2968);
    EXPECT_EQ(memory->rss_file_kib, 25512);
}

TEST(ProcSample, RefusesAStatusTextWithoutAResidentSize) {
    for (const char* text : {"", "Name:\tzombie\nState:\tZ (zombie)\n", "VmRSS:\t\n",
                             "VmRSS:\t  -5 kB\n", "VmRSS:\tmany kB\n", "VmRSSX 12 kB\n"}) {
        EXPECT_FALSE(ParseStatus(text)) << text;
    }
}

TEST(ProcSample, ReadsTheProcessorTimeOfASchedstatText) {
    EXPECT_EQ(ParseSchedstat("300135830 455540891 110\n"), 300135830);
    EXPECT_EQ(ParseSchedstat("0 1 1\n"), 0);
    for (const char* text : {"", "\n", "x 1 1\n", "-3 1 1\n", "12x 1 1\n"}) {
        EXPECT_FALSE(ParseSchedstat(text)) << text;
    }
}

// Keeps this thread on a processor until the kernel has counted at least min_ns of its time.
// The count is only brought up to date at the scheduler's ticks and switches, so a process that
// has just started may read 0; asking the thread's own clock brings it up to date.
void BurnProcessorTime(long long min_ns) {
    timespec now{};
    volatile unsigned long spin = 0;
    do {
        for (int i = 0; i < 100'000; ++i) {
            spin = spin + 1;
        }
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    } while (now.tv_sec * 1'000'000'000LL + now.tv_nsec < min_ns);
}

TEST(ProcSample, ReadsARunningProcessAndNothingOfAMissingOne) {
    const auto memory = ReadMemory(getpid());
    ASSERT_TRUE(memory);
    EXPECT_GT(memory->vm_rss_kib, 0);
    EXPECT_GE(memory->vm_rss_kib, memory->rss_anon_kib);
    BurnProcessorTime(20'000'000);
    if (const auto cpu = ReadCpuNs(getpid())) {  // absent where the kernel keeps no figures
        EXPECT_GT(*cpu, 0);
    }
    // Above the largest process number Linux hands out (2^22).
    EXPECT_FALSE(ReadMemory(4'194'305));
    EXPECT_FALSE(ReadCpuNs(4'194'305));
}

TEST(Summary, MedianIsTheMiddleValue) {
    EXPECT_EQ(Median({}), 0);
    EXPECT_EQ(Median({7}), 7);
    EXPECT_EQ(Median({9, 1, 5}), 5);
    EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);
}

ProgramRuns Runs(const char* name, std::initializer_list<double> ms, long rss_kib,
                 double drawn_ms) {
    ProgramRuns runs{name, 343, 360, {}};
    for (const double m : ms) {
        Sample s;
        s.ms = m;
        s.cpu_ms = m / 2;
        s.memory.vm_rss_kib = rss_kib;
        s.drawn_ms = drawn_ms;
        s.drawn_rss_kib = drawn_ms > 0 ? rss_kib : 0;
        s.last_drawn_ms = drawn_ms > 0 ? drawn_ms + 10 : 0;
        s.still_cpu_ms = drawn_ms > 0 ? m : 0;
        runs.samples.push_back(s);
    }
    return runs;
}

// The ratio rows: "| what | ratio | goal | met |".
TEST(Summary, RatiosOfTheMediansMeetTheGoalsUpToAndIncludingTheLimit) {
    struct Case {
        std::initializer_list<double> ms;
        long rss_kib;
        const char* time_row;
        const char* memory_row;
    };
    const Case cases[] = {
        {{13, 1, 99}, 117760, "| 1.30 | at most 1.30 | yes |", "| 1.15 | at most 1.15 | yes |"},
        {{14, 14, 14}, 117761, "| 1.40 | at most 1.30 | no |", "| 1.15 | at most 1.15 | no |"},
        {{5, 5, 5}, 51200, "| 0.50 | at most 1.30 | yes |", "| 0.50 | at most 1.15 | yes |"},
    };
    const ProgramRuns baseline = Runs("minimal", {10, 10, 10}, 102400, 11);
    for (const Case& c : cases) {
        const std::string out = Summarize(Runs("tbrwiz", c.ms, c.rss_kib, 0), baseline, {});
        EXPECT_NE(out.find("| start-up time (window mapped) " + std::string(c.time_row)),
                  std::string::npos)
            << out;
        EXPECT_NE(out.find("| resident memory (VmRSS) then " + std::string(c.memory_row)),
                  std::string::npos)
            << out;
        // No drawing seen: no ratio rather than a made-up one.
        EXPECT_NE(out.find("| time to first drawing | - | - | - |"), std::string::npos) << out;
        EXPECT_NE(out.find("| time to last drawing | - | - | - |"), std::string::npos) << out;
    }
}

TEST(Summary, TableRowsShowMedianAndRange) {
    Goals goals;
    goals.memory_ratio = 0;  // none
    goals.first_drawing_ratio = 1.2;
    goals.last_drawing_ratio = 2;
    const std::string out =
        Summarize(Runs("tbrwiz", {30, 20, 40}, 28672, 33), Runs("minimal", {10}, 22528, 12), goals);
    EXPECT_NE(out.find("| tbrwiz | 343 x 360 | 3 | 30.0 (20.0-40.0) | 15.0 | 28.0 (28.0-28.0) | "
                       "- / - | 33.0 (33.0-33.0) | 28.0 | 43.0 (43.0-43.0) | 30.0 |"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("| resident memory (VmRSS) then | 1.27 | - | - |"), std::string::npos)
        << out;
    EXPECT_NE(out.find("| time to first drawing | 2.75 | at most 1.20 | no |"), std::string::npos)
        << out;
    EXPECT_NE(out.find("| time to last drawing | 1.95 | at most 2.00 | yes |"), std::string::npos)
        << out;
    EXPECT_NE(out.find("| processor time when still | 3.00 | - | - |"), std::string::npos) << out;
}

}  // namespace
}  // namespace tbr::bench
