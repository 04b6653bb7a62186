#pragma once

#include <string>
#include <string_view>

#include "deck/deck.h"
#include "output/print_device.h"

namespace tabula {

enum class PrintResult {
    kPrinted,  // the job went to the printer
    kNoPages,  // there was nothing to print, so no job was begun
    kRefused,  // the printer refused the job; nothing was printed
};

// The words printed with the cards, in the user's language (UTF-8): %1 stands for the index
// or the file name, %2 for the page number. The defaults are the program's English.
struct PrintWords {
    std::string index_line = "Index: %1";
    std::string page_header = "%1 - page %2";
};

// The three print commands' page layouts, after the printer has been chosen and opened.
// `file_name` is the deck's current file name in UTF-8, empty when the deck is untitled: it
// names the print job and heads every page. None of them changes the deck.

// The front card on one page: the file name, "Index: ..." two lines lower, and the body one
// line below that. Lines that run off the page are lost; the card is never split.
PrintResult PrintCard(PrintDevice& device, const Deck& deck, std::string_view file_name,
                      const PrintWords& words = {});

// Every card's index line from the front card on, as many to a page as reach down to
// 50 units and three lines above the page's bottom, each page headed "<file> - page <n>".
PrintResult PrintList(PrintDevice& device, const Deck& deck, std::string_view file_name,
                      const PrintWords& words = {});

// Every tagged card, from the front card on, with its index line and body. Whole cards only
// go on a page: a card that does not fit starts the next one. A card too long for any page
// is printed alone on its own page, its lines below the printable area lost, as Print Card
// does with it.
PrintResult PrintTagged(PrintDevice& device, const Deck& deck, std::string_view file_name,
                        const PrintWords& words = {});

}  // namespace tabula
