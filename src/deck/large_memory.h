#pragma once

#include <cstddef>

namespace tabula {

// A block of memory for the card store or a whole file, taken from the system on its own and
// given back when the block goes. Memory a process touches for the first time can cost far
// more than the copying it is for when it comes page by page; where the system offers huge
// pages, a block asks for them. Its bytes start out unspecified.
class LargeBlock {
  public:
    LargeBlock() = default;
    // Throws std::bad_alloc when the system has no room.
    explicit LargeBlock(std::size_t size);
    ~LargeBlock();
    LargeBlock(LargeBlock&& other) noexcept;
    LargeBlock& operator=(LargeBlock&& other) noexcept;
    LargeBlock(const LargeBlock&) = delete;
    LargeBlock& operator=(const LargeBlock&) = delete;

    char* Data() const { return data_; }
    std::size_t Size() const { return size_; }

  private:
    void Release();

    char* data_ = nullptr;
    std::size_t size_ = 0;
    void* mapping_ = nullptr;  // what goes back to the system; null for the plain allocation
    std::size_t mapping_size_ = 0;
};

}  // namespace tabula
