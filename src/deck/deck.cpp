#include "deck/deck.h"

#include <algorithm>
#include <cassert>
#include <iterator>
#include <new>
#include <utility>

#include "deck/byte_words.h"
#include "deck/index_pairs.h"

namespace tabula {

namespace {

using Record = CardStore::Record;

// CompareIndex on two index fields as they stand, eight bytes at a time: every byte after the
// terminator is zero, and no folded byte of a text is zero, so the fields compare without
// measuring the texts first, and equal words with a zero byte end the comparison.
int CompareFields(const Card& a, const Card& b) {
    const char* fa = a.IndexField().data();
    const char* fb = b.IndexField().data();
    // The last word overlaps the one before it, which compared equal.
    constexpr std::size_t kLastWord = kIndexFieldSize - 8;
    for (std::size_t at = 0;; at = std::min(at + 8, kLastWord)) {
        const std::uint64_t wa = FoldAsciiWord(ReadU64(fa + at));
        const std::uint64_t wb = FoldAsciiWord(ReadU64(fb + at));
        if (wa != wb) {
            const std::size_t shift = 8 * FirstFlaggedByte(wa ^ wb);
            return ((wa >> shift) & 0xFF) < ((wb >> shift) & 0xFF) ? -1 : 1;
        }
        if (ZeroBytes(wa) != 0 || at == kLastWord) {
            return 0;
        }
    }
}

struct IndexLess {
    const CardStore* store;

    bool operator()(Record a, Record b) const {
        return CompareFields(store->At(a), store->At(b)) < 0;
    }
    bool operator()(Record a, std::string_view b) const {
        return CompareIndex(store->At(a).Index(), b) < 0;
    }
    bool operator()(std::string_view a, Record b) const {
        return CompareIndex(a, store->At(b).Index()) < 0;
    }
};

unsigned char FoldedFirstByte(const Card& card) {
    return FoldAscii(static_cast<unsigned char>(card.IndexField()[0]));
}

struct FirstByteLess {
    const CardStore* store;

