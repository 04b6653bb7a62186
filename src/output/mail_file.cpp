#include "output/mail_file.h"

#include <fstream>
#include <string>

#include "deck/export.h"

namespace tabula {

// The file is read on Windows as well, so every line ends with CR LF.
bool WriteMailList(std::ostream& out, const Deck& deck) {
    return WriteCardTexts(out, deck, [](const Card& card, std::string& text) {
        text += card.Index();
        text += "\r\n";
    });
}

bool WriteMailTagged(std::ostream& out, const Deck& deck) {
    return WriteCardTexts(out, deck, [](const Card& card, std::string& text) {
        if (card.Tagged()) {
            AppendCardTextBlock(text, card, "\r\n");
        }
    });
}

bool WriteMailFile(const std::filesystem::path& path, const Deck& deck, MailContents contents) {
    bool ok = false;
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        ok =
            contents == MailContents::kList ? WriteMailList(out, deck) : WriteMailTagged(out, deck);
        out.close();
        ok = ok && !out.fail();
    }
    if (!ok) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    return ok;
}

}  // namespace tabula
