#pragma once

namespace tabula {

struct CommandContext;
class DocumentHost;

enum class PrintLayout {
    kCard,    // Print > Card and the front card's Print button: the front card on one page
    kList,    // Print > List: every card's index line, from the front card on
    kTagged,  // Print > Tag: every tagged card with its body, whole cards to a page
};

// Asks for a printer and prints the deck on it in this layout, headed with the deck's file
// name. A cancelled Print dialog prints nothing and says nothing; a printer that cannot be
// used says "Print Failed". The deck and its modified flag are never touched.
void PrintCards(CommandContext& context, DocumentHost& document, PrintLayout layout);

}  // namespace tabula
