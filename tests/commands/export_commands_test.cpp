#include "commands/export_commands.h"

#include "gui_support/deck_files_fixture.h"

namespace tabula::test {
namespace {

using Dialog = ScriptedPrompts::FileDialog;
const std::string kDashes(60, '-');

class ExportCommandsTest : public DeckFilesTest {
  protected:
    // a, b, m, z with m at the front; one body of two lines, one with a comma and a quote.
    void FourCards() {
        UseCards({{"a", "one\r\ntwo"}, {"b", ""}, {"m", "x, \"y\""}, {"Smith, John", "Tel 1"}});
        window->Stack().BringToFront(2);
        Change();
    }
    void Export(CommandId id, const QString& path) {
        prompts.AnswerFile(path);
        Trigger(id);
    }
};

TEST_F(ExportCommandsTest, BothExportsAskWithTheTextFileDialog) {
    settings.values["Last File"] = "/decks/work.tbx";
    FourCards();
    Export(CommandId::kExportText, {});
    Export(CommandId::kExportCsv, {});
    ASSERT_EQ(prompts.file_dialogs, (std::vector{Dialog::kSave, Dialog::kSave}));
    for (const FileDialogRequest& r : prompts.file_requests) {
        EXPECT_EQ(r.default_extension, "txt");
        EXPECT_EQ(r.initial_name, "*.txt");
        EXPECT_EQ(r.filters, (std::vector<FileFilter>{{"Text Files (*.txt) ", "*.txt"}}));
        EXPECT_EQ(r.initial_folder, "/decks");
        EXPECT_TRUE(r.overwrite_prompt);
        EXPECT_FALSE(r.must_exist);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "a cancelled dialog writes nothing";
}

TEST_F(ExportCommandsTest, TextExportFromTheFrontCardWithCrLf) {
    FourCards();
    Export(CommandId::kExportText, PathOf("cards"));  // typed without an extension
    const std::string block_end = "\r\n" + kDashes + "\r\n\r\n";
    EXPECT_EQ(Bytes(PathOf("cards.txt")), "m\r\nx, \"y\"" + block_end +             //
                                              "Smith, John\r\nTel 1" + block_end +  //
                                              "a\r\none\r\ntwo" + block_end +       //
                                              "b\r\n" + block_end);
    // The deck, its name, its flags and Last File stay as they were.
    EXPECT_TRUE(deck.Modified());
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    EXPECT_TRUE(settings.values.isEmpty());
    ExpectNoMessage();
}

TEST_F(ExportCommandsTest, CommaDelimitedExportOneLinePerCard) {
    FourCards();
    Export(CommandId::kExportCsv, PathOf("cards.csv"));  // another extension stays
    EXPECT_EQ(Bytes(PathOf("cards.csv")), "m,x  \"y\"\nSmith, John,Tel 1\na,one  two\nb,\n");
    EXPECT_TRUE(deck.Modified());
    ExpectNoMessage();
}

TEST_F(ExportCommandsTest, AnExportThatFailsLeavesTheOldFileAndSaysSo) {
    FourCards();
    WriteFileBytes(dir / "old.txt", "the old export");
    {
        const FileSizeLimit full_disk(20);
        Export(CommandId::kExportText, PathOf("old.txt"));
    }
    EXPECT_EQ(Bytes(PathOf("old.txt")), "the old export");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption, "Tabula Error...");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kStop);
    EXPECT_TRUE(prompts.messages[0].text.contains(PathOf("old.txt")));

    prompts.messages.clear();
    Export(CommandId::kExportCsv, PathOf("missing/cards.txt"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(
        QStringLiteral("File Error - \"%1\"").arg(PathOf("missing/cards.txt"))));
    EXPECT_EQ(prompts.messages[0].caption, "Tabula Error...");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kStop);
    EXPECT_EQ(deck.Count(), 4);
}

}  // namespace
}  // namespace tabula::test
