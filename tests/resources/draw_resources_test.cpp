// The committed pictures in resources/ are the drawing tool's output: running the tool again must
// give the same bytes, so nobody changes one without the other.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "resources/embedded.h"

namespace {

#ifdef TBR_DRAW_RESOURCES

namespace fs = std::filesystem;

std::vector<unsigned char> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the tool on a folder; a run that hangs is stopped after a minute.
int runTool(const fs::path& folder) {
    std::string command = std::string("\"") + TBR_DRAW_RESOURCES + "\" \"" + folder.string() + "\"";
#ifdef _WIN32
    command = "\"" + command + "\"";  // cmd.exe drops the outer pair of quotes
#else
    command = "timeout 60 " + command;
#endif
    return std::system(command.c_str());
}

class DrawResources : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = fs::temp_directory_path() / ("tbr_draw_resources_" + std::to_string(now));
        fs::remove_all(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    fs::path folder_;
};

TEST_F(DrawResources, RedrawsTheCommittedFilesByteForByte) {
    ASSERT_EQ(runTool(folder_), 0);

    const fs::path committed = TBR_RESOURCES_DIR;
    for (const char* name : {"banner.bmp", "banner@2x.bmp", "create.ico", "edit.ico", "tbrwiz.ico",
                             "default_document.ico", "document.ico"}) {
        const std::vector<unsigned char> drawn = readFile(folder_ / name);
        ASSERT_FALSE(drawn.empty()) << name << " was not drawn";
        EXPECT_TRUE(drawn == readFile(committed / name))
            << name << " differs from resources/" << name
            << ": regenerate with draw_resources and commit both";
    }
}

TEST_F(DrawResources, TheProgramCarriesTheCommittedFiles) {
    const fs::path committed = TBR_RESOURCES_DIR;
    const struct {
        const char* name;
        std::span<const unsigned char> embedded;
    } files[] = {
        {"banner.bmp", tbr::resources::Banner()},
        {"banner@2x.bmp", tbr::resources::Banner2x()},
        {"create.ico", tbr::resources::CreateIcon()},
        {"edit.ico", tbr::resources::EditIcon()},
        {"tbrwiz.ico", tbr::resources::AppIcon()},
        {"default_document.ico", tbr::resources::DefaultDocumentIcon()},
    };
    for (const auto& f : files) {
        const std::vector<unsigned char> onDisk = readFile(committed / f.name);
        EXPECT_TRUE(std::equal(onDisk.begin(), onDisk.end(), f.embedded.begin(), f.embedded.end()))
            << f.name;
    }
}

#else

TEST(DrawResources, RedrawsTheCommittedFilesByteForByte) {
    GTEST_SKIP() << "draw_resources is not built for this system";
}

#endif

}  // namespace
