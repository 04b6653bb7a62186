// The deck's own operations on decks of 1,000, 100,000 and 1,000,000 cards. Each benchmark
// leaves the shared deck with the same cards it found, so the size stays steady; the work that
// restores it is not timed (manual timing around the operation alone).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "bench_data.h"
#include "deck/card.h"
#include "deck/deck.h"

namespace tabula::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint64_t kAddSeed = 0xADDCA4D;
constexpr std::uint64_t kPositionSeed = 0xF407;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<int> RandomPositions(int count, std::size_t how_many) {
    TextMaker random(kPositionSeed);
    std::vector<int> positions(how_many);
    for (int& position : positions) {
        position = static_cast<int>(random.Below(static_cast<std::size_t>(count)));
    }
    return positions;
}

// Add Card as the program does it: the new card goes in, the deck is sorted, and the new card
// is brought to the front by its index. Taking it out again is not timed.
void BM_AddCard(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Deck& deck = SharedDeck(count);
    TextMaker maker(kAddSeed);
    std::vector<std::string> texts(512);
    for (std::string& text : texts) {
        text = maker.Index();
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string& text = texts[next++ % texts.size()];
        const Clock::time_point start = Clock::now();
        deck.CreateCard(text);
        deck.SortCards();
        deck.BringMatchToFront(text);
        state.SetIterationTime(SecondsSince(start));
        // A made-up text may equal a card already in the deck; removing either keeps the
        // deck's size and its indexes as they were.
        deck.RemoveFrontCard();
    }
    if (deck.Count() != count) {
        state.SkipWithError("the deck changed size");
    }
}
BENCHMARK(BM_AddCard)
    ->Arg(kSmallDeck)
    ->Arg(kMediumDeck)
    ->Arg(kLargeDeck)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// Bringing a card to the front turns the ring and changes nothing else, so it needs no
// restoring.
void BM_BringToFront(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Deck& deck = SharedDeck(count);
    deck.SortCards();
    const std::vector<int> positions = RandomPositions(count, 4096);
    std::size_t next = 0;
    for (auto _ : state) {
        deck.BringToFront(positions[next++ % positions.size()]);
        benchmark::DoNotOptimize(deck.Front());
    }
}
BENCHMARK(BM_BringToFront)
    ->Arg(kSmallDeck)
    ->Arg(kMediumDeck)
    ->Arg(kLargeDeck)
    ->Unit(benchmark::kMicrosecond);

// The front card is a random one, as after browsing; the removed card is added back and the
// deck sorted again outside the timing.
void BM_RemoveFrontCard(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Deck& deck = SharedDeck(count);
    deck.SortCards();
    const std::vector<int> positions = RandomPositions(count, 4096);
    std::size_t next = 0;
    for (auto _ : state) {
        deck.BringToFront(positions[next++ % positions.size()]);
        const Card removed = deck.Front();
        const Clock::time_point start = Clock::now();
        deck.RemoveFrontCard();
        state.SetIterationTime(SecondsSince(start));
        Card& back = deck.CreateCard(removed.Index());
        back.SetBody(removed.Body());
        back.SetTaggedField(removed.TaggedField());
        deck.SortCards();
    }
    if (deck.Count() != count) {
        state.SkipWithError("the deck changed size");
    }
}
BENCHMARK(BM_RemoveFrontCard)
    ->Arg(kSmallDeck)
    ->Arg(kMediumDeck)
    ->Arg(kLargeDeck)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tabula::bench
