#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "deck/deck.h"

namespace tabula::cli {

// Exports for other programs to read back: every card from the front card on, its texts
// turned from Windows-1252 into UTF-8, so nothing of a card is lost on the way.

// A JSON array of {"index", "body", "tagged"} objects, one a line; a body's CR LF line breaks
// become "\n".
bool WriteJsonExport(std::ostream& out, const Deck& deck);
// CSV as RFC 4180 has it: the header row index,body,tagged, every field in double quotes,
// records ended by CR LF. A body keeps its CR LF line breaks inside its quotes.
bool WriteCsvExport(std::ostream& out, const Deck& deck);

// An index for one line of a terminal: CR, LF, TAB, the other control bytes and the code page's
// five unassigned bytes are written as \r, \n, \t or \xHH, and a backslash as \\, so an index
// never breaks the line or moves the cursor; the rest turns into UTF-8.
std::string EscapedIndexLine(std::string_view ansi);

}  // namespace tabula::cli
