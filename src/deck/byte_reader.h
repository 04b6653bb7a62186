#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "deck/little_endian.h"

namespace tabula {

// Where a reader's bytes come from: a file's bytes in memory, or a window onto the file that
// moves on as the reader does (FileWindow). The bytes at hand are served without a call.
class ByteSource {
  public:
    // All of the file's bytes, in memory.
    explicit ByteSource(std::string_view bytes) : size_(bytes.size()) { SetWindow(0, bytes); }
    virtual ~ByteSource() = default;
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;

    std::size_t Size() const { return size_; }
    // The first of the bytes [offset, offset + size), which lie within Size(), good until the
    // next call; null when they could not be read (the file failed or changed meanwhile).
    const char* At(std::size_t offset, std::size_t size) {
        if (offset >= start_ && offset - start_ <= window_.size() &&
            size <= window_.size() - (offset - start_)) {
            return window_.data() + (offset - start_);
        }
        return Fetch(offset, size);
    }

  protected:
    explicit ByteSource(std::size_t size) : size_(size) {}
    // Brings bytes that are not at hand (SetWindow) and gives them, or null.
    virtual const char* Fetch(std::size_t, std::size_t) { return nullptr; }
    void SetWindow(std::size_t start, std::string_view window) {
        start_ = start;
        // Never null, which means "not read": no bytes at all are always there.
        window_ = window.data() != nullptr ? window : std::string_view("", 0);
    }

  private:
    std::size_t size_;
    std::size_t start_ = 0;  // the offset of window_'s first byte
    std::string_view window_{"", 0};
};

// A cursor over a file's bytes that never reads outside them: every read says whether the
// bytes were there, and a failed read leaves the cursor where it was.
class ByteReader {
  public:
    explicit ByteReader(ByteSource& source, std::size_t offset = 0)
        : source_(source), offset_(offset) {}

    std::size_t Offset() const { return offset_; }
    std::size_t Remaining() const {
        return offset_ <= source_.Size() ? source_.Size() - offset_ : 0;
    }

    std::optional<std::uint16_t> U16() {
        const char* at = TakeAt(2);
        return at ? std::optional<std::uint16_t>(ReadU16(at)) : std::nullopt;
    }
    std::optional<std::uint32_t> U32() {
        const char* at = TakeAt(4);
        return at ? std::optional<std::uint32_t>(ReadU32(at)) : std::nullopt;
    }
    // The bytes, good until the next read from the same source.
    std::optional<std::string_view> Take(std::size_t size) {
        const char* at = TakeAt(size);
        return at ? std::optional<std::string_view>(std::string_view(at, size)) : std::nullopt;
    }
    // Passes over bytes without reading them.
    bool Skip(std::size_t size) {
        if (size > Remaining()) {
            return false;
        }
        offset_ += size;
        return true;
    }

  private:
    const char* TakeAt(std::size_t size) {
        if (size > Remaining()) {
            return nullptr;
        }
        const char* at = source_.At(offset_, size);
        if (at != nullptr) {
            offset_ += size;
        }
        return at;
    }

    ByteSource& source_;
    std::size_t offset_;
};

}  // namespace tabula
