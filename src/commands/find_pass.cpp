#include "commands/find_pass.h"

#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "deck/ansi.h"
#include "deck/card.h"
#include "deck/deck.h"

namespace tabula {

namespace {

// The other byte that upper-cases to `upper`, if there is one (a small letter for its
// capital); `upper` itself when there is none.
const std::array<unsigned char, 256>& LowerPartner() {
    static const std::array<unsigned char, 256> partner = [] {
        std::array<unsigned char, 256> p{};
        for (int b = 0; b < 256; ++b) {
            p[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
        }
        for (int b = 0; b < 256; ++b) {
            const unsigned char u = UpperAnsi(static_cast<unsigned char>(b));
            if (u != b) {
                p[u] = static_cast<unsigned char>(b);
            }
        }
        return p;
    }();
    return partner;
}

// Whether the bytes at `at`, upper-cased, go on as `wanted` does from its second byte.
bool RestMatches(const unsigned char* data, std::size_t at, std::string_view wanted) {
    const std::array<unsigned char, 256>& upper = UpperAnsiTable();
    std::size_t k = 1;
    while (k < wanted.size() && upper[data[at + k]] == static_cast<unsigned char>(wanted[k])) {
        ++k;
    }
    return k == wanted.size();
}

}  // namespace

int FindUpper(std::string_view text, std::string_view upper_text, std::size_t from) {
    const std::size_t m = upper_text.size();
    if (m == 0 || m > text.size() || from > text.size() - m) {
        return -1;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    const auto first = static_cast<unsigned char>(upper_text.front());
    const auto last = static_cast<unsigned char>(upper_text.back());
    const unsigned char first_partner = LowerPartner()[first];
    const unsigned char last_partner = LowerPartner()[last];
    std::size_t at = from;
#ifdef __SSE2__
    // A pass reads a million bodies, so each is searched 16 places at a time: a place is a
    // candidate only when both its first and its last byte fit, which few places do.
    const auto splat = [](unsigned char c) { return _mm_set1_epi8(static_cast<char>(c)); };
    const __m128i f1 = splat(first), f2 = splat(first_partner);
    const __m128i l1 = splat(last), l2 = splat(last_partner);
    for (; at + m - 1 + 16 <= text.size(); at += 16) {
        const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + m - 1));
        auto candidates = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_and_si128(_mm_or_si128(_mm_cmpeq_epi8(heads, f1), _mm_cmpeq_epi8(heads, f2)),
                          _mm_or_si128(_mm_cmpeq_epi8(tails, l1), _mm_cmpeq_epi8(tails, l2)))));
        for (; candidates != 0; candidates &= candidates - 1) {
            const std::size_t place = at + static_cast<std::size_t>(__builtin_ctz(candidates));
            if (RestMatches(data, place, upper_text)) {
                return static_cast<int>(place);
            }
        }
    }
#endif
    for (; at + m <= text.size(); ++at) {
        if ((data[at] == first || data[at] == first_partner) && RestMatches(data, at, upper_text)) {
            return static_cast<int>(at);
        }
    }
    return -1;
}

void FindPass::Start(const Deck& deck) {
    deck_ = &deck;
    gone_.clear();
    cards_.clear();
    cards_.reserve(static_cast<std::size_t>(deck.Count()));
    position_of_slot_.assign(deck.Slots(), kNotInPass);
    for (int k = 0; k < deck.Count(); ++k) {
        cards_.push_back(&deck.At(k));
        position_of_slot_[deck.SlotAt(k)] = static_cast<std::uint32_t>(k);
    }
    search_position_ = 0;
    hits_in_card_ = 0;
    hit_offset_ = 0;
}

void FindPass::End() {
    search_position_ = -1;
    hits_in_card_ = 0;
    hit_offset_ = 0;
}

const Card* FindPass::CardAt(int position) const {
    const Card* card = cards_[static_cast<std::size_t>(position)];
    return Gone(card) ? nullptr : card;
}

// A card that took a slot after Start is not in the pass, and the card that had the slot
// before it is among the gone ones, so its position is never taken for the new card's.
int FindPass::FirstHitInMemoryOrder(std::string_view upper_text, int from) const {
    auto first = static_cast<std::uint32_t>(Size());
    const auto lowest = static_cast<std::uint32_t>(from);
    for (std::uint32_t slot = 0; slot < position_of_slot_.size(); ++slot) {
        const std::uint32_t position = position_of_slot_[slot];
        if (position < lowest || position >= first) {
            continue;
        }
        const Card& card = deck_->InSlot(slot);
        if (!Gone(&card) && FindUpper(card.Body(), upper_text) >= 0) {
            first = position;
        }
    }
    return static_cast<int>(first);
}

void FindPass::CardLeaving(const Card& card) {
    if (cards_.empty()) {
        return;
    }
    if (deck_ == nullptr || deck_->Empty() || &deck_->Front() != &card) {
        // The deck is being cleared: none of the pass's cards will be left.
        cards_.clear();
        cards_.shrink_to_fit();
        position_of_slot_.clear();
        position_of_slot_.shrink_to_fit();
        gone_.clear();
        End();
        return;
    }
    gone_.insert(&card);
}

// A deck's cards lie all over memory, and most of a long pass is spent waiting for their
// bodies to arrive; so the bodies a few cards ahead are asked for while this one is searched.
// Only the card's address is used: a card that has left the deck is never read.
void FindPass::Prefetch(int position) const {
    constexpr int kAhead = 8;
    constexpr std::size_t kLine = 64;
    // The index and the first 340 bytes of the body: most bodies end within them.
    constexpr std::size_t kPrefetchBytes = 384;
    if (position + kAhead < Size()) {
        const auto* card =
            reinterpret_cast<const char*>(cards_[static_cast<std::size_t>(position + kAhead)]);
        for (std::size_t at = 0; at < kPrefetchBytes; at += kLine) {
            __builtin_prefetch(card + at);
        }
    }
}

std::optional<FindPass::Hit> FindPass::FindNext(std::string_view text) {
    const std::string wanted = UpperAnsi(text);
    const auto length = static_cast<int>(wanted.size());
    constexpr int kReadInPassOrder = 64;
    int cards_read = 0;
    while (true) {
        hit_offset_ = 0;
        if (search_position_ < 0 || search_position_ >= Size()) {
            End();
            return std::nullopt;
        }
        Prefetch(search_position_);
        if (const Card* card = CardAt(search_position_)) {
            const std::string_view body = card->Body();
            // Past the hits already shown; the body may have been edited since, so they are
            // found again rather than remembered.
            std::size_t from = 0;
            int skipped = 0;
            for (; skipped < hits_in_card_; ++skipped) {
                const int at = FindUpper(body, wanted, from);
                if (at < 0) {
                    break;
                }
                from = static_cast<std::size_t>(at + length);
            }
            const int at = skipped == hits_in_card_ ? FindUpper(body, wanted, from) : -1;
            if (at >= 0) {
                hit_offset_ = at;
                ++hits_in_card_;
                return Hit{card, at, length};
            }
        }
        hits_in_card_ = 0;
        ++search_position_;
        // Past the cards near the one the pass stood on, a long way through a large deck is
        // read in memory order, and the pass goes on at the first card it found a hit in.
        if (++cards_read > kReadInPassOrder && Size() - search_position_ > kReadInPassOrder) {
            search_position_ = FirstHitInMemoryOrder(wanted, search_position_);
            cards_read = 0;
        }
    }
}

}  // namespace tabula
