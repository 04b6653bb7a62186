#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "deck/little_endian.h"

namespace tabula {

// A cursor over a file's bytes that never reads outside them: every read says whether the
// bytes were there, and a failed read leaves the cursor where it was.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes, std::size_t offset = 0)
        : bytes_(bytes), offset_(offset) {}

    std::size_t Offset() const { return offset_; }
    std::size_t Remaining() const { return offset_ <= bytes_.size() ? bytes_.size() - offset_ : 0; }

    std::optional<std::uint16_t> U16() {
        const auto at = Take(2);
        return at ? std::optional<std::uint16_t>(ReadU16(at->data())) : std::nullopt;
    }
    std::optional<std::uint32_t> U32() {
        const auto at = Take(4);
        return at ? std::optional<std::uint32_t>(ReadU32(at->data())) : std::nullopt;
    }
    std::optional<std::string_view> Take(std::size_t size) {
        if (size > Remaining()) {
            return std::nullopt;
        }
        const std::string_view taken = bytes_.substr(offset_, size);
        offset_ += size;
        return taken;
    }
    bool Skip(std::size_t size) { return Take(size).has_value(); }

  private:
    std::string_view bytes_;
    std::size_t offset_;
};

}  // namespace tabula
