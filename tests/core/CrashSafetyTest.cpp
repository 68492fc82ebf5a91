#include "core/lines/TextLineList.h"
#include "core/lines/WholeFile.h"
#include "core/server/ConfigurationFile.h"
#include "core/server/ServerDesign.h"
#include "core/users/UserFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace vantor;
using namespace vantor::test;

namespace {

TextLineList accounts(const std::string& password) {
    TextLineList list;
    list.reserve(20000);
    for (int i = 0; i < 20000; ++i)
        list.append("user" + std::to_string(i) + "|" + password + "|/home/" + std::to_string(i) +
                    "|staff");
    return list;
}

// The child never returns into the test framework: it is either killed or
// leaves at once, so no test runs twice.
[[noreturn]] void rewriteUntilKilled(const TextLineList (&users)[2], const std::string& userFile,
                                     const ServerDesign (&designs)[2]) {
    try {
        for (int version = 0;; version ^= 1) {
            WriteLineList(users[version], userFile, kUserFileMode);
            writeConfigurationFile(designs[version]);
        }
    } catch (...) {
    }
    ::_exit(1);
}

} // namespace

TEST(CrashSafety, AWriterKilledAtAnyMomentLeavesEveryFileWholeAndNoCopies) {
    // On disk every write waits tens of milliseconds in fsync, so kills a few
    // milliseconds apart would all land there. In memory a write takes about a
    // millisecond and the kills reach every step of it, including the short one
    // between naming the finished copy and renaming it.
    const TempDir dir(memoryFolder());
    const std::string userFile = dir.file("site.user");
    const std::string configFile = dir.file("site.ftpd");
    // Sections the writer must carry over make the configuration file large.
    std::string otherSections;
    for (int i = 0; i < 2000; ++i)
        otherSections +=
            "[Mount" + std::to_string(i) + "]\r\nPATH=/srv/" + std::to_string(i) + "\r\n";
    writeFile(configFile, otherSections);

    const TextLineList users[2] = {accounts("alpha"), accounts("bravo")};
    ServerDesign designs[2];
    std::string userBytes[2];
    std::string configBytes[2];
    for (int version : {0, 1}) {
        designs[version].configFile = configFile;
        designs[version].serverName = version == 0 ? "SiteA" : "SiteB";
        WriteLineList(users[version], userFile, kUserFileMode);
        writeConfigurationFile(designs[version]);
        userBytes[version] = ReadWholeFile(userFile);
        configBytes[version] = ReadWholeFile(configFile);
    }

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(200, 4000);
    const auto temporaries = [&] {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            count += entry.path() != userFile && entry.path() != configFile;
        return count;
    };
    constexpr int kKills = 200;
    int torn = 0;
    int copiesLeft = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            rewriteUntilKilled(users, userFile, designs);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed by itself";

        const std::string user = ReadWholeFile(userFile);
        const std::string config = ReadWholeFile(configFile);
        torn += (user != userBytes[0] && user != userBytes[1]) +
                (config != configBytes[0] && config != configBytes[1]);
        copiesLeft += temporaries();
        // The next writer starts from the other version, so every kill may
        // interrupt a real change.
        WriteLineList(users[1], userFile, kUserFileMode);
        writeConfigurationFile(designs[1]);
        ASSERT_EQ(ReadWholeFile(userFile), userBytes[1]);
        ASSERT_EQ(ReadWholeFile(configFile), configBytes[1]);
    }

    // Only a kill between naming the finished copy and renaming it leaves one,
    // a few kills in a hundred; the next write of the same file removes it.
    const int leftovers = temporaries();
    RecordProperty("copies_left_by_kills", copiesLeft);
    std::cout << kKills << " kills (seed " << seed << "): " << torn << " torn files, " << copiesLeft
              << " copies left by kills, " << leftovers << " left after the last write\n";
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(leftovers, 0);
}
