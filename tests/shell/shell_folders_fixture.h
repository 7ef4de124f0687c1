// A temporary home folder for the folder lookups: HOME points into a fresh temporary folder,
// XDG_CONFIG_HOME is unset, and both come back when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/shell/scoped_env.h"

namespace tbr::testing {

class ShellFoldersTest : public ::testing::Test {
  protected:
    std::string home() const { return tmp_ / "home"; }
    std::string userDirsFile() const { return home() + "/.config/user-dirs.dirs"; }
    void configure(const std::string& text) { WriteFile(userDirsFile(), text); }

    TempDir tmp_;
    ScopedEnv homeEnv_{"HOME", tmp_ / "home"};
    ScopedEnv configEnv_{"XDG_CONFIG_HOME", std::nullopt};
};

}  // namespace tbr::testing
