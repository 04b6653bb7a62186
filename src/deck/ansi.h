#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tabula {

// Card texts are bytes in Windows-1252. The five bytes that code page leaves undefined
// (81, 8D, 8F, 90, 9D) stand for the C1 control characters of the same number, as the
// usual converters treat them, so every byte string converts and converts back unchanged.
char32_t AnsiToCodePoint(unsigned char byte);
std::string AnsiToUtf8(std::string_view ansi);

// Upper case that maps each byte to one byte, so a match found in upper-cased text stands at
// the same place in the original: a-z, the accented small letters of the code page and
// š œ ž ÿ map to their capitals; every other byte (ß and µ included) stays.
unsigned char UpperAnsi(unsigned char byte);
std::string UpperAnsi(std::string_view text);
// UpperAnsi for every byte, for loops that upper-case many texts.
const std::array<unsigned char, 256>& UpperAnsiTable();

}  // namespace tabula
