#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "deck/card.h"
#include "deck/large_memory.h"

namespace tabula {

// Where the deck's cards live: records side by side in large chunks, so that a file's records
// are read straight into place and the deck in index order is, for the most part, memory in
// order. Chunks never move: a card stays where it is from its creation to its deletion, and a
// new card never makes the store copy the cards it has. A deleted card's record is used again
// by a later card. Records are named by number.
class CardStore {
  public:
    using Record = std::uint32_t;

    Card& At(Record record) { return Chunk(record >> kChunkShift)[record & (kChunkRecords - 1)]; }
    const Card& At(Record record) const {
        return Chunk(record >> kChunkShift)[record & (kChunkRecords - 1)];
    }

    // Beside each record, a few bits that say which pairs of adjacent bytes its upper-cased
    // index holds (IndexPairs). The deck keeps them up to date and copies them into the order
    // its searches read them in, so that after merging many cards it gathers 8 bytes a card
    // rather than reading every index again. A new record's are unspecified.
    std::uint64_t& Pairs(Record record) {
        return PairsBlock(record >> kPairsShift)[record & (kPairsRecords - 1)];
    }
    const std::uint64_t& Pairs(Record record) const {
        return PairsBlock(record >> kPairsShift)[record & (kPairsRecords - 1)];
    }

    // A record for one new card, a deleted card's when there is one. Its bytes are
    // unspecified.
    Record Allocate() {
        if (!free_.empty()) {
            const Record record = free_.back();
            free_.pop_back();
            return record;
        }
        EnsureRoomAtEnd();
        return end_++;
    }
    // The card in this record is gone; the record waits for a later card.
    void Free(Record record) { free_.push_back(record); }

    // Room for up to `wanted` new records side by side after the last one: at least one, fewer
    // when the current chunk ends sooner. Their bytes are unspecified; Take keeps them.
    std::span<Card> Space(std::size_t wanted);
    // The first `count` records of the last Space are in use from now on; the first of them
    // is record number `End()` as it was before.
    void Take(std::size_t count) { end_ += static_cast<Record>(count); }
    Record End() const { return end_; }

    // Gives every chunk back to the system.
    void Clear();

  private:
    // 32,768 records, about 17.4 MiB: few chunks for a million cards, and a small deck only
    // ever touches the first pages of its one chunk.
    static constexpr unsigned kChunkShift = 15;
    static constexpr std::size_t kChunkRecords = std::size_t{1} << kChunkShift;

    // The sketches go in blocks of 2 MiB, one huge page where the system has them, so that
    // gathering them in the deck's order does not wait on the address translation of every
    // one.
    static constexpr unsigned kPairsShift = 18;
    static constexpr std::size_t kPairsRecords = std::size_t{1} << kPairsShift;
    static_assert(kPairsShift >= kChunkShift);

    Card* Chunk(std::size_t k) const { return reinterpret_cast<Card*>(chunks_[k].Data()); }
    std::uint64_t* PairsBlock(std::size_t k) const {
        return reinterpret_cast<std::uint64_t*>(pairs_[k].Data());
    }
    void EnsureRoomAtEnd() {
        if (end_ == chunks_.size() * kChunkRecords) {
            AddChunk();
        }
    }
    void AddChunk();

    std::vector<LargeBlock> chunks_;
    std::vector<LargeBlock> pairs_;
    Record end_ = 0;  // records [0, end_) hold cards or are free
    std::vector<Record> free_;
};

}  // namespace tabula
