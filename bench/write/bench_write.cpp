// Documents written per second: WriteNewDocument against a bare C writer doing the same steps
// (temporary file, write, fsync, close, rename, fsync of the folder), in one run.
//
//   bench_write [folder] [seconds per writer]
//
// Both writers replace the same document in the same folder, in alternating batches, so that a
// slow moment of the disk hits both alike. Prints one Markdown table row:
//   | file system | WriteNewDocument docs/s | bare C docs/s | ratio (bare / ours) |
#include <sys/statfs.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bare_write.h"
#include "document/new_document.h"
#include "document/write_new_document.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBatch = 20;

std::string FileSystemName(const std::string& folder) {
    struct statfs info = {};
    if (::statfs(folder.c_str(), &info) != 0) {
        return "?";
    }
    switch (static_cast<unsigned long>(info.f_type)) {
        case 0xEF53:
            return "ext4";
        case 0x58465342:
            return "xfs";
        case 0x01021994:
            return "tmpfs";
        case 0x9123683E:
            return "btrfs";
        default:
            return "other";
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string base = argc > 1 ? argv[1] : "/var/tmp";
    const double seconds = argc > 2 ? std::atof(argv[2]) : 3.0;
    std::string folder = base + "/tbr-bench-write-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string name = "Notes.tbr";
    const std::string target = folder + "/" + name;
    const auto bytes = tbr::NewDocumentBytes();

    Clock::duration ours{}, bare{};
    long oursCount = 0, bareCount = 0;
    bool failed = false;
    for (int round = 0; !failed && std::chrono::duration<double>(ours + bare).count() < 2 * seconds;
         ++round) {
        // Alternate which writer goes first, so neither always follows the other's flushes.
        for (int turn = 0; turn < 2; ++turn) {
            const bool oursNow = (round + turn) % 2 == 0;
            const auto start = Clock::now();
            for (int i = 0; i < kBatch && !failed; ++i) {
                failed = oursNow ? !tbr::WriteNewDocument(target).ok()
                                 : bare_write(folder.c_str(), name.c_str(), bytes.data(),
                                              bytes.size()) != 0;
            }
            (oursNow ? ours : bare) += Clock::now() - start;
            (oursNow ? oursCount : bareCount) += kBatch;
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    if (failed) {
        std::fprintf(stderr, "a write failed in %s\n", folder.c_str());
        return 1;
    }
    const double oursRate =
        static_cast<double>(oursCount) / std::chrono::duration<double>(ours).count();
    const double bareRate =
        static_cast<double>(bareCount) / std::chrono::duration<double>(bare).count();
    std::printf("| %s (%s) | %.0f | %.0f | %.3f |\n", FileSystemName(base).c_str(), base.c_str(),
                oursRate, bareRate, bareRate / oursRate);
    return 0;
}
