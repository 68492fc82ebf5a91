// vantor-admin as a whole process on large folders, each command measured
// against a plain and a flushed copy of the file it works on. Run by hand
// (`make bench`), never as a test.
#include "FileBaseline.h"
#include "core/lines/FileStamp.h"
#include "core/lines/WholeFile.h"

#include <algorithm>
#include <chrono>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

using namespace vantor;
using namespace vantor::bench;

namespace {

// Runs the program to its end, its output thrown away.
void admin(std::vector<std::string> args) {
    args.insert(args.begin(), VANTOR_ADMIN);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
        waitpid(child, &status, 0) < 0)
        throw std::runtime_error("vantor-admin could not be run");
    posix_spawn_file_actions_destroy(&actions);
    benchmark::DoNotOptimize(status);
}

// A folder of its own for each benchmark, removed afterwards.
class Folder {
public:
    explicit Folder(const std::string& name) : path_(scratchFile(name)) {
        std::filesystem::create_directories(path_);
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// One account added to a file of N; the account goes again, untimed.
void BM_AdminUserAdd(benchmark::State& state) {
    const Folder folder("add");
    const std::string file = folder.file("big.user");
    WriteLineList(userLines(state.range(0)), file);
    runAgainstCopy(
        state, file,
        [&] {
            admin({"--user-file", file, "user", "add", "newcomer", "--group", "staff"});
        },
        [&] {
            admin({"--user-file", file, "user", "remove", "newcomer"});
        });
}
BENCHMARK(BM_AdminUserAdd)
    ->RangeMultiplier(10)
    ->Range(10000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// N new accounts into an empty folder, against a copy of the file that
// results.
void BM_AdminImport(benchmark::State& state) {
    const Folder folder("import");
    const std::string csv = folder.file("accounts.csv");
    std::string rows = "name,password,group,download_limit,upload_limit,ratio,note\n";
    for (std::int64_t i = 0; i < state.range(0); ++i)
        rows += userName(i) + ",pw" + std::to_string(i * 7919 % 100000) + ",staff,512,256,3," +
                (i % 2 == 0 ? "" : "Night shift") + "\n";
    WriteFileAtomically(csv, rows);
    const std::string result = folder.file("result.user");
    admin({"--user-file", result, "user", "import", csv});
    const std::string target = folder.file("target.user");
    runAgainstCopy(
        state, result,
        [&] {
            admin({"--user-file", target, "user", "import", csv});
        },
        [&] { std::remove(target.c_str()); });
}
BENCHMARK(BM_AdminImport)
    ->RangeMultiplier(10)
    ->Range(10000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A folder of N accounts, N allowed addresses and N / 10 mount points.
void fillFolder(const Folder& folder, std::int64_t count) {
    WriteLineList(userLines(count), folder.file("big.user"));
    WriteLineList(allowedEntries(count), folder.file("big.allow"));
    TextLineList mounts;
    for (std::int64_t i = 0; i < count / 10; ++i)
        mounts.append(folder.path() + "|/m" + std::to_string(i) + "|" + userName(i) +
                      "|staff|754|r");
    mounts.append(folder.path() + "|/|default|default|754|r");
    WriteLineList(mounts, folder.file("big.vfs"));
}

// Linear when the ratio to a copy stays about the same from 10,000 up.
void BM_AdminCheck(benchmark::State& state) {
    const Folder folder("check");
    fillFolder(folder, state.range(0));
    runAgainstCopy(state, folder.file("big.user"), [&] {
        admin({"--dir", folder.path(), "check"});
    });
}
BENCHMARK(BM_AdminCheck)
    ->RangeMultiplier(10)
    ->Range(10000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_AdminUserListJson(benchmark::State& state) {
    const Folder folder("list");
    fillFolder(folder, state.range(0));
    runAgainstCopy(state, folder.file("big.user"), [&] {
        admin({"--dir", folder.path(), "user", "list", "--json"});
    });
}
BENCHMARK(BM_AdminUserListJson)
    ->RangeMultiplier(10)
    ->Range(10000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A state of every account of userLines(count) with every field the file
// holds but the server's counters, as a fleet's playbook keeps it; the
// account `changed` gets another group.
std::string accountsState(std::int64_t count, std::int64_t changed = -1) {
    static const char* const notes[] = {"", "Accounts", "Night shift", "Contractor, March"};
    std::string json = "{\"accounts\": [\n";
    for (std::int64_t i = 0; i < count; ++i) {
        json += (i == 0 ? "" : ",\n");
        json += R"({"name": ")" + userName(i) + R"(", "level": "normal", "password": "pw)" +
                std::to_string(100000 + i * 7919 % 100000) + R"(x!", "group": ")" +
                (i == changed ? "ops" : "staff") +
                R"(", "enabled": true, "download_limit": 512, "upload_limit": 256, "ratio": 3, )"
                R"("max_logins": 4, "ip_check_off": false, "note": ")" +
                notes[i % 4] + R"(", "language": "default"})";
    }
    return json + "]}\n";
}

double plainReadSeconds(const std::vector<std::string>& files) {
    std::vector<double> samples;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        for (const std::string& file : files)
            benchmark::DoNotOptimize(ReadWholeFile(file));
        samples.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// A folder already in the state: nothing is written. Measured against a plain
// read of the folder's files (x_read), and of those and the state, which
// apply has to read too (x_read_with_state).
void BM_AdminApplyUnchanged(benchmark::State& state) {
    const Folder folder("apply");
    const std::string users = folder.file("big.user");
    const std::string json = folder.file("state.json");
    WriteFileAtomically(users, LineListBytes(userLines(state.range(0))), 0600);
    WriteFileAtomically(json, accountsState(state.range(0)));
    admin({"--dir", folder.path(), "apply", json});
    const FileStamp before = StampOf(users);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        admin({"--dir", folder.path(), "apply", json});
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        total += seconds;
    }
    if (!(StampOf(users) == before))
        state.SkipWithError("apply wrote the user file");
    const double perRun = total / static_cast<double>(state.iterations());
    state.counters["x_read"] = perRun / plainReadSeconds({users});
    state.counters["x_read_with_state"] = perRun / plainReadSeconds({users, json});
}
BENCHMARK(BM_AdminApplyUnchanged)
    ->RangeMultiplier(10)
    ->Range(10000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The same state with one account changed: one rewrite of the user file,
// against a flushed copy of it (x_copy_fsync). The file is put back, untimed.
void BM_AdminApplyOneChanged(benchmark::State& state) {
    const Folder folder("apply-one");
    const std::string users = folder.file("big.user");
    const std::string json = folder.file("state.json");
    const std::string original = LineListBytes(userLines(state.range(0)));
    WriteFileAtomically(users, original, 0600);
    WriteFileAtomically(json, accountsState(state.range(0), state.range(0) / 2));
    runAgainstCopy(
        state, users,
        [&] {
            admin({"--dir", folder.path(), "apply", json});
        },
        [&] { WriteFileAtomically(users, original, 0600); });
}
BENCHMARK(BM_AdminApplyOneChanged)
    ->RangeMultiplier(10)
    ->Range(10000, 100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
