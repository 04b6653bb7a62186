#include "commands/find_pass.h"

#include <array>
#include <cstring>

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

// The first place at or after `from` (and at most `last`) where byte `c` stands; `npos` when
// there is none.
std::size_t NextByte(const unsigned char* data, std::size_t from, std::size_t last,
                     unsigned char c) {
    if (from > last) {
        return std::string_view::npos;
    }
    const void* at = std::memchr(data + from, c, last - from + 1);
    return at ? static_cast<std::size_t>(static_cast<const unsigned char*>(at) - data)
              : std::string_view::npos;
}

}  // namespace

int FindUpper(std::string_view text, std::string_view upper_text, std::size_t from) {
    const std::size_t m = upper_text.size();
    if (m == 0 || m > text.size() || from > text.size() - m) {
        return -1;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    const auto* wanted = reinterpret_cast<const unsigned char*>(upper_text.data());
    const std::array<unsigned char, 256>& upper = UpperAnsiTable();
    const std::size_t last = text.size() - m;
    // Candidates are the places of the first byte in either case, each found with memchr; a
    // body is searched in long strides, which matters when a pass reads a million of them.
    const unsigned char first = wanted[0];
    const unsigned char partner = LowerPartner()[first];
    std::size_t next_first = NextByte(data, from, last, first);
    std::size_t next_partner =
        partner == first ? std::string_view::npos : NextByte(data, from, last, partner);
    while (true) {
        const std::size_t at = std::min(next_first, next_partner);
        if (at == std::string_view::npos) {
            return -1;
        }
        std::size_t k = 1;
        while (k < m && upper[data[at + k]] == wanted[k]) {
            ++k;
        }
        if (k == m) {
            return static_cast<int>(at);
        }
        if (at == next_first) {
            next_first = NextByte(data, at + 1, last, first);
        } else {
            next_partner = NextByte(data, at + 1, last, partner);
        }
    }
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
    }
}

}  // namespace tabula
