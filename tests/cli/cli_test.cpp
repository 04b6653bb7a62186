#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula::cli {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

class CliTest : public ::testing::Test {
  protected:
    std::string Path(std::string_view name) const { return (dir_ / name).string(); }
    std::string Deck3() const {
        const std::string path = Path("three.tbx");
        WriteFileBytes(
            path, test::DeckFileBytes(
                      {{"pear", "Pears"}, {"Caf\xE9", "au lait", 1}, {"apple", "one\r\ntwo"}}));
        return path;
    }
    test::TempDir dir_;
};

TEST_F(CliTest, ListPrintsIndexesSmallestFirstInUtf8) {
    const CliRun run = Cli({"list", Deck3()});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out, "apple\nCaf\xC3\xA9\npear\n");
    EXPECT_EQ(run.err, "");

    const std::string crd = Path("old.crd");  // recognised by content, not by name
    WriteFileBytes(crd, test::MgcFileBytes({{"Zebra", "z"}, {"apple", "a"}, {"Mango", "m"}}));
    EXPECT_EQ(Cli({"list", crd}).out, "apple\nMango\nZebra\n");

    // One card, one line: control bytes, the code page's unassigned bytes and backslashes.
    WriteFileBytes(crd, test::DeckFileBytes({{"a\tb\\c\r\nd\x01\x7F\x81\xE9", ""}}));
    EXPECT_EQ(Cli({"list", crd}).out, "a\\tb\\\\c\\r\\nd\\x01\\x7f\\x81\xC3\xA9\n");
}

TEST_F(CliTest, InfoTellsFormatCountAndTags) {
    const CliRun run = Cli({"info", Deck3()});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_NE(run.out.find("Format: Tabula deck (magic AB AA 00 00"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Cards: 3\n"), std::string::npos);
    EXPECT_NE(run.out.find("Tagged: 1\n"), std::string::npos);

    const std::string old = Path("old.tbx");
    WriteFileBytes(old, test::DeckFileBytes({{"a", ""}}, 0xAAAA));
    EXPECT_NE(Cli({"info", old}).out.find("older layout"), std::string::npos);
}

TEST_F(CliTest, ConvertWritesEachFormatByExtensionOrByName) {
    const std::string in = Deck3();
    ASSERT_EQ(Cli({"convert", in, Path("out.csv")}).status, kExitOk);
    EXPECT_EQ(ReadFileBytes(Path("out.csv")), "apple,one  two\nCaf\xE9,au lait\npear,Pears\n");

    ASSERT_EQ(Cli({"convert", in, Path("out.txt")}).status, kExitOk);
    EXPECT_EQ(ReadFileBytes(Path("out.txt")).substr(0, 17), "apple\r\none\r\ntwo\r\n");
    // The same two exports on standard output.
    EXPECT_EQ(Cli({"export", in, "--format", "comma"}).out, ReadFileBytes(Path("out.csv")));
    EXPECT_EQ(Cli({"export", in, "--format=text"}).out, ReadFileBytes(Path("out.txt")));

    ASSERT_EQ(Cli({"convert", in, Path("copy.dat"), "--to", "tbx"}).status, kExitOk);
    const std::string copy = ReadFileBytes(Path("copy.dat"));
    EXPECT_EQ(copy.size(), 1682u);
    EXPECT_EQ(copy.substr(8, 6), std::string("apple\0", 6));

    // A Cardfile file becomes a deck file.
    const std::string crd = Path("cards.crd");
    WriteFileBytes(crd, test::MgcFileBytes({{"b", "two"}, {"a", "one"}}));
    ASSERT_EQ(Cli({"convert", crd, Path("cards.tbx")}).status, kExitOk);
    EXPECT_EQ(ReadFileBytes(Path("cards.tbx")), test::DeckFileBytes({{"a", "one"}, {"b", "two"}}));
}

TEST_F(CliTest, ReadsTheLaterCardfileLayoutAndCountsTheDroppedObjects) {
    const std::string rrg = Path("later.crd");
    WriteFileBytes(rrg, test::RrgFileBytes(
                            {{"Paint", "a picture",
                              test::OleEmbeddedObject("PBrush", "native bytes",
                                                      test::OleStandardPicture("DIB", "pixels"))},
                             {"Address", "12 Main St\r\nSpringfield"}}));
    EXPECT_EQ(Cli({"list", rrg}).out, "Address\nPaint\n");
    const CliRun info = Cli({"info", rrg});
    EXPECT_EQ(info.status, kExitOk);
    EXPECT_NE(info.out.find("Format: Cardfile (signature RRG"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Pictures and objects dropped: 1\n"), std::string::npos) << info.out;
    ASSERT_EQ(Cli({"convert", rrg, Path("later.csv")}).status, kExitOk);
    EXPECT_EQ(ReadFileBytes(Path("later.csv")),
              "Address,12 Main St  Springfield\nPaint,a picture\n");

    // A damaged object: the cards before it are kept, the card is named, the status is 2.
    std::string damaged = test::RrgFileBytes(
        {{"a", "first"}, {"b", "second", test::OleEmbeddedObject("X", std::string(100, 'n'), "")}});
    damaged.resize(damaged.size() - 60);
    WriteFileBytes(rrg, damaged);
    const CliRun cut = Cli({"list", rrg});
    EXPECT_EQ(cut.status, kExitFile);
    EXPECT_EQ(cut.out, "a\n");
    EXPECT_NE(cut.err.find("File damaged at card 2 \"b\""), std::string::npos) << cut.err;
}

TEST_F(CliTest, ConvertNeverWritesOverItsInput) {
    const std::string in = Deck3();
    const std::string before = ReadFileBytes(in);
    const CliRun run = Cli({"convert", in, in});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_NE(run.err.find("will not write over the input file"), std::string::npos);
    EXPECT_EQ(Cli({"convert", in, Path("./three.tbx")}).status, kExitUsage);
    EXPECT_EQ(ReadFileBytes(in), before);
}

TEST_F(CliTest, WrongUsageExitsOneWithOneLineAndAPointerToHelp) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"list"},
                                               {"list", "a", "b"},
                                               {"convert", "a"},
                                               {"convert", "a", "b.doc"},
                                               {"convert", "a", "b.txt", "--to"},
                                               {"convert", "a", "b.txt", "--to", "pdf"},
                                               {"convert", "a", "-"},
                                               {"convert", "a", "b.txt", "--frobnicate"},
                                               {"export", "a", "b"},
                                               {"export", "a", "--format", "xml"}}) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_EQ(run.err.find('\n') + 1, run.err.find("Try 'tabula-cli --help'")) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
        EXPECT_EQ(run.out, "");
    }
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("export FILE [--format FORMAT]"), std::string::npos);
    EXPECT_EQ(Cli({"--version"}).out, "tabula-cli " TABULA_VERSION "\n");
}

