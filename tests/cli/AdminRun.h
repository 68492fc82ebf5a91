#pragma once

#include "cli/Verbs.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantor::test {

struct AdminResult {
    int code;
    std::string out;
    std::string err;
};

// Runs vantor-admin's commands in the test's process on a folder of its own,
// as a script would run the program there.
class AdminRun : public ::testing::Test {
protected:
    // `args` are words split at blanks; `--dir` is the test's folder.
    AdminResult admin(const std::string& args, const std::string& input = {}) {
        std::vector<std::string> words{"--dir", dir.path()};
        std::istringstream split(args);
        for (std::string word; split >> word;)
            words.push_back(word);
        return adminWords(words, input);
    }
    AdminResult adminWords(const std::vector<std::string>& words, const std::string& input = {}) {
        std::istringstream in(input);
        std::ostringstream out, err;
        const int code = admin::runAdmin(words, in, out, err);
        return {code, out.str(), err.str()};
    }
    std::string userFile() const { return dir.file("default.user"); }

    TempDir dir;
};

} // namespace vantor::test
