#include "deck/card.h"

#include <algorithm>
#include <cstring>

namespace tabula {

namespace {

std::size_t TextLength(const char* field, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const void* zero = std::memchr(field, 0, size);
    return zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - field) : size;
}

}  // namespace

Card::Card(const char* index_field, const char* body_field, std::int32_t tagged) {
    const std::size_t index_length = TextLength(index_field, kIndexFieldSize);
    std::memcpy(index_.data(), index_field, index_length);
    std::memset(index_.data() + index_length, 0, kIndexFieldSize - index_length);
    const std::size_t body_length = TextLength(body_field, kMaxBodyLength);
    std::memcpy(body_.data(), body_field, body_length);
    std::memset(body_.data() + body_length, 0, kBodyFieldSize - body_length);
    SetTaggedField(tagged);
}

void Card::SetTaggedField(std::int32_t value) {
    WriteU32(reinterpret_cast<char*>(tagged_.data()), static_cast<std::uint32_t>(value));
}

void Card::SettleFields() {
    const std::size_t index_length = TextLength(index_.data(), kIndexFieldSize);
    std::memset(index_.data() + index_length, 0, kIndexFieldSize - index_length);
    const std::size_t body_length = TextLength(body_.data(), kMaxBodyLength);
    std::memset(body_.data() + body_length, 0, kBodyFieldSize - body_length);
}

std::string_view Card::Index() const {
    return {index_.data(), TextLength(index_.data(), index_.size())};
}

std::string_view Card::Body() const {
    return {body_.data(), TextLength(body_.data(), body_.size())};
}

void Card::SetIndex(std::string_view text) {
    const std::size_t n = TextLength(text.data(), std::min(text.size(), index_.size()));
    if (n > 0) {
        std::memcpy(index_.data(), text.data(), n);
    }
    std::memset(index_.data() + n, 0, index_.size() - n);
}

void Card::SetBody(std::string_view text) {
    const std::size_t n = TextLength(text.data(), std::min(text.size(), kMaxBodyLength));
    if (n > 0) {
        std::memcpy(body_.data(), text.data(), n);
    }
    std::memset(body_.data() + n, 0, body_.size() - n);
}

int CompareIndex(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = FoldAscii(static_cast<unsigned char>(a[i]));
        const unsigned char cb = FoldAscii(static_cast<unsigned char>(b[i]));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace tabula
