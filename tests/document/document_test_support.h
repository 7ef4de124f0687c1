// Small helpers shared by the document tests: a scratch folder, whole-file reads and writes, and
// a listing of a folder's entries (to prove that no temporary file was left behind).
#pragma once

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/new_document.h"

// Skips a test that needs root, the user nobody, or a file system with attributes and access
// lists where they are missing. Where TBR_METADATA_REQUIRED is set (the test command sets it when
// it runs as root, as CI does) it fails instead: there the rules for a replaced document's owner,
// permissions, attributes and list must be checked, never skipped.
#define TBR_SKIP_UNLESS_REQUIRED(reason)                         \
    do {                                                         \
        if (std::getenv("TBR_METADATA_REQUIRED") != nullptr) {   \
            FAIL() << (reason) << ", and TBR_METADATA_REQUIRED"; \
        }                                                        \
        GTEST_SKIP() << (reason);                                \
    } while (false)

namespace tbr::testing {

using Bytes = std::vector<unsigned char>;

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it at the end.
class ScratchFolder {
  public:
    ScratchFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern =
            std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/tbr-document-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        path_ = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        // Tests lock folders (mode 0555); without root, their content could not be removed.
        std::error_code ignored;
        const auto unlock = [&](const std::filesystem::path& folder) {
            std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        };
        unlock(path_);
        for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
                unlock(it->path());
            }
        }
        std::filesystem::remove_all(path_, ignored);
    }

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

inline std::optional<Bytes> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

// Recognisable content of a given size that is not a new document.
inline Bytes OldContent(std::size_t size, unsigned char seed = 'o') {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<unsigned char>(seed + i % 7);
    }
    return bytes;
}

inline Bytes NewDocument() {
    const std::span<const unsigned char> bytes = NewDocumentBytes();
    return Bytes(bytes.begin(), bytes.end());
}

// The names in a folder, sorted; hidden ones included.
inline std::vector<std::string> EntriesOf(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline bool IsRegularFile(const std::string& path) {
    struct stat info = {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Switches the effective user to nobody while it lives (root only, and where active); root
// ignores mode bits.
class RunAsNobody {
  public:
    explicit RunAsNobody(bool active = true) {
        if (!active || ::geteuid() != 0) {
            return;
        }
        const passwd* nobody = ::getpwnam("nobody");
        if (nobody == nullptr) {
            return;
        }
        switched_ = ::setegid(nobody->pw_gid) == 0 && ::seteuid(nobody->pw_uid) == 0;
    }
    ~RunAsNobody() {
        // Every later test would run as nobody otherwise.
        if (switched_ && (::seteuid(0) != 0 || ::setegid(0) != 0)) {
            std::abort();
        }
    }
    bool usable() const { return switched_ || ::geteuid() != 0; }
    bool switched() const { return switched_; }

  private:
    bool switched_ = false;
};

}  // namespace tbr::testing
