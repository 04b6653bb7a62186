#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "deck/card.h"
#include "deck/card_store.h"

namespace tabula {

// The one open deck: a ring of cards whose element 0 is the front card. Read from the front
// and wrapping at the end, the ring ascends under CompareIndex; bringing a card to the front
// turns the ring and never re-sorts it.
//
// Positions are ring positions (0 = front). The cards themselves stay in a CardStore where they
// were made, so a card reference stays good until that card is deleted or the deck cleared.
// The ring is an array of record numbers sorted from its first element, plus the offset of the
// front card in it, so turning the ring costs nothing and every look-up by index is a binary
// search. Cards appended by CreateCard wait at the end of the ring until SortCards merges them
// in; any other ring operation sorts first.
class Deck {
  public:
    Deck() = default;
    Deck(const Deck&) = delete;
    Deck& operator=(const Deck&) = delete;

    int Count() const { return static_cast<int>(sorted_.size() + pending_.size()); }
    bool Empty() const { return sorted_.empty() && pending_.empty(); }
    const Card& At(int position) const { return store_.At(SlotAt(position)); }
    const Card& Front() const { return At(0); }

    // Where the cards lie: each card has a slot, a number below Slots(), from its creation to
    // its deletion; a deleted card's slot is later given to a new card. Reading the cards slot
    // by slot reads memory in order, which a pass over every card does much faster than
    // following the ring through a deck that was built up card by card.
    std::uint32_t Slots() const { return store_.End(); }
    std::uint32_t SlotAt(int position) const {
        assert(position >= 0 && position < Count());
        const auto k = static_cast<std::size_t>(position);
        return k < sorted_.size() ? sorted_[Physical(position)] : pending_[k - sorted_.size()];
    }
    // The card in a slot; a free slot holds what the card deleted from it held.
    const Card& InSlot(std::uint32_t slot) const { return store_.At(slot); }

    // Appends a card with this index (fixed-field copy), an empty body and no tag at the end
    // of the ring. It does not sort; the returned card may be filled in until the next call.
    Card& CreateCard(std::string_view index);
    // The same with a body (cut as SetBody cuts it).
    Card& CreateCard(std::string_view index, std::string_view body);
    // The same for a copy of a card made elsewhere. A card's index must not change between its
    // creation and the next SortCards.
    Card& CreateCard(std::unique_ptr<Card> card);
    // For the file readers, which write records straight into the deck's memory: room for up
    // to `wanted` new cards side by side (at least one, fewer when less is at hand at once),
    // their bytes unspecified. Nothing joins the deck until AddNewCards.
    std::span<Card> NewCardSpace(std::size_t wanted);
    // The first `count` records of the last NewCardSpace join the end of the ring as
    // CreateCard's cards do, each settled first (Card::SettleFields).
    void AddNewCards(std::size_t count);
    // Takes the last `count` cards added by CreateCard or AddNewCards since the last sort out
    // again, as though they had never come (a file read that was cancelled).
    void DropNewCards(std::size_t count);
    // Room in the ring for this many more cards, so that a reader who knows how many are
    // coming spares the ring its growing.
    void ReserveCards(std::size_t count) { pending_.reserve(pending_.size() + count); }
    // Stable sort of the ring read from the front; afterwards position 0 holds the smallest
    // index, and cards with equal indexes keep the order they had in the ring.
    void SortCards();

    void BringToFront(int position);
    // The first card from position 0 whose index equals the text ignoring ASCII case.
    void BringMatchToFront(std::string_view text);
    // The first card from position 1 whose index equals the text byte for byte.
    void BringExactToFront(std::string_view text);
    // The first card from position 1 whose index begins with the letter ch (a-z) in either
    // case. Nothing happens with fewer than two cards.
    void JumpToLetter(char ch);
    // Deletes the front card; the card behind it becomes the front card. Marks the deck changed.
    void RemoveFrontCard();
    // Removes every card. The modified flag is left as it is.
    void ClearDeck();
    // Clears this deck as ClearDeck does, then takes every card of the other deck in its ring
    // order, leaving that one empty. The cards stay where they are, so nothing is copied;
    // the observers and modified flags stay with their decks.
    void TakeCards(Deck& other);