    bool operator()(Record a, unsigned char b) const { return FoldedFirstByte(store->At(a)) < b; }
    bool operator()(unsigned char a, Record b) const { return a < FoldedFirstByte(store->At(b)); }
};

// The index as the 42-byte field would hold it.
std::string_view AsIndexField(std::string_view text) {
    text = text.substr(0, std::min(text.size(), kIndexFieldSize));
    const std::size_t zero = text.find('\0');
    return zero == std::string_view::npos ? text : text.substr(0, zero);
}

// Stable natural merge sort of ascending runs that start at `descents`. A deck file written
// from a turned ring is two runs, the second wholly below the first: one rotation sorts it.
void SortStable(std::vector<Record>& cards, const std::vector<std::size_t>& descents,
                IndexLess less) {
    if (descents.empty()) {
        return;
    }
    if (descents.size() == 1 && !less(cards.front(), cards.back())) {
        const auto junction = cards.end() - static_cast<std::ptrdiff_t>(descents.front());
        std::rotate(cards.begin(), cards.begin() + static_cast<std::ptrdiff_t>(descents.front()),
                    cards.end());
        // Equal indexes on both sides of the junction: those of the first run came first.
        if (!less(*(junction - 1), *junction)) {
            const std::string_view key = less.store->At(*junction).Index();
            const auto lo = std::lower_bound(cards.begin(), junction, key, less);
            const auto hi = std::upper_bound(junction, cards.end(), key, less);
            std::rotate(lo, junction, hi);
        }
        return;
    }
    std::vector<std::size_t> runs{0};
    runs.insert(runs.end(), descents.begin(), descents.end());
    runs.push_back(cards.size());
    std::vector<Record> buffer(cards.size());
    while (runs.size() > 2) {
        std::vector<std::size_t> merged{0};
        for (std::size_t r = 0; r + 1 < runs.size(); r += 2) {
            const std::size_t lo = runs[r];
            const std::size_t mid = runs[r + 1];
            const std::size_t hi = r + 2 < runs.size() ? runs[r + 2] : mid;
            std::merge(cards.begin() + static_cast<std::ptrdiff_t>(lo),
                       cards.begin() + static_cast<std::ptrdiff_t>(mid),
                       cards.begin() + static_cast<std::ptrdiff_t>(mid),
                       cards.begin() + static_cast<std::ptrdiff_t>(hi),
                       buffer.begin() + static_cast<std::ptrdiff_t>(lo), less);
            merged.push_back(hi);
        }
        cards.swap(buffer);
        runs.swap(merged);
    }
}

}  // namespace

Card& Deck::Mutable(int position) {
    assert(position >= 0 && position < Count());
    return const_cast<Card&>(std::as_const(*this).At(position));
}

int Deck::RingPosition(std::size_t physical) const {
    return static_cast<int>(physical >= front_ ? physical - front_
                                               : physical + sorted_.size() - front_);
}

void Deck::AppendPending(Record record) {
    AppendPending(record, IndexPairs(store_.At(record)));
}

void Deck::AppendPending(Record record, std::uint64_t pairs) {
    store_.Pairs(record) = pairs;
    if (!pending_.empty() && CompareFields(store_.At(record), store_.At(pending_.back())) < 0) {
        pending_descents_.push_back(pending_.size());
    }
    pending_.push_back(record);
}

Card& Deck::CreateCard(std::string_view index) {
    return CreateCard(index, {});
}

Card& Deck::CreateCard(std::string_view index, std::string_view body) {
    const Record record = store_.Allocate();
    // The sketch is taken from the text given rather than from the card just written, which
    // the processor could not yet read back at full speed.
    const std::string_view stored = AsIndexField(index);
    Card* card = new (&store_.At(record)) Card(stored, body);
    // New cards mostly take the records after this one, whose memory is not in the cache.
    const char* ahead = reinterpret_cast<const char*>(card) + 8 * sizeof(Card);
    __builtin_prefetch(ahead, 1);
    __builtin_prefetch(ahead + 64, 1);
    __builtin_prefetch(ahead + 128, 1);
    __builtin_prefetch(ahead + 192, 1);
    AppendPending(record, IndexPairs(stored));
    return *card;
}

Card& Deck::CreateCard(std::unique_ptr<Card> card) {
    const Record record = store_.Allocate();
    Card* copy = new (&store_.At(record)) Card(*card);
    AppendPending(record);
    return *copy;
}

std::span<Card> Deck::NewCardSpace(std::size_t wanted) {
    return store_.Space(wanted);
}

void Deck::AddNewCards(std::size_t count) {
    const Record first = store_.End();
    store_.Take(count);
    for (Record record = first; record < first + count; ++record) {
        Card& card = store_.At(record);
        const std::size_t length = card.SettleFields();
        AppendPending(record, IndexPairs(std::string_view(card.IndexField().data(), length)));
    }
}

void Deck::DropNewCards(std::size_t count) {
    assert(count <= pending_.size());
    for (; count > 0; --count) {
        store_.Free(pending_.back());
        pending_.pop_back();
    }
    while (!pending_descents_.empty() && pending_descents_.back() >= pending_.size()) {
        pending_descents_.pop_back();
    }
}

void Deck::SortCards() {
    const IndexLess less{&store_};
    if (front_dirty_) {
        // The re-indexed front card is first in the ring, so it goes before every card with
        // an equal index.
        const Record card = sorted_[front_];
        EraseSorted(front_);
        if (front_ == sorted_.size()) {
            front_ = 0;
        }
        front_dirty_ = false;
        NormaliseSorted();
        const auto at =
            std::lower_bound(sorted_.begin(), sorted_.end(), store_.At(card).Index(), less);
        InsertSorted(static_cast<std::size_t>(at - sorted_.begin()), card);
    } else {
        NormaliseSorted();
    }
    MergePending();
}

void Deck::InsertSorted(std::size_t at, Record card) {
    sorted_.insert(sorted_.begin() + static_cast<std::ptrdiff_t>(at), card);
    sorted_pairs_.insert(sorted_pairs_.begin() + static_cast<std::ptrdiff_t>(at),
                         store_.Pairs(card));
}

void Deck::EraseSorted(std::size_t at) {
    sorted_.erase(sorted_.begin() + static_cast<std::ptrdiff_t>(at));
    sorted_pairs_.erase(sorted_pairs_.begin() + static_cast<std::ptrdiff_t>(at));
}

void Deck::SortIfNeeded() {
    if (front_dirty_ || !pending_.empty()) {
        SortCards();
    }
}

// Reading the ring from the front gives sorted_[front_..] then sorted_[..front_): two sorted
// runs. Their stable merge differs from sorted_ only in the group of equal indexes that
// straddles front_, whose part from front_ on comes first.
void Deck::NormaliseSorted() {
    if (front_ == 0) {
        return;
    }
    const IndexLess less{&store_};
    const auto front = sorted_.begin() + static_cast<std::ptrdiff_t>(front_);
    if (CompareFields(store_.At(*(front - 1)), store_.At(*front)) == 0) {
        const std::string_view key = store_.At(*front).Index();
        const auto lo = std::lower_bound(sorted_.begin(), front, key, less);
        const auto hi = std::upper_bound(front, sorted_.end(), key, less);
        // Equal indexes differ at most in the case of A-Z, so their sketches are equal too and
        // sorted_pairs_ stays as it is.
        std::rotate(lo, front, hi);
    }
    front_ = 0;
}

void Deck::MergePending() {
    if (pending_.empty()) {
        return;
    }
    const IndexLess less{&store_};
    SortStable(pending_, pending_descents_, less);
    pending_descents_.clear();
    // Cards already in the deck come before new cards with an equal index.
    constexpr std::size_t kInsertOneByOne = 16;
    if (pending_.size() <= kInsertOneByOne) {
        for (const Record card : pending_) {
            const auto at =
                std::upper_bound(sorted_.begin(), sorted_.end(), store_.At(card).Index(), less);
            InsertSorted(static_cast<std::size_t>(at - sorted_.begin()), card);
        }
    } else {
        if (sorted_.empty()) {
            sorted_.swap(pending_);
        } else {
            std::vector<Record> merged;
            merged.reserve(sorted_.size() + pending_.size());
            std::merge(sorted_.begin(), sorted_.end(), pending_.begin(), pending_.end(),
                       std::back_inserter(merged), less);
            sorted_.swap(merged);
        }
        sorted_pairs_.resize(sorted_.size());
        for (std::size_t i = 0; i < sorted_.size(); ++i) {
            sorted_pairs_[i] = store_.Pairs(sorted_[i]);
        }
    }
    pending_.clear();
    pending_.shrink_to_fit();
}

void Deck::BringToFront(int position) {
    SortIfNeeded();
    assert(position >= 0 && position < Count());
    front_ = Physical(position);
}

int Deck::FirstInRange(std::size_t lo, std::size_t hi, int from,
                       const std::function<bool(const Card&)>& accept, std::uint64_t pairs) const {
    // A long search reads the sketches in order and asks memory early for the cards whose
    // sketches allow a match: so few pass that they must be sought far ahead, or each would
    // still be on its way when it is read.
    constexpr std::size_t kCardsAhead = 256;
    const auto covers = [&](std::size_t i) { return CoversPairs(sorted_pairs_[i], pairs); };
    // In ring order the range reads [front_, hi) then [lo, front_) when it holds the front
    // card, and [lo, hi) otherwise.
    auto scan = [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            if (pairs != 0) {
                if (i + kCardsAhead < end && covers(i + kCardsAhead)) {
                    __builtin_prefetch(&store_.At(sorted_[i + kCardsAhead]));
                }
                if (!covers(i)) {
                    continue;
                }
            }
            if (RingPosition(i) >= from && accept(store_.At(sorted_[i]))) {
                return RingPosition(i);
            }
        }
        return -1;
    };
    if (lo <= front_ && front_ < hi) {
        const int found = scan(front_, hi);
        return found >= 0 ? found : scan(lo, front_);
    }
    return scan(lo, hi);
}

