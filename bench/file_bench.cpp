// Files in and out: opening and saving deck files, importing a Cardfile file, both exports.
// Every file read has a floor beside it in the same run: the same file read into memory with
// one read. The largest deck runs a fixed number of times, each run being long already.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "bench_data.h"
#include "deck/cardfile.h"
#include "deck/deck.h"
#include "deck/deck_file.h"
#include "deck/export.h"

namespace tabula::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kLargeDeckOpens = 5;
constexpr int kLargeDeckWrites = 3;

std::int64_t FileSize(const fs::path& path) {
    return static_cast<std::int64_t>(fs::file_size(path));
}

// Fresh pages taken from the system per iteration, beside the time.
void ReportPageFaults(benchmark::State& state, long faults, const char* name = "faults") {
    state.counters[name] =
        benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
}

// Opening as the program does, into an empty deck. Clearing the deck is not timed. Besides
// its own time, the benchmark times a plain read of the same file between its runs and
// reports open / plain read as "x_read": measured side by side, that ratio holds up better
// than two figures taken minutes apart on a busy machine.
void BM_OpenDeckFile(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const fs::path& path = SharedDeckFile(count);
    Deck deck;
    // Once untimed, so that the timed runs all find the process as it is after opening a
    // deck, not the first one to ask the system for memory.
    ReadDeckFile(path, deck);
    deck.ClearDeck();
    ReadInOneGo(path);
    double open_seconds = 0;
    double read_seconds = 0;
    long faults = 0;
    long read_faults = 0;
    for (auto _ : state) {
        const long faults_before = PageFaults();
        const Clock::time_point open_start = Clock::now();
        const DeckReadResult result = ReadDeckFile(path, deck);
        open_seconds += std::chrono::duration<double>(Clock::now() - open_start).count();
        faults += PageFaults() - faults_before;
        state.PauseTiming();
        if (result.status != DeckReadResult::Status::kOk || deck.Count() != count) {
            state.SkipWithError("the deck file did not read back whole");
            break;
        }
        deck.ClearDeck();
        const long read_faults_before = PageFaults();
        const Clock::time_point read_start = Clock::now();
        FileBytes bytes = ReadInOneGo(path);
        read_seconds += std::chrono::duration<double>(Clock::now() - read_start).count();
        read_faults += PageFaults() - read_faults_before;
        benchmark::DoNotOptimize(bytes.data.get());
        bytes.data.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
    ReportPageFaults(state, faults);
    ReportPageFaults(state, read_faults, "read_faults");
    if (read_seconds > 0) {
        state.counters["x_read"] = open_seconds / read_seconds;
    }
}
BENCHMARK(BM_OpenDeckFile)->Arg(kSmallDeck)->Arg(kMediumDeck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDeckFile)
    ->Arg(kLargeDeck)
    ->Iterations(kLargeDeckOpens)
    ->Unit(benchmark::kMillisecond);

// The floor for a file read: the file's bytes into memory with one read. Freeing the buffer
// is not timed, as clearing the deck is not.
void ReadFloor(benchmark::State& state, const fs::path& path) {
    ReadInOneGo(path);  // once untimed, as for the open
    long faults = 0;
    for (auto _ : state) {
        const long faults_before = PageFaults();
        FileBytes bytes = ReadInOneGo(path);
        faults += PageFaults() - faults_before;
        benchmark::DoNotOptimize(bytes.data.get());
        state.PauseTiming();
        bytes.data.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
    ReportPageFaults(state, faults);
}

void BM_ReadDeckFileBytes(benchmark::State& state) {
    ReadFloor(state, SharedDeckFile(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReadDeckFileBytes)->Arg(kSmallDeck)->Arg(kMediumDeck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDeckFileBytes)
    ->Arg(kLargeDeck)
    ->Iterations(kLargeDeckOpens)
    ->Unit(benchmark::kMillisecond);

// Saving replaces the file in one rename each time, including the flush to disk that makes
// the replacement safe.
void BM_SaveDeckFile(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const fs::path& written = SharedDeckFile(count);  // turns the shared deck's ring
    const Deck& deck = SharedDeck(count);
    const fs::path path = RunFolder() / ("saved-" + std::to_string(count) + ".tbx");
    for (auto _ : state) {
        if (!WriteDeckFile(path, deck).ok()) {
            state.SkipWithError("saving failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * FileSize(written));
}
BENCHMARK(BM_SaveDeckFile)->Arg(kSmallDeck)->Arg(kMediumDeck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDeckFile)
    ->Arg(kLargeDeck)
    ->Iterations(kLargeDeckWrites)
    ->Unit(benchmark::kMillisecond);

// The import itself, from the file's bytes in memory, as ReadCardfile takes them.
void BM_ImportCardfile(benchmark::State& state) {
    const std::string& bytes = SharedCardfileBytes();
    Deck deck;
    for (auto _ : state) {
        const CardfileResult result = ReadCardfile(bytes, deck);
        state.PauseTiming();
        if (result.status != CardfileResult::Status::kOk || deck.Count() != kCardfileCards) {
            state.SkipWithError("the Cardfile file did not import whole");
            break;
        }
        deck.ClearDeck();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ImportCardfile)->Unit(benchmark::kMillisecond);

// The whole import as the user meets it: the file read from disk, then imported.
void BM_ImportCardfileFromDisk(benchmark::State& state) {
    const fs::path& path = SharedCardfile();
    Deck deck;
    for (auto _ : state) {
        const std::optional<std::string> bytes = ReadWholeFile(path);
        if (!bytes) {
            state.SkipWithError("the Cardfile file could not be read");
            break;
        }
        const CardfileResult result = ReadCardfile(*bytes, deck);
        state.PauseTiming();
        if (result.status != CardfileResult::Status::kOk || deck.Count() != kCardfileCards) {
            state.SkipWithError("the Cardfile file did not import whole");
            break;
        }
        deck.ClearDeck();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}
BENCHMARK(BM_ImportCardfileFromDisk)->Unit(benchmark::kMillisecond);

// The floor for the import: the Cardfile file's bytes into memory with one read.
void BM_ReadCardfileBytes(benchmark::State& state) {
    ReadFloor(state, SharedCardfile());
}
BENCHMARK(BM_ReadCardfileBytes)->Unit(benchmark::kMillisecond);

template <typename Write>
void RunExport(benchmark::State& state, const char* extension, Write write) {
    const int count = static_cast<int>(state.range(0));
    const Deck& deck = SharedDeck(count);
    const fs::path path = RunFolder() / ("export-" + std::to_string(count) + extension);
    for (auto _ : state) {
        if (!write(path, deck).ok()) {
            state.SkipWithError("the export failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

void BM_TextExport(benchmark::State& state) {
    RunExport(state, ".txt",
              [](const fs::path& path, const Deck& deck) { return WriteTextExport(path, deck); });
}
BENCHMARK(BM_TextExport)->Arg(kSmallDeck)->Arg(kMediumDeck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextExport)
    ->Arg(kLargeDeck)
    ->Iterations(kLargeDeckWrites)
    ->Unit(benchmark::kMillisecond);

void BM_CommaDelimitedExport(benchmark::State& state) {
    RunExport(state, ".csv", [](const fs::path& path, const Deck& deck) {
        return WriteCommaDelimitedExport(path, deck);
    });
}
BENCHMARK(BM_CommaDelimitedExport)
    ->Arg(kSmallDeck)
    ->Arg(kMediumDeck)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommaDelimitedExport)
    ->Arg(kLargeDeck)
    ->Iterations(kLargeDeckWrites)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabula::bench
