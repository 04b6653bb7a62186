#include "support/deck_builders.h"

namespace tabula::test {

namespace {

using S = std::string;
const auto Field = [](const S& text, std::size_t n) {
    return (text.substr(0, n) + S(n, '\0')).substr(0, n);
};
const auto U32 = [](std::size_t value) { return U32Bytes(static_cast<std::uint32_t>(value)); };
const auto U16Sized = [](const S& bytes) {
    return U16Bytes(static_cast<std::uint16_t>(bytes.size())) + bytes;
};
// A Cardfile index entry: six reserved bytes, the data offset, a flag byte, the index, a zero.
const auto Entry = [](std::size_t at, const S& index) {
    return S(6, '\0') + U32(at) + '\0' + Field(index, 40) + '\0';
};
// An OLE stream header: version 1.0, then the object's or picture's format.
const auto Head = [](std::uint32_t format) { return U32Bytes(0x0501) + U32Bytes(format); };
const auto Size = [] { return U32Bytes(2540) + U32Bytes(1270); };
// A counted string: a 32-bit length that counts the terminating zero, the bytes, the zero.
const auto OleString = [](const S& text) { return U32(text.size() + 1) + text + '\0'; };
const auto OleData = [](const S& bytes) { return U32(bytes.size()) + bytes; };

}  // namespace

S U16Bytes(std::uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}
S U32Bytes(std::uint32_t value) {
    return U16Bytes(value & 0xFFFF) + U16Bytes(value >> 16);
}

S DeckFileBytes(const std::vector<CardSpec>& cards, std::uint32_t magic, std::int32_t count) {
    S bytes = U32Bytes(magic) + U32(count);
    for (const CardSpec& card : cards) {
        bytes += Field(card.index, 42) + Field(card.body, 512) +
                 (magic == 0xAAAB ? U32(card.tagged) : "");
    }
    return bytes;
}
S DeckFileBytes(const std::vector<CardSpec>& cards, std::uint32_t magic) {
    return DeckFileBytes(cards, magic, static_cast<std::int32_t>(cards.size()));
}

S MgcFileBytes(const std::vector<CardfileCard>& cards) {
    S entries, data;
    for (const CardfileCard& card : cards) {
        entries += Entry(5 + 52 * cards.size() + data.size(), card.index);
        data += U16Sized(card.picture).insert(2, card.picture.empty() ? 0 : 8, '\x01') +
                U16Sized(card.text);
    }
    return "MGC" + U16Bytes(static_cast<std::uint16_t>(cards.size())) + entries + data;
}

S OleNoPicture() {
    return Head(0);
}
S OleStandardPicture(const S& kind, const S& data) {
    return Head(5) + OleString(kind) + Size() + OleData(data);
}
S OleClipboardPicture(const S& class_name, std::uint32_t format, const S& data) {
    return Head(5) + OleString(class_name) + U32Bytes(format) + OleData(data);
}
S OleRegisteredPicture(const S& class_name, const S& format_name, const S& data) {
    return Head(5) + OleString(class_name) + U32(0) + OleString(format_name) + OleData(data);
}
S OleEmbeddedObject(const S& class_name, const S& native, const S& picture) {
    return Head(2) + OleString(class_name) + OleString("") + OleString("") + OleData(native) +
           picture;
}
S OleLinkedObject(const S& class_name, const S& path, const S& item, const S& picture) {
    return Head(1) + OleString(class_name) + OleString(path) + OleString(item) + OleString("") +
           U32(0) + U32(1) + picture;
}
S OleStaticObject(const S& kind, const S& data) {
    return Head(3) + OleString(kind) + Size() + OleData(data);
}

S RrgFileBytes(const std::vector<RrgCard>& cards) {
    std::uint32_t objects = 0;
    S entries, data;
    for (const RrgCard& card : cards) {
        entries += Entry(9 + 52 * cards.size() + data.size(), card.index);
        data += U16Bytes(card.object.empty() ? 0 : 1);
        if (!card.object.empty()) {  // id, object, character size, rectangle, type
            data += U32Bytes(++objects) + card.object;
            for (const std::uint16_t value : {8, 16, 10, 10, 110, 60}) {
                data += U16Bytes(value);
            }
            data += U16Bytes(card.object_type);
        }
        data += U16Sized(card.text);
    }
    return "RRG" + U32Bytes(objects) + U16Bytes(static_cast<std::uint16_t>(cards.size())) +
           entries + data;
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
