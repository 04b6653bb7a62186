// Peak memory of opening a deck file written by Tabula, beside the file's size.
//   tabula_deck_open_peak [CARDS]      (1,000,000 cards unless told)
// A child process makes the file, so the deck that writes it never counts toward this
// process's peak; what is left is the peak of ReadDeckFile itself.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_data.h"
#include "deck/deck.h"
#include "deck/deck_file.h"

namespace {

namespace fs = std::filesystem;
using namespace tabula;
using namespace tabula::bench;

long PeakResidentKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void WriteFileInChild(const fs::path& path, int count) {
    const pid_t child = ::fork();
    if (child < 0) {
        Fail("cannot start a process to write the deck file");
    }
    if (child == 0) {
        Deck deck;
        AddMadeUpCards(deck, count, kDeckSeed);
        TurnRing(deck);
        // _Exit: the folder and everything else belong to the parent.
        std::_Exit(WriteDeckFile(path, deck).ok() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        Fail("the deck file could not be written");
    }
}

}  // namespace

int main(int argc, char** argv) {
    int count = kLargeDeck;
    if (argc > 1) {
        count = std::atoi(argv[1]);
        if (count <= 0) {
            std::fprintf(stderr, "usage: %s [CARDS]\n", argv[0]);
            return 1;
        }
    }
    const fs::path path = RunFolder() / ("deck-" + std::to_string(count) + ".tbx");
    WriteFileInChild(path, count);
    const double file_mib = static_cast<double>(fs::file_size(path)) / (1024.0 * 1024.0);

    const long before = PeakResidentKiB();
    Deck deck;
    const auto start = std::chrono::steady_clock::now();
    const DeckReadResult result = ReadDeckFile(path, deck);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long after = PeakResidentKiB();
    if (result.status != DeckReadResult::Status::kOk || deck.Count() != count) {
        Fail("the deck file did not read back whole");
    }

    const double opened_mib = static_cast<double>(after - before) / 1024.0;
    std::printf("cards                     %d\n", count);
    std::printf("file size                 %.1f MiB\n", file_mib);
    std::printf("open time                 %.1f ms\n", seconds * 1000.0);
    std::printf("peak resident before open %.1f MiB\n", static_cast<double>(before) / 1024.0);
    std::printf("peak resident after open  %.1f MiB\n", static_cast<double>(after) / 1024.0);
    std::printf("added by opening          %.1f MiB = %.3f x the file's size\n", opened_mib,
                opened_mib / file_mib);
    std::printf("whole process peak        %.3f x the file's size\n",
                static_cast<double>(after) / 1024.0 / file_mib);
    return 0;
}
