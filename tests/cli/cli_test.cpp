#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula::cli {
namespace {

using namespace test;
using S = std::string;

// Status, standard output and standard error of a command line, "|" between them.
S Cli(const S& line) {
    std::istringstream words(line);
    std::ostringstream out, err;
    const int status = RunCli({std::istream_iterator<S>(words), {}}, out, err);
    return std::to_string(status) + "|" + out.str() + "|" + err.str();
}

// Runs in a folder of test files, so that paths and messages are short and the same each run.
TEST(CliTest, ListsTellsAndConvertsEveryKindOfFile) {
    const auto home = std::filesystem::current_path();
    TempDir dir;
    std::filesystem::current_path(dir.path());
    // clang-format off
    const auto cut = [](const S& bytes, std::size_t n) { return bytes.substr(0, bytes.size() - n); };
    const S object = OleEmbeddedObject("PBrush", "native bytes", OleStandardPicture("DIB", "pixels"));
    for (const auto& [name, bytes] : std::vector<std::pair<S, S>>{
             {"three.tbx", DeckFileBytes({{"pear", "Pears"}, {"Caf\xE9", "au lait", 1}, {"apple", "one\r\ntwo"}})},
             {"old.tbx", DeckFileBytes({{"a", ""}}, 0xAAAA)}, {"old.crd", MgcFileBytes({{"b", "two"}, {"a", "one"}})},
             {"weird.tbx", DeckFileBytes({{"a\tb\\c\r\nd\x01\x7F\x81\xE9", ""}})},
             {"later.crd", RrgFileBytes({{"Paint", "a picture", object}, {"Address", "12 Main St\r\nSpringfield"}})},
             {"damaged.crd", cut(RrgFileBytes({{"a", "first"}, {"b", "second", OleEmbeddedObject("X", S(100, 'n'), "")}}), 60)},
             {"cut.tbx", cut(DeckFileBytes({{"b", "2"}, {"a", "1"}, {"c", "3"}}), 10)},
             {"letter.txt", "Dear Sir"}, {"kept.tbx", "kept"}}) {
        WriteFileBytes(name, bytes);
    }
    std::filesystem::permissions("kept.tbx", std::filesystem::perms::owner_read);
    const S rule = "\r\n" + S(60, '-') + "\r\n\r\n", e = "2||tabula-cli: File Error - \"", not_over = "1||tabula-cli: will not write over the input file...";
    const S text = "apple\r\none\r\ntwo" + rule + "Caf\xE9\r\nau lait" + rule + "pear\r\nPears" + rule;
    const S csv = "apple,one  two\nCaf\xE9,au lait\npear,Pears\n", cut2 = "tabula-cli: File Error - \"cut.tbx\" is cut short: 2 complete cards were read.\n";
    // The command line, and status|output|errors ("..." : only its beginning), then for a
    // convert "#" and the output file's bytes.
    const std::pair<S, S> rows[] = {
        {"list three.tbx", "0|apple\nCaf\xC3\xA9\npear\n|"}, {"list old.crd", "0|a\nb\n|"},  // known by content
        {"list weird.tbx", "0|a\\tb\\\\c\\r\\nd\\x01\\x7f\\x81\xC3\xA9\n|"},
        {"info three.tbx", "0|File: three.tbx\nFormat: Tabula deck (magic AB AA 00 00, 558-byte records with tags)\nCards: 3\nTagged: 1\n|"},
        {"info old.tbx", "0|File: old.tbx\nFormat: Tabula deck, older layout (magic AA AA 00 00, 554-byte records, no tags)\nCards: 1\nTagged: 0\n|"},
        {"info later.crd", "0|File: later.crd\nFormat: Cardfile (signature RRG, may hold objects)\nCards: 2\nTagged: 0\nPictures and objects dropped: 1\n|"},
        {"export three.tbx --format comma", "0|" + csv + "|"}, {"export three.tbx --format=text", "0|" + text + "|"},
        {"--version", "0|tabula-cli " TABULA_VERSION "\n|"}, {"--help", "0|Usage: tabula-cli COMMAND ..."},
        {"list damaged.crd", "2|a\n|tabula-cli: File damaged at card 2 \"b\": ..."}, {"list cut.tbx", "2|a\nb\n|" + cut2},
        {"list missing.tbx", e + "missing.tbx\": No such file or directory\n"}, {"list .", e + ".\": Is a directory\n"},
        {"info letter.txt", "2||tabula-cli: File Error - Incompable File\n"},
        {"convert three.tbx three.tbx", not_over}, {"convert three.tbx ./three.tbx", not_over},
        {"convert three.tbx no/such/folder.tbx", e + "no/such/folder.tbx\"..."},
        {"convert three.tbx kept.tbx", e + "kept.tbx\": the file is write-protected\n"},
        {"convert three.tbx out.csv", "0||#" + csv}, {"convert three.tbx out.txt", "0||#" + text},
        {"convert three.tbx out.dat --to tbx", "0||#" + DeckFileBytes({{"apple", "one\r\ntwo"}, {"Caf\xE9", "au lait", 1}, {"pear", "Pears"}})},
        {"convert old.crd out.tbx", "0||#" + DeckFileBytes({{"a", "one"}, {"b", "two"}})},
        {"convert later.crd out.csv", "0||#Address,12 Main St  Springfield\nPaint,a picture\n"},
        {"convert cut.tbx out.tbx", "2||" + cut2 + "#" + DeckFileBytes({{"a", "1"}, {"b", "2"}})},
    };
    for (const auto& [line, expected] : rows) {
        S verb, from, to;
        std::istringstream(line) >> verb >> from >> to;
        S got = Cli(line);  // before the output file is read
        got += to.starts_with("out") ? "#" + ReadFileBytes(to) : "";
        EXPECT_EQ(expected.ends_with("...") ? got.substr(0, expected.size() - 3) + "..." : got, expected);
    }
    EXPECT_EQ(ReadFileBytes("three.tbx").size() + ReadFileBytes("kept.tbx").size(), 8u + 3 * 558 + 4);
    // Wrong usage: status 1, one line, then a pointer to --help.
    for (const char* line : {"", "frobnicate", "list", "list a b", "convert a", "convert a b.doc", "convert a -",
                             "convert a b.txt --to", "convert a b.txt --to pdf", "convert a b.txt --frobnicate",
                             "export a b", "export a --format xml"}) {
        const S got = Cli(line);
        EXPECT_TRUE(got.starts_with("1||tabula-cli: ") && std::count(got.begin(), got.end(), '\n') == 2 &&
                    got.find('\n') + 1 == got.find("Try 'tabula-cli --help'")) << got;
    }
    // clang-format on
    std::filesystem::current_path(home);
}

}  // namespace
}  // namespace tabula::cli
