#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "deck/little_endian.h"

namespace tabula {

inline constexpr std::size_t kIndexFieldSize = 42;  // 41 characters and a terminator
inline constexpr std::size_t kBodyFieldSize = 512;  // 511 characters and a terminator
inline constexpr std::size_t kMaxIndexLength = kIndexFieldSize - 1;
inline constexpr std::size_t kMaxBodyLength = kBodyFieldSize - 1;

// One index card. Texts are bytes in Windows-1252. Every byte after a text's terminator is
// kept zero, so a card's fields can be written out as they stand. A card is laid out as the
// deck file's record (index field, body field, little-endian tag, no padding), so the deck
// keeps its cards side by side as the file does and reads them into place.
class Card {
  public:
    Card() : index_{}, body_{} {}
    explicit Card(std::string_view index) : body_{} { SetIndex(index); }
    // Both texts as SetIndex and SetBody take them, each field written once.
    Card(std::string_view index, std::string_view body) {
        SetIndex(index);
        SetBody(body);
    }
    // A card straight from a file's record: the 42-byte index field and the 512-byte body
    // field as they stand. Each byte is written once, which matters at a million cards.
    Card(const char* index_field, const char* body_field, std::int32_t tagged);

    // The index up to its first zero byte; a field without one (only a file can give that)
    // reads as all 42 bytes.
    std::string_view Index() const;
    std::string_view Body() const;
    bool Tagged() const { return TaggedField() != 0; }
    std::int32_t TaggedField() const {
        return static_cast<std::int32_t>(ReadU32(reinterpret_cast<const char*>(tagged_.data())));
    }

    // Fixed-field copy: up to the first zero byte, at most 42 bytes, rest zero-filled.
    void SetIndex(std::string_view text);
    // Up to the first zero byte, at most 511 bytes.
    void SetBody(std::string_view text);
    void SetTagged(bool tagged) { SetTaggedField(tagged ? 1 : 0); }
    // The deck file stores the field as it is; any non-zero value counts as tagged.
    void SetTaggedField(std::int32_t value);
    // Makes a record copied in from a file a card: every byte after each text's terminator
    // zero, the body cut at 511 bytes. The tag stays as it came.
    void SettleFields();

    const std::array<char, kIndexFieldSize>& IndexField() const { return index_; }
    const std::array<char, kBodyFieldSize>& BodyField() const { return body_; }

  private:
    // Not initialised here: every constructor fills both fields, bytes after the terminator
    // included.
    std::array<char, kIndexFieldSize> index_;
    std::array<char, kBodyFieldSize> body_;
    std::array<unsigned char, 4> tagged_{};
};
static_assert(sizeof(Card) == kIndexFieldSize + kBodyFieldSize + 4 && alignof(Card) == 1,
              "a card is the deck file's record");

// The deck's order: bytes compared unsigned, with only A-Z folded to lower case.
int CompareIndex(std::string_view a, std::string_view b);

// Folds A-Z to a-z, nothing else.
inline unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

}  // namespace tabula