void Deck::BringMatchToFront(std::string_view text) {
    SortIfNeeded();
    const std::string_view key = AsIndexField(text);
    const auto [lo, hi] = std::equal_range(sorted_.begin(), sorted_.end(), key, IndexLess{&store_});
    const int found = FirstInRange(static_cast<std::size_t>(lo - sorted_.begin()),
                                   static_cast<std::size_t>(hi - sorted_.begin()), 0,
                                   [](const Card&) { return true; });
    if (found > 0) {
        BringToFront(found);
    }
}

void Deck::BringExactToFront(std::string_view text) {
    SortIfNeeded();
    const std::string_view key = AsIndexField(text);
    const auto [lo, hi] = std::equal_range(sorted_.begin(), sorted_.end(), key, IndexLess{&store_});
    const int found = FirstInRange(static_cast<std::size_t>(lo - sorted_.begin()),
                                   static_cast<std::size_t>(hi - sorted_.begin()), 1,
                                   [key](const Card& card) { return card.Index() == key; });
    if (found > 0) {
        BringToFront(found);
    }
}

int Deck::FindByFirstByte(unsigned char folded, int from, std::uint64_t pairs,
                          const std::function<bool(const Card&)>& accept) const {
    assert(!front_dirty_ && pending_.empty());
    const auto [lo, hi] =
        std::equal_range(sorted_.begin(), sorted_.end(), folded, FirstByteLess{&store_});
    return FirstInRange(static_cast<std::size_t>(lo - sorted_.begin()),
                        static_cast<std::size_t>(hi - sorted_.begin()), from, accept, pairs);
}

