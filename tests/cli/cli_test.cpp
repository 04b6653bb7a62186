#include "cli/cli.h"

#include <gtest/gtest.h>
#include <unistd.h>

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
using Args = std::vector<S>;
const S kRule(60, '-');

// Runs in a folder of test files, so that paths and messages are short and the same each run.
class CliTest : public ::testing::Test {
  protected:
    CliTest() : home_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir_.path());
        const auto cut = [](const S& bytes, std::size_t n) {
            return bytes.substr(0, bytes.size() - n);
        };
        for (const auto& [name, bytes] : std::vector<std::pair<S, S>>{
                 {"three.tbx",
                  DeckFileBytes(
                      {{"pear", "Pears"}, {"Caf\xE9", "au lait", 1}, {"apple", "one\r\ntwo"}})},
                 {"old.tbx", DeckFileBytes({{"a", ""}}, 0xAAAA)},
                 {"weird.tbx", DeckFileBytes({{"a\tb\\c\r\nd\x01\x7F\x81\xE9", ""}})},
                 {"old.crd", MgcFileBytes({{"b", "two"}, {"a", "one"}})},
                 {"later.crd",
                  RrgFileBytes({{"Paint", "a picture",
                                 OleEmbeddedObject("PBrush", "native bytes",
                                                   OleStandardPicture("DIB", "pixels"))},
                                {"Address", "12 Main St\r\nSpringfield"}})},
                 {"damaged.crd",
                  cut(RrgFileBytes({{"a", "first"},
                                    {"b", "second", OleEmbeddedObject("X", S(100, 'n'), "")}}),
                      60)},
                 {"cut.tbx", cut(DeckFileBytes({{"b", "2"}, {"a", "1"}, {"c", "3"}}), 10)},
                 {"letter.txt", "Dear Sir"},
                 {"kept.tbx", "kept"}}) {
            WriteFileBytes(name, bytes);
        }
        std::filesystem::permissions("kept.tbx", std::filesystem::perms::owner_read);
    }
    ~CliTest() override { std::filesystem::current_path(home_); }

    // Status, standard output and standard error, "|" between them.
    static S Run(const S& line) {
        std::istringstream words(line);
        std::ostringstream out, err;
        const int status = RunCli(Args(std::istream_iterator<S>(words), {}), out, err);
        return std::to_string(status) + "|" + out.str() + "|" + err.str();
    }
    std::filesystem::path home_;
    TempDir dir_;
};

