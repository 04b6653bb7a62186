#include "app/application.h"
#include "gui_support/deck_files_fixture.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

using StartupFileTest = DeckFilesTest;

TEST_F(StartupFileTest, ACommandLineFileCutShortKeepsItsCompleteCardsAndSaysSo) {
    std::string bytes = DeckFileBytes({{"pear", "green"}, {"apple", "red"}, {"fig", "soft"}});
    bytes.resize(bytes.size() - 1);
    WriteFileBytes(dir / "cut.tbx", bytes);
    const QString path = PathOf("cut.tbx");
    LoadStartupDeck(*window, deck, prompts, path);
    EXPECT_EQ(Ring(), (std::vector<std::string>{"apple", "pear"}));
    EXPECT_TRUE(Front().isVisible());
    EXPECT_EQ(Editor().toPlainText(), "red");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains("2 complete cards"));
    EXPECT_EQ(prompts.messages[0].caption, "Tabula Error...");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kStop);
    EXPECT_FALSE(deck.Modified());
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_FALSE(settings.values.contains("Last File")) << "start-up only reads it";
}

TEST_F(StartupFileTest, AnIncompatibleCommandLineFileIsNeverTheCurrentFile) {
    WriteFileBytes(dir / "notes.tbx", "some notes");
    const QString path = PathOf("notes.tbx");
    LoadStartupDeck(*window, deck, prompts, path);
    ExpectOnlyMessage("File Error - Incompable File", "Tabula Error...", MessageIcon::kStop);
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    // Save therefore asks for a name rather than writing over the notes.
    UseCards({{"apple", ""}});
    prompts.AnswerFile({});
    Trigger(CommandId::kSave);
    EXPECT_EQ(prompts.file_requests.size(), 1u);
    EXPECT_EQ(Bytes(path), "some notes");
}

}  // namespace
}  // namespace tabula::test
