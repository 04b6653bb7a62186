#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "deck/deck.h"

namespace tabula::bench {

// The seed of SharedDeck's texts.
inline constexpr std::uint64_t kDeckSeed = 0x7AB01A;

// The deck sizes every deck benchmark runs at.
inline constexpr int kSmallDeck = 1'000;
inline constexpr int kMediumDeck = 100'000;
inline constexpr int kLargeDeck = 1'000'000;
// The most cards a Cardfile file can count in its 16-bit header.
inline constexpr int kCardfileCards = 65'535;

// Texts shaped like a real card file's: index lines of 5 to 30 characters built from
// name-like words (capitals, commas, a few numbers and Windows-1252 letters), bodies of words
// with an occasional line break (CR LF). The same seed always gives the same texts, so runs
// compare.
class TextMaker {
  public:
    explicit TextMaker(std::uint64_t seed) : random_(seed) {}

    std::string Index();
    std::string Body(std::size_t min_length, std::size_t max_length);
    // A number in [0, n).
    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(random_() % n); }

  private:
    std::string Word();

    std::mt19937_64 random_;
};

// Adds `count` cards with made-up texts (bodies of 0 to 511 characters, about one card in ten
// tagged) and sorts the deck.
void AddMadeUpCards(Deck& deck, int count, std::uint64_t seed);

// Brings the card two fifths of the way through the sorted deck to the front, as in a deck
// that has been browsed: saved from there, its file is two ascending runs.
void TurnRing(Deck& deck);

// An "MGC" Cardfile file of `count` cards in index order: name-like index lines, bodies of
// 50 to 300 characters, a small picture on about one card in fifty.
std::string MadeUpCardfile(int count, std::uint64_t seed);

// A folder of the run's own under the system's temporary folder, removed with everything in
// it when the program ends.
const std::filesystem::path& RunFolder();

// Built once per size and kept for the whole run, because building the largest takes
// seconds. A benchmark that changes the deck puts it back as it found it (same cards, same
// count); only the ring may be turned.
Deck& SharedDeck(int count);
// The deck file WriteDeckFile writes from SharedDeck(count) after TurnRing.
const std::filesystem::path& SharedDeckFile(int count);
// MadeUpCardfile(kCardfileCards, ...) in memory and on disk.
const std::string& SharedCardfileBytes();
const std::filesystem::path& SharedCardfile();

// Prints the message and ends the program: a benchmark whose data cannot be made measures
// nothing worth reporting.
[[noreturn]] void Fail(std::string_view message);

}  // namespace tabula::bench
