#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tabula {

class Card;
class Deck;

// One search pass of Find through the card bodies. The pass is the ring as it stood when Find
// was chosen, read from the then-front card; it keeps that order while hits turn the ring, so
// a position of the pass always names the same card. Cards added later are not in it; cards
// that leave the deck are skipped. Case is ignored by upper-casing both texts byte for byte,
// so a hit's offset in the upper-cased body is its offset in the body itself.
class FindPass {
  public:
    struct Hit {
        const Card* card;
        int offset;  // in the card's body, in bytes
        int length;
    };

    FindPass() = default;
    FindPass(const FindPass&) = delete;
    FindPass& operator=(const FindPass&) = delete;

    // A new pass over the deck as it stands; the deck must outlive the pass or be told to it
    // again by the next Start.
    void Start(const Deck& deck);
    // The next occurrence of `text` (bytes, any case) after those already shown, or nullopt
    // when the pass has run past its last card; it then stays ended until the next Start.
    // An empty text occurs nowhere.
    std::optional<Hit> FindNext(std::string_view text);
    // Told by the deck just before a card leaves it. A card that is not the front card can
    // only leave because the whole deck is being cleared, which ends the pass.
    void CardLeaving(const Card& card);

    // -1 once the pass has ended.
    int SearchPosition() const { return search_position_; }
    int HitsInCard() const { return hits_in_card_; }
    int HitOffset() const { return hit_offset_; }
    int Size() const { return static_cast<int>(cards_.size()); }

  private:
    // The card at this position of the pass, or nullptr when it has left the deck.
    const Card* CardAt(int position) const;
    bool Gone(const Card* card) const { return !gone_.empty() && gone_.contains(card); }
    void Prefetch(int position) const;
    // The first position at or after `from` whose card holds `upper_text`, or Size(): the
    // cards are read in the order they lie in memory, not in the pass's order.
    int FirstHitInMemoryOrder(std::string_view upper_text, int from) const;
    void End();

    const Deck* deck_ = nullptr;
    std::vector<const Card*> cards_;
    // The pass position of the card in each of the deck's slots at Start; kNotInPass for a
    // slot that was free then.
    static constexpr std::uint32_t kNotInPass = UINT32_MAX;
    std::vector<std::uint32_t> position_of_slot_;
    // Cards that left the deck since Start. Their addresses may since have been given to new
    // cards, which are not in the pass either, so a slot holding one of these is never read.
    std::unordered_set<const Card*> gone_;
    int search_position_ = -1;
    int hits_in_card_ = 0;
    int hit_offset_ = 0;
};

// The leftmost occurrence of `upper_text` (already upper-cased) in `text` at or after `from`,
// comparing `text` upper-cased byte by byte; -1 when there is none.
int FindUpper(std::string_view text, std::string_view upper_text, std::size_t from = 0);

}  // namespace tabula
