#include "deck/ansi.h"

namespace tabula {

namespace {

constexpr char32_t kHighRow[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

char32_t AnsiToCodePoint(unsigned char byte) {
    return (byte >= 0x80 && byte < 0xA0) ? kHighRow[byte - 0x80] : byte;
}

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (const char c : ansi) {
        AppendUtf8(out, AnsiToCodePoint(static_cast<unsigned char>(c)));
    }
    return out;
}

unsigned char UpperAnsi(unsigned char byte) {
    if (byte >= 'a' && byte <= 'z') {
        return static_cast<unsigned char>(byte - 0x20);
    }
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) {  // à..þ without ÷
        return static_cast<unsigned char>(byte - 0x20);
    }
    switch (byte) {
        case 0x9A:  // š
        case 0x9C:  // œ
        case 0x9E:  // ž
            return static_cast<unsigned char>(byte - 0x10);
        case 0xFF:  // ÿ
            return 0x9F;
        default:
            return byte;
    }
}

const std::array<unsigned char, 256>& UpperAnsiTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            t[static_cast<std::size_t>(b)] = UpperAnsi(static_cast<unsigned char>(b));
        }
        return t;
    }();
    return table;
}

std::string UpperAnsi(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(UpperAnsi(static_cast<unsigned char>(c)));
    }
    return out;
}

}  // namespace tabula
