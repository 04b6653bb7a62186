#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "deck/byte_words.h"
#include "deck/little_endian.h"

namespace tabula {

inline constexpr std::size_t kIndexFieldSize = 42;  // 41 characters and a terminator
inline constexpr std::size_t kBodyFieldSize = 512;  // 511 characters and a terminator
inline constexpr std::size_t kMaxIndexLength = kIndexFieldSize - 1;
inline constexpr std::size_t kMaxBodyLength = kBodyFieldSize - 1;

// The length of the text in a 42-byte index field: up to its first zero byte, or all 42.
// Eight bytes at a time, as every card of a file read needs it.
inline std::size_t IndexFieldLength(const char* field) {
    for (std::size_t at = 0; at + 8 <= kIndexFieldSize; at += 8) {
        if (const std::uint64_t zeros = ZeroBytes(ReadU64(field + at)); zeros != 0) {
            return at + FirstFlaggedByte(zeros);
        }
    }
    for (std::size_t at = kIndexFieldSize / 8 * 8; at < kIndexFieldSize; ++at) {
        if (field[at] == 0) {
            return at;
        }
    }
    return kIndexFieldSize;
}

// One index card. Texts are bytes in Windows-1252. Every byte after the index's terminator is
// kept zero, so indexes compare field against field. The bytes after the body's terminator
// mean nothing (a card read from a file keeps what the file held there, a shorter body leaves
// what the longer one left): a million bodies are not combed through at every open, and
// CopySettledBody writes them out as zeros. A card is laid out as the deck file's record
// (index field, body field, little-endian tag, no padding), so the deck keeps its cards side
// by side as the file does and reads them into place.
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
    std::string_view Index() const { return {index_.data(), IndexFieldLength(index_.data())}; }
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
    // Makes a record copied in from a file a card: every byte after the index's terminator
    // zero, the body cut at 511 bytes. The tag stays as it came. Gives the index's length.
    std::size_t SettleFields();
    // The body field as a file stores it, every byte after the terminator zero.
    void CopySettledBody(char* field) const;

    const std::array<char, kIndexFieldSize>& IndexField() const { return index_; }

  private:
    // Not initialised here: every constructor fills the index field whole and the body up to
    // its terminator.
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