TEST_F(CliTest, FilesThatCannotBeReadOrWrittenExitTwo) {
    const CliRun missing = Cli({"list", Path("missing.tbx")});
    EXPECT_EQ(missing.status, kExitFile);
    EXPECT_EQ(missing.err, "tabula-cli: File Error - \"" + Path("missing.tbx") +
                               "\": No such file or directory\n");

    WriteFileBytes(Path("letter.txt"), "Dear Sir");
    const CliRun foreign = Cli({"info", Path("letter.txt")});
    EXPECT_EQ(foreign.status, kExitFile);
    EXPECT_EQ(foreign.err, "tabula-cli: File Error - Incompable File\n");

    EXPECT_EQ(Cli({"list", dir_.path().string()}).status, kExitFile);
    EXPECT_EQ(Cli({"convert", Deck3(), Path("no/such/folder.tbx")}).status, kExitFile);
    WriteFileBytes(Path("kept.tbx"), "kept");
    std::filesystem::permissions(Path("kept.tbx"), std::filesystem::perms::owner_read);
    const CliRun protected_target = Cli({"convert", Deck3(), Path("kept.tbx")});
    EXPECT_EQ(protected_target.status, kExitFile);
    EXPECT_EQ(protected_target.err, "tabula-cli: File Error - \"" + Path("kept.tbx") +
                                        "\": the file is write-protected\n");
    EXPECT_EQ(ReadFileBytes(Path("kept.tbx")), "kept");

    // Standard output that takes nothing, as a full disk.
    struct Refusing : std::streambuf {
    } refusing;
    std::ostream out(&refusing);
    std::ostringstream err;
    EXPECT_EQ(RunCli({"list", Deck3()}, out, err), kExitFile);
    EXPECT_NE(err.str().find("tabula-cli: cannot write to standard output"), std::string::npos);
}

TEST_F(CliTest, ADamagedFileGivesWhatCouldBeReadAndExitsTwo) {
    const std::string whole = test::DeckFileBytes({{"b", "2"}, {"a", "1"}, {"c", "3"}});
    WriteFileBytes(Path("cut.tbx"), whole.substr(0, whole.size() - 10));
    const CliRun list = Cli({"list", Path("cut.tbx")});
    EXPECT_EQ(list.status, kExitFile);
    EXPECT_EQ(list.out, "a\nb\n");
    EXPECT_NE(list.err.find("is cut short: 2 complete cards were read."), std::string::npos);

    const CliRun convert = Cli({"convert", Path("cut.tbx"), Path("rescued.tbx")});
    EXPECT_EQ(convert.status, kExitFile);
    EXPECT_EQ(ReadFileBytes(Path("rescued.tbx")), test::DeckFileBytes({{"a", "1"}, {"b", "2"}}));
}

}  // namespace
}  // namespace tabula::cli
