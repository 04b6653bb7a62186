#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string_view>

#include "deck/byte_reader.h"

namespace tabula {

// A file's bytes read a window at a time, for a reader that goes through the file from its
// start to its end: only the window is in memory, and it is used again and again, so it
// stays in the cache. A reader that turns back makes it read the whole file once instead, so
// that a file read out of order still costs one read rather than one a jump.
class FileWindow final : public ByteSource {
  public:
    // `in` holds at least `size` bytes from its start; the window never reads past them, and
    // reads `window` bytes at a time (more when one read asks for more).
    FileWindow(std::istream& in, std::size_t size, std::size_t window)
        : ByteSource(size), in_(in), window_(window) {}

    // A read came short or failed: the file is not what it was when it was measured.
    bool Failed() const { return failed_; }

  protected:
    const char* Fetch(std::size_t offset, std::size_t size) override;

  private:
    bool Fill(std::size_t offset, std::size_t size);

    std::istream& in_;
    std::size_t window_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t start_ = 0;  // the file offset of buffer_[0]
    bool whole_ = false;
    bool failed_ = false;
};

}  // namespace tabula
