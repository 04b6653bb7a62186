#include "commands/import_command.h"

#include <QCoreApplication>

#include "app/status_panes.h"
#include "gui_support/deck_files_fixture.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

using Strings = std::vector<std::string>;
using Dialog = ScriptedPrompts::FileDialog;

class ImportCommandTest : public DeckFilesTest {
  protected:
    QString WriteCardfile(std::string_view name, const std::vector<CardfileCard>& cards) {
        WriteFileBytes(dir / name, MgcFileBytes(cards));
        return PathOf(name);
    }
    QString Import(const QString& path) {
        prompts.AnswerFile(path);
        Trigger(CommandId::kImportCardfile);
        return path;
    }
    QString ImportThree() {
        return Import(WriteCardfile(
            "three.crd",
            {{"Zebra", "stripes"}, {"apple", "red\r\nround", "picture bytes"}, {"Mango", ""}}));
    }
    void ExpectMessage(const QString& text) {
        ExpectOnlyMessage(text, QCoreApplication::applicationName(), MessageIcon::kWarning);
    }
};

TEST_F(ImportCommandTest, TheCardsOfTheFileBecomeTheDeck) {
    settings.values["Last File"] = "/decks/work.tbx";
    UseCards({{"old", ""}});
    window->Status().CountTimer().stop();
    const QString path = ImportThree();
    ASSERT_EQ(prompts.file_dialogs, std::vector{Dialog::kOpen});
    const FileDialogRequest& r = prompts.file_requests[0];
    EXPECT_EQ(r.default_extension, "crd");
    EXPECT_EQ(r.initial_name, "*.crd");
    EXPECT_EQ(r.filters, (std::vector<FileFilter>{{"Cardfile Files (*.crd) ", "*.crd"}}));
    EXPECT_EQ(r.initial_folder, "/decks");
    EXPECT_TRUE(r.must_exist);

    EXPECT_EQ(Ring(), (Strings{"apple", "Mango", "Zebra"}));
    EXPECT_EQ(deck.Front().Body(), "red\r\nround") << "the picture is dropped";
    EXPECT_EQ(Editor().toPlainText(), "red\nround");
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_EQ(window->CurrentFile(), path);
    EXPECT_FALSE(deck.Modified());
    EXPECT_TRUE(window->Imported());
    EXPECT_EQ(settings.values.value("Last File"), "/decks/work.tbx") << "import does not write it";
    EXPECT_EQ(window->Status().Count(), "3 Cards") << "shown at once";
    EXPECT_TRUE(Editor().hasFocus());
    ExpectNoMessage();
}

TEST_F(ImportCommandTest, AnImportedDeckIsWrittenOnlyThroughSaveAs) {
    const QString crd = ImportThree();
    const std::string crd_bytes = Bytes(crd);
    window->UpdateActions();
    EXPECT_FALSE(window->Action(CommandId::kSave)->isEnabled());
    EXPECT_TRUE(window->Action(CommandId::kSaveAs)->isEnabled());
    EXPECT_FALSE(window->Dispatch(CommandId::kSave)) << "F3 does nothing";
    EXPECT_TRUE(prompts.file_requests.size() == 1u);

    // A change, then Yes at the question of New: the save goes through Save As, and the
    // user's cancel there keeps the deck.
    Change();
    prompts.AnswerMessage(Answer::kYes);
    prompts.AnswerFile({});
    Trigger(CommandId::kNew);
    ASSERT_EQ(prompts.file_dialogs, (std::vector{Dialog::kOpen, Dialog::kSave}));
    EXPECT_EQ(deck.Count(), 3);
    EXPECT_EQ(Bytes(crd), crd_bytes);

    // Yes again, with a name this time: the deck file is written, the .crd never.
    const QString tbx = PathOf("three.tbx");
    prompts.AnswerMessage(Answer::kYes);
    prompts.AnswerFile(tbx);
    Trigger(CommandId::kNew);
    EXPECT_EQ(Bytes(crd), crd_bytes);
    EXPECT_EQ(Bytes(tbx),
              DeckFileBytes({{"apple", "red\r\nround"}, {"Mango", ""}, {"Zebra", "stripes"}}));
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_FALSE(window->Imported()) << "a deck file was written";
    EXPECT_EQ(settings.values.value("Last File"), tbx);
}

