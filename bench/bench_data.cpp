#include "bench_data.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <system_error>
#include <vector>

#include "deck/cardfile.h"
#include "deck/deck_file.h"
#include "support/deck_builders.h"

namespace tabula::bench {

namespace fs = std::filesystem;

namespace {

// Syllables for names and words; one of them holds a Windows-1252 letter (e acute), so some
// index lines have bytes above 127, as decks of names do.
constexpr std::string_view kSyllables[] = {
    "an",  "ber", "ca", "del", "er",  "fi",  "gan", "ha",   "is",  "jo",   "ka",
    "lin", "ma",  "ne", "or",  "pe",  "qu",  "ri",  "sa",   "ton", "u",    "ve",
    "wil", "xa",  "yo", "ze",  "son", "ley", "ard", "mann", "st",  "\xE9l"};

constexpr std::uint64_t kCardfileSeed = 0xCA4DF11E;

bool IsLowerAscii(char c) {
    return c >= 'a' && c <= 'z';
}

class Folder {
  public:
    Folder() {
        std::error_code ec;
        const fs::path base = fs::temp_directory_path(ec);
        if (ec) {
            Fail("no temporary folder: " + ec.message());
        }
        std::random_device seed;
        for (int attempt = 0; attempt < 100; ++attempt) {
            fs::path candidate = base / ("tabula-bench-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(seed() % 1000000u));
            if (fs::create_directory(candidate, ec)) {
                path_ = std::move(candidate);
                return;
            }
        }
        Fail("cannot create a folder under " + base.string());
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

}  // namespace

std::string TextMaker::Word() {
    std::string word;
    const std::size_t syllables = 1 + Below(3);
    for (std::size_t k = 0; k < syllables; ++k) {
        word += kSyllables[Below(std::size(kSyllables))];
    }
    return word;
}

std::string TextMaker::Index() {
    const std::size_t length = 5 + Below(26);
    std::string text;
    while (text.size() < length) {
        if (!text.empty()) {
            text += Below(4) == 0 ? ", " : " ";
        }
        std::string word = Below(12) == 0 ? std::to_string(Below(1000)) : Word();
        if (Below(5) != 0 && IsLowerAscii(word.front())) {
            word.front() = static_cast<char>(word.front() - 'a' + 'A');
        }
        text += word;
    }
    text.resize(length);
    if (text.back() == ' ' || text.back() == ',') {
        text.back() = 's';
    }
    return text;
}

std::string TextMaker::Body(std::size_t min_length, std::size_t max_length) {
    const std::size_t length = min_length + Below(max_length - min_length + 1);
    std::string text;
    text.reserve(length + 16);
    while (text.size() < length) {
        text += Word();
        switch (Below(16)) {
            case 0:
                text += "\r\n";
                break;
            case 1:
                text += ". ";
                break;
            case 2:
                text += ", ";
                break;
            default:
                text += ' ';
        }
    }
    text.resize(length);
    // A cut between CR and LF would leave half a line break.
    if (!text.empty() && text.back() == '\r') {
        text.back() = '.';
    }
    return text;
}

void AddMadeUpCards(Deck& deck, int count, std::uint64_t seed) {
    TextMaker maker(seed);
    for (int k = 0; k < count; ++k) {
        Card& card = deck.CreateCard(maker.Index());
        card.SetBody(maker.Body(0, kMaxBodyLength));
        card.SetTagged(maker.Below(10) == 0);
    }
    deck.SortCards();
}

void TurnRing(Deck& deck) {
    deck.SortCards();  // the smallest index to the front
    if (deck.Count() > 1) {
        deck.BringToFront(deck.Count() * 2 / 5);
    }
}

std::string MadeUpCardfile(int count, std::uint64_t seed) {
    TextMaker maker(seed);
    std::vector<test::CardfileCard> cards(static_cast<std::size_t>(count));
    for (test::CardfileCard& card : cards) {
        card.index = maker.Index();
        card.text = maker.Body(50, 400);
        if (maker.Below(50) == 0) {
            card.picture.assign(100 + maker.Below(900), '\x5A');
        }
    }
    std::stable_sort(cards.begin(), cards.end(),
                     [](const test::CardfileCard& a, const test::CardfileCard& b) {
                         return CompareIndex(a.index, b.index) < 0;
                     });
    return test::MgcFileBytes(cards);
}

const fs::path& RunFolder() {
    static const Folder folder;
    return folder.path();
}

Deck& SharedDeck(int count) {
    static std::map<int, std::unique_ptr<Deck>> decks;
    std::unique_ptr<Deck>& deck = decks[count];
    if (!deck) {
        deck = std::make_unique<Deck>();
        AddMadeUpCards(*deck, count, kDeckSeed);
    }
    return *deck;
}

const fs::path& SharedDeckFile(int count) {
    static std::map<int, fs::path> files;
    fs::path& path = files[count];
    if (path.empty()) {
        const fs::path written = RunFolder() / ("deck-" + std::to_string(count) + ".tbx");
        Deck& deck = SharedDeck(count);
        TurnRing(deck);
        const ReplaceResult result = WriteDeckFile(written, deck);
        if (!result.ok()) {
            Fail(DeckWriteMessage(result, written.string()));
        }
        path = written;
    }
    return path;
}

const std::string& SharedCardfileBytes() {
    static const std::string bytes = MadeUpCardfile(kCardfileCards, kCardfileSeed);
    return bytes;
}

const fs::path& SharedCardfile() {
    static const fs::path path = [] {
        const fs::path written = RunFolder() / "cards.crd";
        const std::string& bytes = SharedCardfileBytes();
        const ReplaceResult result = ReplaceFile(written, [&bytes](std::ostream& out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            return static_cast<bool>(out);
        });
        if (!result.ok()) {
            Fail("cannot write " + written.string() + ": " + DescribeReplaceError(result));
        }
        return written;
    }();
    return path;
}

void Fail(std::string_view message) {
    std::fprintf(stderr, "tabula bench: %.*s\n", static_cast<int>(message.size()), message.data());
    std::exit(1);
}

}  // namespace tabula::bench
