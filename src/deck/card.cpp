#include "deck/card.h"

#include <algorithm>
#include <bit>
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

std::size_t Card::SettleFields() {
    // Word by word without a branch on where the text ends (which differs from card to card,
    // so a branch on it would be guessed wrong about once a card): in each word the bytes
    // below its first zero byte stay, and once a zero byte was seen nothing stays.
    char* field = index_.data();
    std::uint64_t alive = ~std::uint64_t{0};
    std::size_t length = 0;
    const auto settle = [&](std::uint64_t word) {
        const std::uint64_t zeros = ZeroBytes(word);
        // The bits below the first zero byte's high bit; all of them when there is none.
        const std::uint64_t below = (zeros & (~zeros + 1)) - 1;
        const std::uint64_t kept = alive & below;
        length += static_cast<std::size_t>(std::bit_width(kept)) / 8;
        alive &= zeros == 0 ? ~std::uint64_t{0} : 0;
        return word & kept;
    };
    constexpr std::size_t kWords = kIndexFieldSize / 8;
    for (std::size_t at = 0; at < kWords * 8; at += 8) {
        const std::uint64_t word = settle(ReadU64(field + at));
        WriteU64(field + at, word);
    }
    // The last two bytes, with the rest of the word made non-zero so that they alone count.
    constexpr std::uint64_t kFiller = ~std::uint64_t{0xFFFF};
    const std::uint64_t last = settle(ReadU16(field + kWords * 8) | kFiller);
    field[kWords * 8] = static_cast<char>(last & 0xFF);
    field[kWords * 8 + 1] = static_cast<char>((last >> 8) & 0xFF);
    body_[kMaxBodyLength] = 0;
    return std::min(length, kIndexFieldSize);
}

void Card::CopySettledBody(char* field) const {
    const std::size_t length = TextLength(body_.data(), kBodyFieldSize);
    std::memcpy(field, body_.data(), length);
    std::memset(field + length, 0, kBodyFieldSize - length);
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
    body_[n] = 0;
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
