#include "deck/card_store.h"

#include <algorithm>

namespace tabula {

void CardStore::AddChunk() {
    // The sketches come first: should the chunk fail, a block too many does no harm.
    if (chunks_.size() * kChunkRecords == pairs_.size() * kPairsRecords) {
        pairs_.emplace_back(kPairsRecords * sizeof(std::uint64_t));
    }
    chunks_.emplace_back(kChunkRecords * sizeof(Card));
}

std::span<Card> CardStore::Space(std::size_t wanted) {
    EnsureRoomAtEnd();
    const std::size_t offset = end_ & (kChunkRecords - 1);
    const std::size_t granted = std::clamp<std::size_t>(wanted, 1, kChunkRecords - offset);
    return {Chunk(end_ >> kChunkShift) + offset, granted};
}

void CardStore::Clear() {
    chunks_.clear();
    chunks_.shrink_to_fit();
    pairs_.clear();
    pairs_.shrink_to_fit();
    free_.clear();
    free_.shrink_to_fit();
    end_ = 0;
}

}  // namespace tabula
