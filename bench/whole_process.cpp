// Opening a file as the user meets it: `tabula-cli info FILE` as a fresh process, beside `cat
// FILE` of the same bytes in the same run, each the best of five. A fresh process is the case
// that counts: its memory comes new from the system, which on some machines costs more than
// the reading itself, and a benchmark that opens again and again in one process never sees
// that. A third column is the floor for any program that keeps the file in memory: a fresh
// process that reads the file into one block as the deck's store takes it (LargeBlock), and
// does nothing else.
//   tabula_whole_process [TABULA-CLI]
//   tabula_whole_process --floor FILE     (the floor process itself)
// The files (decks of 10,000, 100,000 and 1,000,000 cards and a Cardfile file of 65,535 cards)
// are made in a folder under the system's temporary folder, removed at the end.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_data.h"
#include "deck/deck.h"
#include "deck/deck_file.h"
#include "deck/large_memory.h"
#include "deck/replace_file.h"

namespace {

namespace fs = std::filesystem;
using namespace tabula;
using namespace tabula::bench;

constexpr int kRuns = 5;

struct Measure {
    double wall_ms = 1e300;
    double cpu_ms = 1e300;
    double peak_mib = 0;
};

double Ms(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// One run of the program with its output thrown away; keeps the best wall and CPU times and
// the highest peak resident memory seen.
void RunOnce(const std::vector<std::string>& command, Measure& best) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0) {
        Fail("cannot start a process");
    }
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::execvp(argv[0], argv.data());
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        Fail(command[0] + " failed on " + command.back());
    }
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    best.wall_ms = std::min(best.wall_ms, wall);
    best.cpu_ms = std::min(best.cpu_ms, Ms(usage.ru_utime) + Ms(usage.ru_stime));
    best.peak_mib = std::max(best.peak_mib, static_cast<double>(usage.ru_maxrss) / 1024.0);
}

// Made in a child process, so this one stays small while it measures.
void MakeInChild(const fs::path& path, int cards, bool cardfile) {
    const pid_t child = ::fork();
    if (child < 0) {
        Fail("cannot start a process to make the files");
    }
    if (child == 0) {
        bool ok = false;
        if (cardfile) {
            const std::string bytes = MadeUpCardfile(cards, kDeckSeed);
            ok = ReplaceFile(path, [&bytes](std::ostream& out) {
                     out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
                     return static_cast<bool>(out);
                 }).ok();
        } else {
            Deck deck;
            AddMadeUpCards(deck, cards, kDeckSeed);
            TurnRing(deck);
            ok = WriteDeckFile(path, deck).ok();
        }
        // _Exit: the folder and everything else belong to the parent.
        std::_Exit(ok ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        Fail("cannot make " + path.string());
    }
}

int ReadIntoMemory(const char* path) {
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0) {
        return 1;
    }
    const LargeBlock block(static_cast<std::size_t>(fs::file_size(path)));
    std::size_t done = 0;
    while (done < block.Size()) {
        const ssize_t got = ::read(fd, block.Data() + done, block.Size() - done);
        if (got <= 0) {
            return 1;
        }
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--floor") {
        return ReadIntoMemory(argv[2]);
    }
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string cli = argc > 1 ? argv[1] : TABULA_CLI_PATH;
    struct File {
        std::string name;
        fs::path path;
    };
    std::vector<File> files;
    for (const int cards : {10'000, 100'000, 1'000'000}) {
        const fs::path path = RunFolder() / ("deck-" + std::to_string(cards) + ".tbx");
        MakeInChild(path, cards, false);
        files.push_back({"deck, " + std::to_string(cards) + " cards", path});
    }
    const fs::path cardfile = RunFolder() / "cards.crd";
    MakeInChild(cardfile, kCardfileCards, true);
    files.push_back({"Cardfile, " + std::to_string(kCardfileCards) + " cards", cardfile});

    std::printf("best of %d runs, times in ms, memory in MiB\n", kRuns);
    std::printf("%-24s %7s | %8s %8s | %8s %8s | %8s %8s %6s %6s %6s | %8s %6s\n", "file", "MiB",
                "cat wall", "cat cpu", "flr wall", "flr cpu", "cli wall", "cli cpu", "x cat",
                "x flr", "x cpu", "cli peak", "x file");
    for (const File& file : files) {
        Measure cat;
        Measure floor;
        Measure info;
        // Side by side: each run of the program follows a run of cat and of the floor, so all
        // three meet the machine in the same state.
        for (int run = 0; run < kRuns; ++run) {
            RunOnce({"cat", file.path.string()}, cat);
            RunOnce({self, "--floor", file.path.string()}, floor);
            RunOnce({cli, "info", file.path.string()}, info);
        }
        const double mib = static_cast<double>(fs::file_size(file.path)) / (1024.0 * 1024.0);
        std::printf(
            "%-24s %7.1f | %8.1f %8.1f | %8.1f %8.1f | %8.1f %8.1f %6.2f %6.2f %6.2f | %8.1f "
            "%6.2f\n",
            file.name.c_str(), mib, cat.wall_ms, cat.cpu_ms, floor.wall_ms, floor.cpu_ms,
            info.wall_ms, info.cpu_ms, info.wall_ms / cat.wall_ms, info.wall_ms / floor.wall_ms,
            info.cpu_ms / std::max(cat.cpu_ms, 0.001), info.peak_mib, info.peak_mib / mib);
    }
    return 0;
}
