#include "deck/large_memory.h"

#include <cstdint>
#include <new>
#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/mman.h>
#define TABULA_ANONYMOUS_MAPPING 1
#endif

namespace tabula {

namespace {

#ifdef TABULA_ANONYMOUS_MAPPING
// Huge pages start at a multiple of their size; a mapping a little larger is cut down to the
// part that begins there.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

void* MapAligned(std::size_t size, std::size_t& mapped) {
    const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    void* raw = ::mmap(nullptr, rounded + kHugePage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) {
        return nullptr;
    }
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) {
        ::munmap(raw, aligned - start);
    }
    const std::size_t tail = kHugePage - (aligned - start);
    if (tail > 0) {
        ::munmap(reinterpret_cast<void*>(aligned + rounded), tail);
    }
    void* block = reinterpret_cast<void*>(aligned);
#ifdef MADV_HUGEPAGE
    ::madvise(block, rounded, MADV_HUGEPAGE);  // only a wish: the block works without it
#endif
    mapped = rounded;
    return block;
}
#endif

}  // namespace

LargeBlock::LargeBlock(std::size_t size) : size_(size) {
    if (size == 0) {
        return;
    }
#ifdef TABULA_ANONYMOUS_MAPPING
    // A small block would waste most of a huge page.
    if (size >= kHugePage) {
        mapping_ = MapAligned(size, mapping_size_);
        if (mapping_ == nullptr) {
            throw std::bad_alloc();
        }
        data_ = static_cast<char*>(mapping_);
        return;
    }
#endif
    data_ = new char[size];
}

LargeBlock::~LargeBlock() {
    Release();
}

LargeBlock::LargeBlock(LargeBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapping_(std::exchange(other.mapping_, nullptr)),
      mapping_size_(std::exchange(other.mapping_size_, 0)) {}

LargeBlock& LargeBlock::operator=(LargeBlock&& other) noexcept {
    if (this != &other) {
        Release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapping_ = std::exchange(other.mapping_, nullptr);
        mapping_size_ = std::exchange(other.mapping_size_, 0);
    }
    return *this;
}

void LargeBlock::Release() {
#ifdef TABULA_ANONYMOUS_MAPPING
    if (mapping_ != nullptr) {
        ::munmap(mapping_, mapping_size_);
    } else {
        delete[] data_;
    }
#else
    delete[] data_;
#endif
    data_ = nullptr;
    size_ = 0;
    mapping_ = nullptr;
    mapping_size_ = 0;
}

}  // namespace tabula
