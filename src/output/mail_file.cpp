#include "output/mail_file.h"

#include <fstream>
#include <string>

#include "deck/export.h"

namespace tabula {

namespace {

constexpr std::size_t kFlushAt = 1 << 20;

// Writes the chosen cards' text in chunks, so a deck of any size takes little memory. The
// file is read on Windows as well, so every LF goes out as CR LF.
template <typename Render>
bool WriteCards(std::ostream& out, const Deck& deck, Render render) {
    std::string chunk;
    std::string text;
    for (int k = 0; k < deck.Count() && out; ++k) {
        text.clear();
        render(deck.At(k), text);
        for (const char c : text) {
            if (c == '\n') {
                chunk += '\r';
            }
            chunk += c;
        }
        if (chunk.size() >= kFlushAt) {
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            chunk.clear();
        }
    }
    out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    return static_cast<bool>(out);
}

}  // namespace

bool WriteMailList(std::ostream& out, const Deck& deck) {
    return WriteCards(out, deck, [](const Card& card, std::string& text) {
        text += card.Index();
        text += '\n';
    });
}

bool WriteMailTagged(std::ostream& out, const Deck& deck) {
    return WriteCards(out, deck, [](const Card& card, std::string& text) {
        if (card.Tagged()) {
            text += CardTextBlock(card);
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
