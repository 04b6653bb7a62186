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

// Whether the upper-cased bytes at `at` go on as `wanted` does after its first byte. No byte
// of `wanted` upper-cases from zero, so a text's terminator ends a comparison too.
bool RestMatches(const unsigned char* data, std::size_t at, std::string_view wanted) {
    const std::array<unsigned char, 256>& upper = UpperAnsiTable();
    std::size_t k = 1;
    while (k < wanted.size() && upper[data[at + k]] == static_cast<unsigned char>(wanted[k])) {
        ++k;
    }
    return k == wanted.size();
}

// FindUpper over `size` bytes that end early at a zero byte: a card's body field is searched
// where it stands, in one pass that looks for the first byte in either case and for the
// terminator at once, 16 bytes at a time where the processor allows.
int FindUpperIn(const unsigned char* data, std::size_t size, std::string_view wanted,
                std::size_t from) {
    const std::size_t m = wanted.size();
    if (m == 0 || m > size || from > size - m || wanted.find('\0') != std::string_view::npos) {
        return -1;
    }
    const auto first = static_cast<unsigned char>(wanted[0]);
    const unsigned char partner = LowerPartner()[first];
    std::size_t block = from;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const __m128i first_v = _mm_set1_epi8(static_cast<char>(first));
    const __m128i partner_v = _mm_set1_epi8(static_cast<char>(partner));
    for (; block + 16 <= size; block += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + block));
        const auto ends = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, zero)));
        auto starts = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, first_v), _mm_cmpeq_epi8(bytes, partner_v))));
        if (ends != 0) {
            starts &= (ends & (0u - ends)) - 1;  // only those before the terminator
        }
        for (; starts != 0; starts &= starts - 1) {
            const std::size_t at = block + static_cast<std::size_t>(__builtin_ctz(starts));
            if (at + m > size) {
                return -1;
            }
            if (RestMatches(data, at, wanted)) {
                return static_cast<int>(at);
            }
        }
        if (ends != 0) {
            return -1;
        }
    }
#endif
    for (std::size_t at = block; at + m <= size && data[at] != 0; ++at) {
        if ((data[at] == first || data[at] == partner) && RestMatches(data, at, wanted)) {
            return static_cast<int>(at);
        }
    }
    return -1;
}

}  // namespace

int FindUpper(std::string_view text, std::string_view upper_text, std::size_t from) {
    return FindUpperIn(reinterpret_cast<const unsigned char*>(text.data()), text.size(), upper_text,
                       from);
}

void FindPass::Start(const Deck& deck) {
    deck_ = &deck;
    gone_.clear();
    cards_.clear();
    cards_.reserve(static_cast<std::size_t>(deck.Count()));
    for (int k = 0; k < deck.Count(); ++k) {
        cards_.push_back(&deck.At(k));
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
    return gone_.empty() || !gone_.contains(card) ? card : nullptr;
}

void FindPass::CardLeaving(const Card& card) {
    if (cards_.empty()) {
        return;
    }
    if (deck_ == nullptr || deck_->Empty() || &deck_->Front() != &card) {
        // The deck is being cleared: none of the pass's cards will be left.
        cards_.clear();
        cards_.shrink_to_fit();
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
    while (true) {
        hit_offset_ = 0;
        if (search_position_ < 0 || search_position_ >= Size()) {
            End();
            return std::nullopt;
        }
        Prefetch(search_position_);
        if (const Card* card = CardAt(search_position_)) {
            const auto* body = reinterpret_cast<const unsigned char*>(card->BodyField().data());
            const std::size_t size = card->BodyField().size();
            // Past the hits already shown; the body may have been edited since, so they are
            // found again rather than remembered.
            std::size_t from = 0;
            int skipped = 0;
            for (; skipped < hits_in_card_; ++skipped) {
                const int at = FindUpperIn(body, size, wanted, from);
                if (at < 0) {
                    break;
                }
                from = static_cast<std::size_t>(at + length);
            }
            const int at = skipped == hits_in_card_ ? FindUpperIn(body, size, wanted, from) : -1;
            if (at >= 0) {
                hit_offset_ = at;
                ++hits_in_card_;
                return Hit{card, at, length};
            }
        }
        hits_in_card_ = 0;
        ++search_position_;
    }
}

}  // namespace tabula