    // Replaces the front card's index; the deck must then be sorted (SortCards) before the
    // ring is used again.
    void SetFrontIndex(std::string_view text);
    // Copies the editor's text into the front card's body, keeping the first 511 bytes.
    void StoreFrontBody(std::string_view editor_text);
    void SetBody(int position, std::string_view text);
    void SetTagged(int position, bool tagged);
    void SetTaggedField(int position, std::int32_t value);

    bool Modified() const { return modified_; }
    // Every change of the deck passes here, so the change observer hears of each one.
    void SetModified() {
        modified_ = true;
        if (change_observer_) {
            change_observer_();
        }
    }
    void ClearModified() { modified_ = false; }

    // The ring position of this card, or -1 when it is not in the deck. A binary search by
    // its index, so it costs nothing at any deck size.
    int PositionOf(const Card& card) const;
    // Told of every card just before it leaves the deck (deleted, or the deck cleared), while
    // the card can still be read; so a search that remembers cards can forget it.
    // Told of every change (each SetModified), for a copy kept of an unsaved deck.
    void SetChangeObserver(std::function<void()> observer) {
        change_observer_ = std::move(observer);
    }
    void SetRemovalObserver(std::function<void(const Card&)> observer) {
        removal_observer_ = std::move(observer);
    }

    // Among the cards whose index begins with a byte that folds (A-Z to a-z) to `folded`, the
    // smallest ring position at or after `from` for which `accept` holds, or -1. Such cards
    // stand together in the deck's order, so only they are examined.
    int FindByFirstByte(unsigned char folded, int from,
                        const std::function<bool(const Card&)>& accept) const {
        return FindByFirstByte(folded, from, 0, accept);
    }
    // The same among only the cards whose index sketch (IndexPairs) covers `pairs`: the others
    // are passed over without being read, which makes a search through a large group a
    // stride through a few bytes a card.
    int FindByFirstByte(unsigned char folded, int from, std::uint64_t pairs,
                        const std::function<bool(const Card&)>& accept) const;

  private:
    using Record = CardStore::Record;

    Card& Mutable(int position);
    Record NewRecord();
    void AppendPending(Record record);
    void AppendPending(Record record, std::uint64_t pairs);
    std::size_t Physical(int position) const {
        const std::size_t k = front_ + static_cast<std::size_t>(position);
        return k >= sorted_.size() ? k - sorted_.size() : k;
    }
    int RingPosition(std::size_t physical) const;
    void SortIfNeeded();
    void InsertSorted(std::size_t at, Record card);
    void EraseSorted(std::size_t at);
    void NormaliseSorted();
    void MergePending();
    // Ring positions of the physical range [lo, hi) in ring order, starting at `from`: the
    // first one for which `accept` holds, or -1.
    int FirstInRange(std::size_t lo, std::size_t hi, int from,
                     const std::function<bool(const Card&)>& accept, std::uint64_t pairs = 0) const;

    CardStore store_;
    std::vector<Record> sorted_;  // ascending under CompareIndex
    // Each card's index sketch (CardStore::Pairs) in the order of sorted_, so that a search
    // through sketches reads memory in order.
    std::vector<std::uint64_t> sorted_pairs_;
    std::size_t front_ = 0;        // the front card's place in sorted_
    std::vector<Record> pending_;  // appended by CreateCard, not yet sorted in
    // Where pending_ descends, noted while each new card and its predecessor are still in the
    // cache; SortCards then needs no pass of its own to find the ascending runs.
    std::vector<std::size_t> pending_descents_;
    bool front_dirty_ = false;  // the front card's index changed since the last sort
    bool modified_ = false;
    std::function<void(const Card&)> removal_observer_;
    std::function<void()> change_observer_;
};

}  // namespace tabula
