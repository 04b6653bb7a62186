#include "commands/file_commands.h"

#include <QTest>

#include "app/status_panes.h"
#include "gui_support/deck_files_fixture.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

using Strings = std::vector<std::string>;
using Dialog = ScriptedPrompts::FileDialog;
const QString kError = QStringLiteral("Tabula Error...");

class FileCommandsTest : public DeckFilesTest {
  protected:
    // The card count pane is checked right after a command: without the timer it can only be
    // the command that wrote it.
    void StopCountTimer() { window->Status().CountTimer().stop(); }
    QString LastFile() const { return settings.values.value(QStringLiteral("Last File")); }
    // A titled, saved deck of apple and pear.
    QString OpenSavedDeck() {
        const QString path = WriteDeck("saved.tbx", {{"pear", "green"}, {"apple", "red"}});
        prompts.AnswerFile(path);
        Trigger(CommandId::kOpen);
        prompts.file_requests.clear();
        prompts.file_dialogs.clear();
        return path;
    }
};

TEST_F(FileCommandsTest, TheDialogsOfOpenMergeAndSaveAs) {
    settings.values["Last File"] = "/home/user/decks/cards.tbx";
    UseCards({{"apple", ""}});
    prompts.AnswerFile({});
    Trigger(CommandId::kOpen);
    prompts.AnswerFile({});
    Trigger(CommandId::kMerge);
    prompts.AnswerFile({});
    Trigger(CommandId::kSaveAs);
    ASSERT_EQ(prompts.file_requests.size(), 3u);
    EXPECT_EQ(prompts.file_dialogs, (std::vector{Dialog::kOpen, Dialog::kOpen, Dialog::kSave}));
    for (const FileDialogRequest& r : prompts.file_requests) {
        EXPECT_EQ(r.default_extension, "tbx");
        EXPECT_EQ(r.initial_name, "*.tbx");
        EXPECT_EQ(r.filters, (std::vector<FileFilter>{{"Tabula Files (*.tbx) ", "*.tbx"}}));
        EXPECT_EQ(r.initial_folder, "/home/user/decks");
    }
    EXPECT_TRUE(prompts.file_requests[0].must_exist);
    EXPECT_FALSE(prompts.file_requests[0].overwrite_prompt);
    EXPECT_TRUE(prompts.file_requests[1].must_exist);
    EXPECT_FALSE(prompts.file_requests[2].must_exist);
    EXPECT_TRUE(prompts.file_requests[2].overwrite_prompt);
    // Cancelled dialogs change nothing.
    EXPECT_EQ(Ring(), Strings{"apple"});
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    ExpectNoMessage();
}

TEST_F(FileCommandsTest, LastFileWithoutAFolderOpensTheDefaultFolder) {
    settings.values["Last File"] = "cards.tbx";
    prompts.AnswerFile({});
    Trigger(CommandId::kOpen);
    ASSERT_EQ(prompts.file_requests.size(), 1u);
    EXPECT_EQ(prompts.file_requests[0].initial_folder, "");
}

TEST_F(FileCommandsTest, AtStartUpTheDeckIsEmptyAndUntitled) {
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    EXPECT_TRUE(window->CurrentFile().isEmpty());
    EXPECT_FALSE(deck.Modified());
    EXPECT_FALSE(window->Imported());
    EXPECT_TRUE(settings.values.isEmpty()) << "Last File is only read";
}

TEST_F(FileCommandsTest, NewEmptiesAndUntitlesTheDeck) {
    const QString path = OpenSavedDeck();
    window->SetImported(true);
    Trigger(CommandId::kNew);  // nothing changed: no question
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_FALSE(Front().isVisible());
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    EXPECT_TRUE(window->CurrentFile().isEmpty());
    EXPECT_FALSE(deck.Modified());
    EXPECT_TRUE(window->Imported()) << "New leaves the imported flag";
    EXPECT_EQ(LastFile(), path);
    ExpectNoMessage();
}

