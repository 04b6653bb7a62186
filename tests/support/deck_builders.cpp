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