TEST_F(CliTest, ListsTellsAndConvertsEveryKindOfFile) {
    const S text = "apple\r\none\r\ntwo\r\n" + kRule + "\r\n\r\nCaf\xE9\r\nau lait\r\n" + kRule +
                   "\r\n\r\npear\r\nPears\r\n" + kRule + "\r\n\r\n";
    const S csv = "apple,one  two\nCaf\xE9,au lait\npear,Pears\n",
            e = "2||tabula-cli: File Error - \"";
    const S cut =
        "tabula-cli: File Error - \"cut.tbx\" is cut short: 2 complete cards were read.\n";
    // The command line, "|", and status|output|errors ("..." : only its beginning); for a
    // convert, the output file's bytes.
    const std::pair<S, S> rows[] = {
        {"list three.tbx", "0|apple\nCaf\xC3\xA9\npear\n|"},
        {"list old.crd", "0|a\nb\n|"},  // known by content, not by name
        {"list weird.tbx", "0|a\\tb\\\\c\\r\\nd\\x01\\x7f\\x81\xC3\xA9\n|"},
        {"info three.tbx",
         "0|File: three.tbx\nFormat: Tabula deck (magic AB AA 00 00, 558-byte records with "
         "tags)\nCards: 3\nTagged: 1\n|"},
        {"info old.tbx",
         "0|File: old.tbx\nFormat: Tabula deck, older layout (magic AA AA 00 00, 554-byte records, "
         "no tags)\nCards: 1\nTagged: 0\n|"},
        {"list later.crd", "0|Address\nPaint\n|"},
        {"info later.crd",
         "0|File: later.crd\nFormat: Cardfile (signature RRG, may hold objects)\nCards: 2\nTagged: "
         "0\nPictures and objects dropped: 1\n|"},
        {"export three.tbx --format comma", "0|" + csv + "|"},
        {"export three.tbx --format=text", "0|" + text + "|"},
        {"--version", "0|tabula-cli " TABULA_VERSION "\n|"},
        {"--help", "0|Usage: tabula-cli COMMAND ..."},
        {"list damaged.crd", "2|a\n|tabula-cli: File damaged at card 2 \"b\": ..."},
        {"list cut.tbx", "2|a\nb\n|" + cut},
        {"list missing.tbx", e + "missing.tbx\": No such file or directory\n"},
        {"info letter.txt", "2||tabula-cli: File Error - Incompable File\n"},
        {"list .", e + ".\": Is a directory\n"},
        {"convert three.tbx three.tbx", "1||tabula-cli: will not write over the input file..."},
        {"convert three.tbx ./three.tbx", "1||tabula-cli: will not write over the input file..."},
        {"convert three.tbx no/such/folder.tbx", e + "no/such/folder.tbx\"..."},
        {"convert three.tbx kept.tbx", e + "kept.tbx\": the file is write-protected\n"},
        {"convert three.tbx out.csv", csv},
        {"convert three.tbx out.txt", text},
        {"convert three.tbx out.dat --to tbx",
         DeckFileBytes({{"apple", "one\r\ntwo"}, {"Caf\xE9", "au lait", 1}, {"pear", "Pears"}})},
        {"convert old.crd out.tbx", DeckFileBytes({{"a", "one"}, {"b", "two"}})},
        {"convert later.crd out.csv", "Address,12 Main St  Springfield\nPaint,a picture\n"},
        {"convert cut.tbx out.tbx|2||" + cut, DeckFileBytes({{"a", "1"}, {"b", "2"}})},
    };
    for (const auto& [line, expected] : rows) {
        const S command = line.substr(0, line.find('|')), got = Run(command);
        S verb, from, to;
        std::istringstream(command) >> verb >> from >> to;
        if (to.starts_with("out")) {
            EXPECT_EQ(got, line.find('|') == S::npos ? "0||" : line.substr(line.find('|') + 1));
            EXPECT_EQ(ReadFileBytes(to), expected) << line;
        } else if (expected.ends_with("...")) {
            EXPECT_TRUE(got.starts_with(expected.substr(0, expected.size() - 3))) << got;
        } else {
            EXPECT_EQ(got, expected);
        }
    }
    EXPECT_EQ(ReadFileBytes("three.tbx").size() + ReadFileBytes("kept.tbx").size(),
              8u + 3 * 558 + 4);
}

TEST_F(CliTest, WrongUsageExitsOneWithOneLineAndAPointerToHelp) {
    for (const char* line :
         {"", "frobnicate", "list", "list a b", "convert a", "convert a b.doc",
          "convert a b.txt --to", "convert a b.txt --to pdf", "convert a -",
          "convert a b.txt --frobnicate", "export a b", "export a --format xml"}) {
        const S got = Run(line);
        EXPECT_TRUE(got.starts_with("1||tabula-cli: ")) << got;
        EXPECT_EQ(got.find('\n') + 1, got.find("Try 'tabula-cli --help'")) << got;
        EXPECT_EQ(std::count(got.begin(), got.end(), '\n'), 2) << got;
    }
    struct Refusing : std::streambuf {  // standard output that takes nothing, as a full disk
    } refusing;
    std::ostream out(&refusing);
    std::ostringstream err;
    EXPECT_EQ(RunCli({"list", "three.tbx"}, out, err), kExitFile);
    EXPECT_TRUE(err.str().starts_with("tabula-cli: cannot write to standard output")) << err.str();
}

}  // namespace
}  // namespace tabula::cli
