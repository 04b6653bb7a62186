#include "support/deck_builders.h"

namespace tabula::test {

namespace {

std::string Field(const std::string& text, std::size_t size) {
    std::string field = text.substr(0, size);
    field.resize(size, '\0');
    return field;
}

// A Cardfile index entry: six reserved bytes, the data offset, a flag byte, the index, a zero.
std::string Entry(std::size_t offset, const std::string& index) {
    return std::string(6, '\0') + U32Bytes(static_cast<std::uint32_t>(offset)) + '\0' +
           Field(index, 40) + '\0';
}

std::string Head(std::uint32_t format) {  // an OLE stream header: version, then format
    return U32Bytes(kOleStreamVersion) + U32Bytes(format);
}

std::string U16Size(const std::string& bytes) {
    return U16Bytes(static_cast<std::uint16_t>(bytes.size()));
}

}  // namespace

std::string U16Bytes(std::uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string U32Bytes(std::uint32_t value) {
    return U16Bytes(static_cast<std::uint16_t>(value & 0xFFFF)) +
           U16Bytes(static_cast<std::uint16_t>(value >> 16));
}

std::string DeckFileBytes(const std::vector<CardSpec>& cards, std::uint32_t magic,
                          std::int32_t count) {
    std::string bytes = U32Bytes(magic) + U32Bytes(static_cast<std::uint32_t>(count));
    for (const CardSpec& card : cards) {
        bytes += Field(card.index, 42) + Field(card.body, 512) +
                 (magic == 0xAAAB ? U32Bytes(static_cast<std::uint32_t>(card.tagged)) : "");
    }
    return bytes;
}

std::string DeckFileBytes(const std::vector<CardSpec>& cards, std::uint32_t magic) {
    return DeckFileBytes(cards, magic, static_cast<std::int32_t>(cards.size()));
}

std::string MgcFileBytes(const std::vector<CardfileCard>& cards) {
    std::string entries;
    std::string data;
    for (const CardfileCard& card : cards) {
        entries += Entry(5 + 52 * cards.size() + data.size(), card.index);
        data += U16Size(card.picture) + (card.picture.empty() ? "" : std::string(8, '\x01')) +
                card.picture + U16Size(card.text) + card.text;
    }
    return "MGC" + U16Bytes(static_cast<std::uint16_t>(cards.size())) + entries + data;
}

std::string OleString(const std::string& text) {
    return U32Bytes(static_cast<std::uint32_t>(text.size() + 1)) + text + '\0';
}

std::string OleData(const std::string& bytes) {
    return U32Bytes(static_cast<std::uint32_t>(bytes.size())) + bytes;
}

std::string OleNoPicture() {
    return Head(0);
}

std::string OleStandardPicture(const std::string& kind, const std::string& data) {
    return Head(5) + OleString(kind) + U32Bytes(2540) + U32Bytes(1270) + OleData(data);
}

std::string OleClipboardPicture(const std::string& class_name, std::uint32_t clipboard_format,
                                const std::string& data) {
    return Head(5) + OleString(class_name) + U32Bytes(clipboard_format) + OleData(data);
}

std::string OleRegisteredPicture(const std::string& class_name, const std::string& format_name,
                                 const std::string& data) {
    return Head(5) + OleString(class_name) + U32Bytes(0) + OleString(format_name) + OleData(data);
}

std::string OleEmbeddedObject(const std::string& class_name, const std::string& native,
                              const std::string& picture) {
    return Head(2) + OleString(class_name) + OleString("") + OleString("") + OleData(native) +
           picture;
}

std::string OleLinkedObject(const std::string& class_name, const std::string& path,
                            const std::string& item, const std::string& picture) {
    return Head(1) + OleString(class_name) + OleString(path) + OleString(item) + OleString("") +
           U32Bytes(0) + U32Bytes(1) + picture;
}

std::string OleStaticObject(const std::string& kind, const std::string& data) {
    return Head(3) + OleString(kind) + U32Bytes(2540) + U32Bytes(1270) + OleData(data);
}

std::string RrgFileBytes(const std::vector<RrgCard>& cards) {
    std::uint32_t objects = 0;
    std::string entries;
    std::string data;
    for (const RrgCard& card : cards) {
        entries += Entry(9 + 52 * cards.size() + data.size(), card.index);
        data += U16Bytes(card.object.empty() ? 0 : 1);
        if (!card.object.empty()) {
            data += U32Bytes(++objects) + card.object;
            for (const std::uint16_t placement : {8, 16, 10, 10, 110, 60}) {
                data += U16Bytes(placement);
            }
            data += U16Bytes(card.object_type);
        }
        data += U16Size(card.text) + card.text;
    }
    return "RRG" + U32Bytes(objects) + U16Bytes(static_cast<std::uint16_t>(cards.size())) +
           entries + data;
}

void FillDeck(Deck& deck, const std::vector<std::string>& indexes) {
    for (const std::string& index : indexes) {
        deck.CreateCard(index);
    }
    deck.SortCards();
}

std::vector<std::string> RingIndexes(const Deck& deck) {
    std::vector<std::string> out;
    for (int k = 0; k < deck.Count(); ++k) {
        out.emplace_back(deck.At(k).Index());
    }
    return out;
}

std::string Ring(const Deck& deck) {
    std::string out;
    for (int k = 0; k < deck.Count(); ++k) {
        const Card& card = deck.At(k);
        out += (k > 0 ? "|" : "") + std::string(card.Index()) + (card.Tagged() ? "*" : "") +
               (card.Body().empty() ? "" : "=" + std::string(card.Body()));
    }
    return out;
}

}  // namespace tabula::test