void Deck::JumpToLetter(char ch) {
    SortIfNeeded();
    if (Count() < 2) {
        return;
    }
    int found = -1;
    if (ch >= 'a' && ch <= 'z') {
        found =
            FindByFirstByte(static_cast<unsigned char>(ch), 1, [](const Card&) { return true; });
    } else {
        // Only letters come from the editor; anything else is matched as the letters are,
        // byte against byte, by a plain scan.
        for (int k = 1; k < Count(); ++k) {
            const std::string_view index = At(k).Index();
            const int c = index.empty() ? 0 : static_cast<signed char>(index.front());
            if (c == ch || c + 32 == ch) {
                found = k;
                break;
            }
        }
    }
    if (found > 0) {
        BringToFront(found);
    }
}

int Deck::PositionOf(const Card& card) const {
    for (std::size_t k = 0; k < pending_.size(); ++k) {
        if (&store_.At(pending_[k]) == &card) {
            return static_cast<int>(sorted_.size() + k);
        }
    }
    if (front_dirty_ && !sorted_.empty() && &store_.At(sorted_[front_]) == &card) {
        return 0;
    }
    const auto [lo, hi] =
        std::equal_range(sorted_.begin(), sorted_.end(), card.Index(), IndexLess{&store_});
    for (auto it = lo; it != hi; ++it) {
        if (&store_.At(*it) == &card) {
            return RingPosition(static_cast<std::size_t>(it - sorted_.begin()));
        }
    }
    return -1;
}

void Deck::RemoveFrontCard() {
    SortIfNeeded();
    if (sorted_.empty()) {
        return;
    }
    const Record card = sorted_[front_];
    if (removal_observer_) {
        removal_observer_(store_.At(card));
    }
    EraseSorted(front_);
    store_.Free(card);
    if (front_ == sorted_.size()) {
        front_ = 0;
    }
    SetModified();
}

void Deck::ClearDeck() {
    if (removal_observer_) {
        for (const Record card : sorted_) {
            removal_observer_(store_.At(card));
        }
        for (const Record card : pending_) {
            removal_observer_(store_.At(card));
        }
    }
    sorted_.clear();
    sorted_.shrink_to_fit();
    sorted_pairs_.clear();
    sorted_pairs_.shrink_to_fit();
    pending_.clear();
    pending_.shrink_to_fit();
    pending_descents_.clear();
    store_.Clear();
    front_ = 0;
    front_dirty_ = false;
}

void Deck::TakeCards(Deck& other) {
    ClearDeck();
    std::swap(store_, other.store_);
    std::swap(sorted_, other.sorted_);
    std::swap(sorted_pairs_, other.sorted_pairs_);
    std::swap(front_, other.front_);
    std::swap(pending_, other.pending_);
    std::swap(pending_descents_, other.pending_descents_);
    std::swap(front_dirty_, other.front_dirty_);
}

void Deck::SetFrontIndex(std::string_view text) {
    SortIfNeeded();
    assert(!sorted_.empty());
    store_.At(sorted_[front_]).SetIndex(text);
    store_.Pairs(sorted_[front_]) = IndexPairs(store_.At(sorted_[front_]));
    front_dirty_ = true;
}

void Deck::StoreFrontBody(std::string_view editor_text) {
    if (!Empty()) {
        Mutable(0).SetBody(editor_text);
    }
}

void Deck::SetBody(int position, std::string_view text) {
    Mutable(position).SetBody(text);
}

void Deck::SetTagged(int position, bool tagged) {
    Mutable(position).SetTagged(tagged);
}

void Deck::SetTaggedField(int position, std::int32_t value) {
    Mutable(position).SetTaggedField(value);
}

}  // namespace tabula
