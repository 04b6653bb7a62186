// Writes the fuzz targets' seed corpus: small files of every kind the readers take, whole and
// damaged, built with the same builders as the tests.
//   make_seeds DIR           writes DIR/deck/... and DIR/cardfile/...
//   make_seeds --check DIR   exits 1 when a seed in DIR is missing or differs
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/deck_builders.h"

namespace {

namespace fs = std::filesystem;
namespace t = tabula::test;

using Seeds = std::vector<std::pair<std::string, std::string>>;  // file name, bytes

std::string Cut(std::string bytes, std::size_t drop) {
    bytes.resize(bytes.size() > drop ? bytes.size() - drop : 0);
    return bytes;
}

std::string Patched32(std::string bytes, std::size_t at, std::uint32_t value) {
    bytes.replace(at, 4, t::U32Bytes(value));
    return bytes;
}

Seeds DeckSeeds() {
    const std::vector<t::CardSpec> three = {
        {"pear", "Pears\r\nripen off the tree", 1}, {"apple", "red", 0}, {"fig", "", 1}};
    const std::vector<t::CardSpec> full = {{std::string(41, 'I'), std::string(511, 'B'), 0},
                                           {std::string(42, 'J'), "", 7}};
    return {
        {"three_cards.tbx", t::DeckFileBytes(three)},
        {"untagged_layout.tbx", t::DeckFileBytes(three, 0xAAAA)},
        {"full_fields.tbx", t::DeckFileBytes(full)},
        {"no_cards.tbx", t::DeckFileBytes({})},
        {"negative_count.tbx", t::DeckFileBytes(three, 0xAAAB, -1)},
        {"count_too_large.tbx", t::DeckFileBytes(three, 0xAAAB, 1000)},
        {"cut_in_a_record.tbx", Cut(t::DeckFileBytes(three), 300)},
        {"header_only.tbx", t::DeckFileBytes({}, 0xAAAB, 2)},
        {"other_magic.tbx", t::DeckFileBytes(three, 0xAAAC)},
    };
}

Seeds CardfileSeeds() {
    const std::string metafile = t::OleStandardPicture("METAFILEPICT", std::string(24, '\x01'));
    const std::string embedded = t::OleEmbeddedObject("PBrush", std::string(40, '\xAB'), metafile);
    const std::string linked = t::OleLinkedObject("PBrush", "C:\\DATA\\BOAT.BMP", "", metafile);
    const std::vector<t::RrgCard> objects = {
        {"Zebra", "stripes", embedded, 0},
        {"apple", "red", linked, 1},
        {"Mango", "", t::OleStaticObject("DIB", "dib"), 2},
        {"plain", "no object"},
        {"note", "generic",
         t::OleEmbeddedObject("Note", "n", t::OleClipboardPicture("Note", 1, "Hi"))},
        {"wave", "named",
         t::OleEmbeddedObject("Sound", "s", t::OleRegisteredPicture("Sound", "Wave", "~"))},
        {"bare", "no picture", t::OleEmbeddedObject("Package", "p", t::OleNoPicture())},
    };
    const std::string rrg = t::RrgFileBytes(objects);
    const std::vector<t::CardfileCard> mgc = {{"Zebra", "stripes\r\nand more", ""},
                                              {"apple", "red", std::string(30, '\x55')},
                                              {"Mango", "", ""}};
    // The native data length of the first card's object, made far too large.
    const std::size_t first_native = 9 + 52 * objects.size() + 2 + 4 + 8 + 11 + 5 + 5;
    return {
        {"mgc_three_cards.crd", t::MgcFileBytes(mgc)},
        {"mgc_long_text.crd", t::MgcFileBytes({{std::string(40, 'X'), std::string(600, 'x'), ""}})},
        {"mgc_no_cards.crd", t::MgcFileBytes({})},
        {"mgc_cut_in_a_picture.crd", Cut(t::MgcFileBytes({{"a", "b", std::string(64, 'p')}}), 40)},
        {"rrg_no_objects.crd", t::RrgFileBytes({{"Zebra", "stripes"}, {"apple", ""}})},
        {"rrg_objects.crd", rrg},
        {"rrg_cut_in_an_object.crd", Cut(t::RrgFileBytes({{"a", "b", embedded}}), 30)},
        {"rrg_damaged_length.crd", Patched32(rrg, first_native, 0x7FFFFFF0)},
    };
}

bool Write(const fs::path& folder, const Seeds& seeds) {
    fs::create_directories(folder);
    for (const auto& [name, bytes] : seeds) {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "cannot write " << (folder / name) << '\n';
            return false;
        }
    }
    return true;
}

bool Same(const fs::path& folder, const Seeds& seeds) {
    bool same = true;
    for (const auto& [name, bytes] : seeds) {
        std::ifstream in(folder / name, std::ios::binary);
        const std::string stored{std::istreambuf_iterator<char>(in),
                                 std::istreambuf_iterator<char>()};
        if (!in.is_open() || stored != bytes) {
            std::cerr << (folder / name) << " is missing or out of date: run make_seeds\n";
            same = false;
        }
    }
    return same;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const bool check = !args.empty() && args[0] == "--check";
    if (args.size() != (check ? 2u : 1u)) {
        std::cerr << "usage: make_seeds [--check] DIR\n";
        return 2;
    }
    const fs::path root(args.back());
    const auto run = check ? Same : Write;
    const bool deck_ok = run(root / "deck", DeckSeeds());
    const bool cardfile_ok = run(root / "cardfile", CardfileSeeds());
    return deck_ok && cardfile_ok ? 0 : 1;
}