TEST_F(FileCommandsTest, OpenMakesTheFileTheDeck) {
    UseCards({{"old", "mine"}});
    StopCountTimer();
    window->SetImported(true);
    const QString path =
        WriteDeck("fruit.tbx", {{"pear", "green", 1}, {"apple", "red"}, {"fig", "soft"}});
    prompts.AnswerFile(path);
    Trigger(CommandId::kOpen);
    EXPECT_EQ(Ring(), (Strings{"apple", "fig", "pear"}));
    EXPECT_EQ(Editor().toPlainText(), "red");
    EXPECT_TRUE(deck.At(2).Tagged());
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_EQ(window->CurrentFile(), path);
    EXPECT_FALSE(deck.Modified());
    EXPECT_TRUE(window->Imported()) << "Open leaves the imported flag";
    EXPECT_EQ(LastFile(), path);
    EXPECT_EQ(window->Status().Count(), "3 Cards") << "shown at once";
    EXPECT_TRUE(Editor().hasFocus());
    ExpectNoMessage();
}

TEST_F(FileCommandsTest, OpenOfAFileWithNoCards) {
    UseCards({{"old", "mine"}});
    StopCountTimer();
    const QString path = WriteDeck("none.tbx", {});
    prompts.AnswerFile(path);
    Trigger(CommandId::kOpen);
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_FALSE(Front().isVisible());
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_EQ(window->Status().Count(), "0 Cards");
}

TEST_F(FileCommandsTest, SaveWritesTheCurrentFileFromTheFrontCard) {
    const QString path = OpenSavedDeck();
    settings.values["Last File"] = "/elsewhere/other.tbx";
    window->Stack().Next();  // pear in front
    Editor().selectAll();
    QTest::keyClicks(&Editor(), "ripe");
    ASSERT_TRUE(deck.Modified());
    window->SetImported(false);
    QTest::keyClick(&Editor(), Qt::Key_F3);
    EXPECT_EQ(Bytes(path), DeckFileBytes({{"pear", "ripe"}, {"apple", "red"}}));
    EXPECT_FALSE(deck.Modified());
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_EQ(LastFile(), "/elsewhere/other.tbx") << "Save does not write Last File";
    EXPECT_TRUE(prompts.file_requests.empty());
    ExpectNoMessage();
}

TEST_F(FileCommandsTest, SaveOfAnUntitledDeckAsksForANameAndWritesNothingOnCancel) {
    UseCards({{"apple", "red"}});
    Change();
    prompts.AnswerFile({});
    Trigger(CommandId::kSave);
    ASSERT_EQ(prompts.file_dialogs, std::vector{Dialog::kSave});
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    EXPECT_TRUE(deck.Modified());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

    prompts.AnswerFile(PathOf("named"));  // typed without an extension
    Trigger(CommandId::kSave);
    const QString path = PathOf("named.tbx");
    EXPECT_EQ(Bytes(path), DeckFileBytes({{"apple", "red"}}));
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_EQ(LastFile(), path);
}

TEST_F(FileCommandsTest, SaveAsWritesNamesAndRemembersTheFile) {
    OpenSavedDeck();
    window->SetImported(true);
    Change();
    const QString path = PathOf("copy.tbx");
    prompts.AnswerFile(path);
    Trigger(CommandId::kSaveAs);
    EXPECT_EQ(Bytes(path), DeckFileBytes({{"apple", "red"}, {"pear", "green"}}));
    EXPECT_EQ(window->CurrentFile(), path);
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_FALSE(deck.Modified());
    EXPECT_FALSE(window->Imported());
    EXPECT_EQ(LastFile(), path);
}

TEST_F(FileCommandsTest, AFileThatCannotBeCreatedChangesNothing) {
    UseCards({{"apple", "red"}});
    Change();
    const QString path = PathOf("gone/deck.tbx");
    prompts.AnswerFile(path);
    Trigger(CommandId::kSaveAs);
    ExpectOnlyMessage("File Error - \"" + path + "\"", kError, MessageIcon::kStop);
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    EXPECT_TRUE(deck.Modified());
    EXPECT_FALSE(settings.values.contains("Last File"));
}

