// Files in and out within one process: saving deck files, the Cardfile import from bytes in
// memory, both exports. Opening a file as the user meets it, in a fresh process, is measured
// by tabula_whole_process (whole_process.cpp). The largest deck runs a fixed number of times,
// each run being long already.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "bench_data.h"
#include "deck/cardfile.h"
#include "deck/deck.h"
#include "deck/deck_file.h"
#include "deck/export.h"

namespace tabula::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kLargeDeckWrites = 3;

std::int64_t FileSize(const fs::path& path) {
    return static_cast<std::int64_t>(fs::file_size(path));
}

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

// The import itself, from the file's bytes in memory, as ReadCardfile takes them. Clearing
// the deck between runs gives its store back to the system, so each run's cards land in fresh
// memory, as in a fresh process.
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
