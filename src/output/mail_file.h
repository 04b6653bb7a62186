#pragma once

#include <filesystem>
#include <iosfwd>
#include <string_view>

#include "deck/deck.h"

namespace tabula {

enum class MailContents {
    kList,    // Send > List
    kTagged,  // Send > Tag
};

// The list: every card's index from the front card on, each line ended by CR LF.
bool WriteMailList(std::ostream& out, const Deck& deck);
// The tagged cards from the front card on, each as its text block with CR LF line ends:
// byte for byte what Export Text writes for a deck of only those cards. No tagged card
// gives no bytes.
bool WriteMailTagged(std::ostream& out, const Deck& deck);

// Creates the mail file at `path` (emptying one that is there) and writes the contents. On
// failure it returns false and leaves no file behind.
bool WriteMailFile(const std::filesystem::path& path, const Deck& deck, MailContents contents);

}  // namespace tabula