TEST_F(FileCommandsTest, AWriteThatFailsHalfWayLeavesTheOldFileAsItWas) {
    const QString path = OpenSavedDeck();
    const std::string old = Bytes(path);
    prompts.AnswerIndex("banana");
    Trigger(CommandId::kAdd);
    prompts.AnswerIndex("cherry");
    Trigger(CommandId::kAdd);
    window->SetImported(false);
    {
        const FileSizeLimit full_disk(old.size() + 600);  // room for one more card, not two
        Trigger(CommandId::kSave);
    }
    EXPECT_EQ(Bytes(path), old);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("File Error - \"" + path + "\""));
    EXPECT_EQ(prompts.messages[0].caption, kError);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kStop);
    EXPECT_TRUE(deck.Modified());
    EXPECT_EQ(window->CurrentFile(), path);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "nothing left beside the file";
}

TEST_F(FileCommandsTest, MergeJoinsTheFileAndTheDeckCountsAsChanged) {
    const QString saved = OpenSavedDeck();
    const QString other = WriteDeck("other.tbx", {{"apple", "theirs"}, {"banana", "yellow"}});
    prompts.AnswerFile(other);
    Trigger(CommandId::kMerge);
    EXPECT_EQ(Ring(), (Strings{"apple", "apple", "banana", "pear"}));
    EXPECT_EQ(deck.At(0).Body(), "red") << "the deck's own card first";
    EXPECT_EQ(deck.At(1).Body(), "theirs");
    EXPECT_EQ(Editor().toPlainText(), "red");
    EXPECT_EQ(window->CurrentFile(), saved);
    EXPECT_EQ(LastFile(), saved);
    // The merged cards are in no file yet: closing must ask.
    EXPECT_TRUE(deck.Modified());
    ExpectNoMessage();
}

TEST_F(FileCommandsTest, MergeOfNothingOrOfNoDeckLeavesTheDeck) {
    OpenSavedDeck();
    prompts.AnswerFile(WriteDeck("none.tbx", {}));
    Trigger(CommandId::kMerge);
    EXPECT_FALSE(deck.Modified()) << "no card came, nothing changed";

    WriteFileBytes(dir / "text.tbx", "no deck");
    prompts.AnswerFile(PathOf("text.tbx"));
    Trigger(CommandId::kMerge);
    ExpectOnlyMessage("File Error - Incompable File", kError, MessageIcon::kStop);
    EXPECT_EQ(Ring(), (Strings{"apple", "pear"}));
    EXPECT_FALSE(deck.Modified());
}

// "Save Changes ?" before New, Open and closing.
class SavePromptTest : public FileCommandsTest {
  protected:
    enum class Discard { kNew, kOpen, kClose };
    // A changed, titled deck: apple (edited), pear.
    QString ChangedDeck() {
        deck.ClearModified();  // whatever the last round left
        const QString path = OpenSavedDeck();
        Editor().selectAll();
        QTest::keyClicks(&Editor(), "crisp");
        window->SetImported(false);
        return path;
    }
    void Run(Discard what) {
        switch (what) {
            case Discard::kNew:
                Trigger(CommandId::kNew);
                break;
            case Discard::kOpen:
                prompts.AnswerFile(WriteDeck("next.tbx", {{"kiwi", "hairy"}}));
                Trigger(CommandId::kOpen);
                break;
            case Discard::kClose:
                Trigger(CommandId::kExit);
                break;
        }
    }
    void ExpectTheQuestion() {
        ASSERT_FALSE(prompts.messages.empty());
        EXPECT_EQ(prompts.messages[0].text, "Save Changes ?");
        EXPECT_EQ(prompts.messages[0].caption, "Tabula");
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kQuestion);
        EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::kYesNoCancel);
    }
    void ExpectKept(const QString& path) {
        EXPECT_EQ(Ring(), (Strings{"apple", "pear"}));
        EXPECT_EQ(deck.Front().Body(), "crisp");
        EXPECT_TRUE(deck.Modified());
        EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
        EXPECT_TRUE(window->isVisible());
    }
    void ExpectDiscarded(Discard what) {
        switch (what) {
            case Discard::kNew:
                EXPECT_EQ(deck.Count(), 0);
                EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
                break;
            case Discard::kOpen:
                EXPECT_EQ(Ring(), Strings{"kiwi"});
                EXPECT_EQ(window->windowTitle(), "Tabula - " + PathOf("next.tbx"));
                break;
            case Discard::kClose:
                EXPECT_FALSE(window->isVisible());
                EXPECT_EQ(deck.Count(), 0);
                deck.ClearModified();  // the program ends here; the next round starts afresh
                return;
        }
        EXPECT_FALSE(deck.Modified());
    }
    static constexpr Discard kAll[] = {Discard::kNew, Discard::kOpen, Discard::kClose};
};

