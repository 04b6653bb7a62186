#include "support/deck_builders.h"

namespace tabula::test {

namespace {

using S = std::string;
const auto Field = [](const S& text, std::size_t n) { return (text + S(n, '\0')).substr(0, n); };
const auto U32 = [](std::size_t value) { return U32Bytes(static_cast<std::uint32_t>(value)); };
const auto U16 = [](std::size_t value) { return U16Bytes(static_cast<std::uint16_t>(value)); };
// A Cardfile index entry: six reserved bytes, the data offset, a flag byte, the index, a zero.
const auto Entry = [](std::size_t at, const S& index) {
    return S(6, '\0') + U32(at) + '\0' + Field(index, 40) + '\0';
};
// An OLE stream header: version 1.0, then the object's or picture's format.
const auto Head = [](std::uint32_t format) { return U32Bytes(0x0501) + U32Bytes(format); };
const S kSize = U32Bytes(2540) + U32Bytes(1270);
// A counted string: a 32-bit length that counts the terminating zero, the bytes, the zero.
const auto Str = [](const S& text) { return U32(text.size() + 1) + text + '\0'; };
const auto Data = [](const S& bytes) { return U32(bytes.size()) + bytes; };

}  // namespace

// clang-format off
S U16Bytes(std::uint16_t value) { return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)}; }
S U32Bytes(std::uint32_t value) { return U16Bytes(value & 0xFFFF) + U16Bytes(value >> 16); }
// clang-format on

S DeckFileBytes(const std::vector<CardSpec>& cards, std::uint32_t magic,
                std::optional<std::int32_t> count) {
    S bytes = U32Bytes(magic) + U32(count.value_or(static_cast<std::int32_t>(cards.size())));
    for (const CardSpec& card : cards) {
        bytes += Field(card.index, 42) + Field(card.body, 512) +
                 (magic == 0xAAAB ? U32(card.tagged) : "");
    }
    return bytes;
}

S MgcFileBytes(const std::vector<CardfileCard>& cards) {
    S entries, data;
    for (const CardfileCard& card : cards) {
        entries += Entry(5 + 52 * cards.size() + data.size(), card.index);
        data += U16(card.picture.size()) + (card.picture.empty() ? "" : S(8, '\x01')) +
                card.picture + U16(card.text.size()) + card.text;
    }
    return "MGC" + U16(cards.size()) + entries + data;
}

// clang-format off
S OleNoPicture() { return Head(0); }
S OleStandardPicture(const S& kind, const S& data) { return Head(5) + Str(kind) + kSize + Data(data); }
S OleClipboardPicture(const S& class_name, std::uint32_t format, const S& data) {
    return Head(5) + Str(class_name) + U32Bytes(format) + Data(data);
}
S OleRegisteredPicture(const S& class_name, const S& format_name, const S& data) {
    return Head(5) + Str(class_name) + U32(0) + Str(format_name) + Data(data);
}
S OleEmbeddedObject(const S& class_name, const S& native, const S& picture) {
    return Head(2) + Str(class_name) + Str("") + Str("") + Data(native) + picture;
}
S OleLinkedObject(const S& class_name, const S& path, const S& item, const S& picture) {
    return Head(1) + Str(class_name) + Str(path) + Str(item) + Str("") + U32(0) + U32(1) + picture;
}
S OleStaticObject(const S& kind, const S& data) { return Head(3) + Str(kind) + kSize + Data(data); }
// clang-format on

S RrgFileBytes(const std::vector<RrgCard>& cards) {
    std::uint32_t objects = 0;
    S entries, data;
    for (const RrgCard& card : cards) {  // id, object, character size, rectangle, type
        entries += Entry(9 + 52 * cards.size() + data.size(), card.index);
        data += card.object.empty()
                    ? U16(0)
                    : U16(1) + U32(++objects) + card.object + U16(8) + U16(16) + U16(10) + U16(10) +
                          U16(110) + U16(60) + U16(card.object_type);
        data += U16(card.text.size()) + card.text;
    }
    return "RRG" + U32(objects) + U16(cards.size()) + entries + data;
}

void FillDeck(Deck& deck, const std::vector<S>& indexes) {
    for (const S& index : indexes) {
        deck.CreateCard(index);
    }
    deck.SortCards();
}

std::vector<S> RingIndexes(const Deck& deck) {
    std::vector<S> out;
    for (int k = 0; k < deck.Count(); ++k) {
        out.emplace_back(deck.At(k).Index());
    }
    return out;
}

S Ring(const Deck& deck) {
    S out;
    for (int k = 0; k < deck.Count(); ++k) {
        const Card& card = deck.At(k);
        out += (k > 0 ? "|" : "") + S(card.Index()) + (card.Tagged() ? "*" : "") +
               (card.Body().empty() ? "" : "=" + S(card.Body()));
    }
    return out;
}

}  // namespace tabula::test
