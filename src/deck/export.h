#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "deck/deck.h"
#include "deck/replace_file.h"

namespace tabula {

// A body's lines for plain text: CR LF ends a line; a line also breaks after the first space
// in its 60th column or later. Every line but the last ends with LF; there is always a line.
std::vector<std::string> SplitBodyLines(std::string_view body);

// Appends a card's block to `out`: the index line, the body's lines, a line end, 60 hyphens
// with a line end, and an empty line; each line is ended by `line_end` ("\n", or "\r\n" as
// the text export writes it), without building the lines one by one.
void AppendCardTextBlock(std::string& out, const Card& card, std::string_view line_end);

// "index,body" with each LF, the byte before each LF and every comma of the body turned into
// a space, ended by one LF.
std::string CommaDelimitedLine(const Card& card);

// Writes each card's text from the front card on, as `render` appends it to a buffer that is
// written out in chunks, so a deck of any size takes little memory.
bool WriteCardTexts(std::ostream& out, const Deck& deck,
                    const std::function<void(const Card&, std::string&)>& render);

// Every card from the front card on. The text export ends its lines with CR LF on every
// platform; the comma-delimited export with a bare LF.
bool WriteTextExport(std::ostream& out, const Deck& deck);
bool WriteCommaDelimitedExport(std::ostream& out, const Deck& deck);
ReplaceResult WriteTextExport(const std::filesystem::path& path, const Deck& deck);
ReplaceResult WriteCommaDelimitedExport(const std::filesystem::path& path, const Deck& deck);

// Both exports' result for the user (the platform's words; empty on success).
std::string ExportMessage(const ReplaceResult& result, std::string_view path);

}  // namespace tabula