TEST_F(SavePromptTest, AnUnchangedDeckIsDiscardedWithoutAQuestion) {
    for (const Discard what : kAll) {
        OpenSavedDeck();
        window->show();
        Run(what);
        ExpectNoMessage();
        ExpectDiscarded(what);
    }
}

TEST_F(SavePromptTest, CancelKeepsTheDeck) {
    for (const Discard what : kAll) {
        const QString path = ChangedDeck();
        prompts.messages.clear();
        prompts.AnswerMessage(Answer::kCancel);
        Run(what);
        ExpectTheQuestion();
        ExpectKept(path);
    }
}

TEST_F(SavePromptTest, NoDiscardsTheChanges) {
    for (const Discard what : kAll) {
        const QString path = ChangedDeck();
        const std::string old = Bytes(path);
        prompts.messages.clear();
        prompts.AnswerMessage(Answer::kNo);
        Run(what);
        ExpectTheQuestion();
        ExpectDiscarded(what);
        EXPECT_EQ(Bytes(path), old);
        window->show();
    }
}

TEST_F(SavePromptTest, YesSavesToTheCurrentFileFirst) {
    for (const Discard what : kAll) {
        const QString path = ChangedDeck();
        prompts.messages.clear();
        prompts.AnswerMessage(Answer::kYes);
        Run(what);
        ExpectTheQuestion();
        EXPECT_EQ(Bytes(path), DeckFileBytes({{"apple", "crisp"}, {"pear", "green"}}));
        ExpectDiscarded(what);
        window->show();
    }
}

TEST_F(SavePromptTest, YesWithoutASaveKeepsTheDeckAsCancelWould) {
    for (const Discard what : kAll) {
        // An untitled deck: Yes asks for a name, and the user cancels that.
        ChangedDeck();
        window->SetCurrentFile({});
        prompts.messages.clear();
        prompts.file_dialogs.clear();
        prompts.AnswerMessage(Answer::kYes);
        if (what == Discard::kOpen) {
            prompts.AnswerFile(WriteDeck("next.tbx", {{"kiwi", "hairy"}}));
            prompts.AnswerFile({});
            Trigger(CommandId::kOpen);
            EXPECT_EQ(prompts.file_dialogs, (std::vector{Dialog::kOpen, Dialog::kSave}));
        } else {
            prompts.AnswerFile({});
            Run(what);
            EXPECT_EQ(prompts.file_dialogs, std::vector{Dialog::kSave});
        }
        ExpectTheQuestion();
        EXPECT_EQ(Ring(), (Strings{"apple", "pear"}));
        EXPECT_EQ(deck.Front().Body(), "crisp");
        EXPECT_TRUE(deck.Modified());
        EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(SavePromptTest, YesWithAWriteThatFailsKeepsTheDeck) {
    for (const Discard what : kAll) {
        const QString path = ChangedDeck();
        std::filesystem::remove(path.toStdString());
        std::filesystem::create_directory(path.toStdString());  // a folder cannot be replaced
        prompts.messages.clear();
        prompts.AnswerMessage(Answer::kYes);
        Run(what);
        ASSERT_EQ(prompts.messages.size(), 2u);
        EXPECT_EQ(prompts.messages[1].text, "File Error - \"" + path + "\"");
        EXPECT_EQ(prompts.messages[1].icon, MessageIcon::kStop);
        ExpectKept(path);
        std::filesystem::remove(path.toStdString());
    }
}

}  // namespace
}  // namespace tabula::test