TEST_F(ImportCommandTest, SaveAsClearsTheImportedFlag) {
    ImportThree();
    const QString tbx = PathOf("three.tbx");
    prompts.AnswerFile(tbx);
    Trigger(CommandId::kSaveAs);
    EXPECT_FALSE(window->Imported());
    EXPECT_EQ(window->windowTitle(), "Tabula - " + tbx);
    window->UpdateActions();
    EXPECT_TRUE(window->Action(CommandId::kSave)->isEnabled());
}

TEST_F(ImportCommandTest, AFileThatIsNoMgcCardfileOrHasNoCardToReadLeavesAnEmptyUntitledDeck) {
    UseCards({{"old", ""}});
    WriteFileBytes(dir / "rrg.crd", RrgFileBytes({{"apple", "red"}}));
    Import(PathOf("rrg.crd"));
    ExpectMessage("File not compatible");
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    EXPECT_FALSE(window->Imported());
    EXPECT_FALSE(deck.Modified());

    prompts.messages.clear();
    WriteFileBytes(dir / "deck.crd", DeckFileBytes({{"apple", "red"}}));
    Import(PathOf("deck.crd"));
    ExpectMessage("File not compatible");

    prompts.messages.clear();
    WriteFileBytes(dir / "short.crd", "MG");
    Import(PathOf("short.crd"));
    ExpectMessage("File not compatible");

    std::string cut = MgcFileBytes({{"pear", "green"}});
    cut.resize(cut.size() - 3);  // into the only card's text
    WriteFileBytes(dir / "cut.crd", cut);
    Import(PathOf("cut.crd"));
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    EXPECT_FALSE(window->Imported());
}

TEST_F(ImportCommandTest, AFileThatCannotBeOpened) {
    std::filesystem::create_directory(dir / "folder.crd");
    Import(PathOf("folder.crd"));
    ExpectMessage("File error - 25");
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
}

TEST_F(ImportCommandTest, ADamagedFileKeepsTheCardsBeforeTheDamageAndSaysWhere) {
    std::string bytes = MgcFileBytes({{"pear", "green"}, {"fig", "soft"}, {"kiwi", "hairy"}});
    bytes.resize(bytes.size() - 3);  // into the last card's text
    WriteFileBytes(dir / "cut.crd", bytes);
    const QString path = Import(PathOf("cut.crd"));
    EXPECT_EQ(Ring(), (Strings{"fig", "pear"}));
    EXPECT_TRUE(Front().isVisible());
    EXPECT_EQ(Editor().toPlainText(), "soft");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains("card 3"))
        << prompts.messages[0].text.toStdString();
    EXPECT_TRUE(prompts.messages[0].text.contains("kiwi"));
    EXPECT_EQ(prompts.messages[0].caption, QCoreApplication::applicationName());
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kWarning);
    EXPECT_TRUE(window->Imported());
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
}

TEST_F(ImportCommandTest, AFileWithNoCardsGivesAnEmptyTitledDeck) {
    window->Status().CountTimer().stop();
    UseCards({{"old", ""}});
    window->Status().SetCount(1);
    const QString path = Import(WriteCardfile("none.crd", {}));
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_EQ(window->Status().Count(), "0 Cards");
    ExpectNoMessage();
}

TEST_F(ImportCommandTest, CancelInTheDialogOrAtTheQuestionChangesNothing) {
    UseCards({{"old", "mine"}});
    Change();
    Import({});
    EXPECT_EQ(Ring(), Strings{"old"});
    EXPECT_TRUE(prompts.messages.empty());

    prompts.AnswerMessage(Answer::kCancel);
    ImportThree();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Save Changes ?");
    EXPECT_EQ(Ring(), Strings{"old"});
    EXPECT_TRUE(deck.Modified());
    EXPECT_FALSE(window->Imported());
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");

    prompts.AnswerMessage(Answer::kNo);
    ImportThree();
    EXPECT_EQ(Ring(), (Strings{"apple", "Mango", "Zebra"}));
}

}  // namespace
}  // namespace tabula::test
