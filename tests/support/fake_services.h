// A recording stand-in for the outside world and the navigator: every call is logged as one line,
// in one log, and each answer can be set beforehand. Used by the behaviour tests and the
// front-end tests.
#pragma once

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/navigator.h"
#include "app/services.h"
#include "shell/shell_folders.h"

namespace tbr::testing {

inline OsError FakeError(const std::string& message = "injected failure") {
    return OsError{5, message, "fake"};
}

class FakeServices : public Services, public Navigator {
  public:
    // Answers, set by a test before it acts.
    Result<std::string> desktop = std::string("/home/owner/Desktop");
    Result<std::string> special = std::string("/home/owner/Desktop/");
    Status launchResult;
    Status writeResult;
    Result<std::string> home = std::string("/home/owner/");  // specialFolder(kCsidlProfile)
    std::vector<std::string> existing;       // files that whatIsAt reports as replaceable
    std::vector<std::string> unreplaceable;  // what whatIsAt reports as unreplaceable
    std::vector<std::string> missingFiles;   // paths for which isExistingFile is false
    std::deque<Answer> answers;              // one per ask(); empty: the default button
    Result<std::optional<std::string>> fileChoice = std::optional<std::string>{};
    std::optional<std::string> folderChoice;

    // What happened, in order.
    std::vector<std::string> log;
    std::vector<std::string> launched;
    std::vector<std::string> written;
    bool ended = false;

    Result<std::string> desktopDirectory() override {
        log.push_back("desktopDirectory");
        return desktop;
    }
    Result<std::string> specialFolder(int csidl) override {
        log.push_back("specialFolder " + std::to_string(csidl));
        return csidl == kCsidlProfile ? home : special;
    }
    Status launchEditor(const std::string& path) override {
        log.push_back("launchEditor " + path);
        if (launchResult) {
            launched.push_back(path);
        }
        return launchResult;
    }
    TargetKind whatIsAt(const std::string& path) override {
        if (std::find(existing.begin(), existing.end(), path) != existing.end()) {
            return TargetKind::ReplaceableFile;
        }
        if (std::find(unreplaceable.begin(), unreplaceable.end(), path) != unreplaceable.end()) {
            return TargetKind::Unreplaceable;
        }
        return TargetKind::Nothing;
    }
    bool isExistingFile(const std::string& path) override {
        return std::find(missingFiles.begin(), missingFiles.end(), path) == missingFiles.end();
    }
    Status writeNewDocument(const std::string& path) override {
        log.push_back("write " + path);
        if (writeResult) {
            written.push_back(path);
        }
        return writeResult;
    }
    Answer ask(MessageId text, MessageId title, Answer def) override {
        log.push_back("ask " + English(title) + " " + English(text) +
                      (def == Answer::Yes ? " [Yes]" : " [No]"));
        if (answers.empty()) {
            return def;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void tell(MessageId text, MessageId title) override {
        log.push_back("tell " + English(title) + " " + English(text));
    }
    Result<std::optional<std::string>> chooseFile(const FileOpenRequest& r) override {
        log.push_back("chooseFile " + English(r.title) + "|" + English(r.filterName) + "|" +
                      r.filterPattern + "|" + r.initialFolder);
        return fileChoice;
    }
    std::optional<std::string> chooseFolder(MessageId title,
                                            const std::string& initialFolder) override {
        log.push_back("chooseFolder " + English(title) + "|" + initialFolder);
        return folderChoice;
    }
    void showCreateWizard() override { log.push_back("showCreateWizard"); }
    void showMainWindow() override { log.push_back("showMainWindow"); }
    void endProgram() override {
        log.push_back("endProgram");
        ended = true;
    }
};

}  // namespace tbr::testing
