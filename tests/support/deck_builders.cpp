#include "support/deck_builders.h"

namespace tabula::test {

std::string U16Bytes(std::uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string U32Bytes(std::uint32_t value) {
    return U16Bytes(static_cast<std::uint16_t>(value & 0xFFFF)) +
           U16Bytes(static_cast<std::uint16_t>(value >> 16));
}

namespace {

std::string Field(const std::string& text, std::size_t size) {
    std::string field = text.substr(0, size);
    field.resize(size, '\0');
    return field;
}

}  // namespace

std::string DeckFileBytes(const std::vector<CardSpec>& cards, std::uint32_t magic,
                          std::int32_t count) {
    std::string bytes = U32Bytes(magic) + U32Bytes(static_cast<std::uint32_t>(count));
    for (const CardSpec& card : cards) {
        bytes += Field(card.index, 42);
        bytes += Field(card.body, 512);
        if (magic == 0xAAAB) {
            bytes += U32Bytes(static_cast<std::uint32_t>(card.tagged));
        }
    }
    return bytes;
}

std::string DeckFileBytes(const std::vector<CardSpec>& cards, std::uint32_t magic) {
    return DeckFileBytes(cards, magic, static_cast<std::int32_t>(cards.size()));
}

std::string MgcFileBytes(const std::vector<CardfileCard>& cards) {
    std::string bytes = "MGC" + U16Bytes(static_cast<std::uint16_t>(cards.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(5 + 52 * cards.size());
    std::string data;
    for (const CardfileCard& card : cards) {
        bytes += std::string(6, '\0') + U32Bytes(offset + static_cast<std::uint32_t>(data.size())) +
                 std::string(1, '\0') + Field(card.index, 40) + std::string(1, '\0');
        data += U16Bytes(static_cast<std::uint16_t>(card.picture.size()));
        if (!card.picture.empty()) {
            data += std::string(8, '\x01') + card.picture;
        }
        data += U16Bytes(static_cast<std::uint16_t>(card.text.size())) + card.text;
    }
    return bytes + data;
}

std::string OleString(const std::string& text) {
    return U32Bytes(static_cast<std::uint32_t>(text.size() + 1)) + text + std::string(1, '\0');
}

std::string OleData(const std::string& bytes) {
    return U32Bytes(static_cast<std::uint32_t>(bytes.size())) + bytes;
}

std::string OleNoPicture() {
    return U32Bytes(kOleStreamVersion) + U32Bytes(0);
}

std::string OleStandardPicture(const std::string& kind, const std::string& data) {
    return U32Bytes(kOleStreamVersion) + U32Bytes(5) + OleString(kind) + U32Bytes(2540) +
           U32Bytes(1270) + OleData(data);
}

std::string OleClipboardPicture(const std::string& class_name, std::uint32_t clipboard_format,
                                const std::string& data) {
    return U32Bytes(kOleStreamVersion) + U32Bytes(5) + OleString(class_name) +
           U32Bytes(clipboard_format) + OleData(data);
}

std::string OleRegisteredPicture(const std::string& class_name, const std::string& format_name,
                                 const std::string& data) {
    return U32Bytes(kOleStreamVersion) + U32Bytes(5) + OleString(class_name) + U32Bytes(0) +
           OleString(format_name) + OleData(data);
}

std::string OleEmbeddedObject(const std::string& class_name, const std::string& native,
                              const std::string& picture) {
    return U32Bytes(kOleStreamVersion) + U32Bytes(2) + OleString(class_name) + OleString("") +
           OleString("") + OleData(native) + picture;
}

std::string OleLinkedObject(const std::string& class_name, const std::string& path,
                            const std::string& item, const std::string& picture) {
    return U32Bytes(kOleStreamVersion) + U32Bytes(1) + OleString(class_name) + OleString(path) +
           OleString(item) + OleString("") + U32Bytes(0) + U32Bytes(1) + picture;
}

std::string OleStaticObject(const std::string& kind, const std::string& data) {
    return U32Bytes(kOleStreamVersion) + U32Bytes(3) + OleString(kind) + U32Bytes(2540) +
           U32Bytes(1270) + OleData(data);
}

std::string RrgFileBytes(const std::vector<RrgCard>& cards) {
    std::uint32_t objects = 0;
    std::string data;
    std::string entries;
    const std::uint32_t offset = static_cast<std::uint32_t>(9 + 52 * cards.size());
    for (const RrgCard& card : cards) {
        entries += std::string(6, '\0') +
                   U32Bytes(offset + static_cast<std::uint32_t>(data.size())) +
                   std::string(1, '\0') + Field(card.index, 40) + std::string(1, '\0');
        if (card.object.empty()) {
            data += U16Bytes(0);
        } else {
            data += U16Bytes(1) + U32Bytes(++objects) + card.object;
            for (const std::uint16_t placement : {8, 16, 10, 10, 110, 60}) {
                data += U16Bytes(placement);
            }
            data += U16Bytes(card.object_type);
        }
        data += U16Bytes(static_cast<std::uint16_t>(card.text.size())) + card.text;
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

}  // namespace tabula::test
