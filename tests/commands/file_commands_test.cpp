#include "commands/file_commands.h"

#include <QCoreApplication>
#include <QTest>

#include "gui_support/deck_files_fixture.h"
#include "stack/card_editor.h"
#include "ui/file_dialog.h"

namespace tabula::test {
namespace {

using Strings = std::vector<std::string>;
using Dialog = ScriptedPrompts::FileDialog;
const QString kError = QStringLiteral("Tabula Error...");

class FileCommandsTest : public DeckFilesTest {
  protected:
    QString LastFile() const { return settings.values.value(QStringLiteral("Last File")); }
    QString Title() const { return window->windowTitle(); }
    void Run(CommandId id, const QString& file) {
        prompts.AnswerFile(file);
        Trigger(id);
    }
    // The saved deck of apple and pear, open and unchanged.
    QString OpenSaved() {
        deck.ClearModified();
        const QString path = WriteDeck("saved.tbx", {{"pear", "green"}, {"apple", "red"}});
        Run(CommandId::kOpen, path);
        prompts.file_requests.clear();
        prompts.file_dialogs.clear();
        prompts.messages.clear();
        return path;
    }
    void Type(const char* body) {
        Editor().selectAll();
        QTest::keyClicks(&Editor(), body);
    }
    void ExpectError(const QString& start) {
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_TRUE(prompts.messages[0].text.startsWith(start))
            << prompts.messages[0].text.toStdString();
        EXPECT_EQ(prompts.messages[0].caption, kError);
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kStop);
    }
};

// Each command's dialog, opened in the folder of Last File; cancelled, nothing changes. The
// dialog opens with the pattern in the name field, which, confirmed, names no file.
TEST_F(FileCommandsTest, EachCommandAsksWithItsDialogAndACancelChangesNothing) {
    settings.values["Last File"] = "/decks/work.tbx";
    UseCards({{"apple", "red"}});
    Change();
    const QString tbx = " *.tbx [Tabula Files (*.tbx) |*.tbx] /decks";
    const QString txt = "save *.txt [Text Files (*.txt) |*.txt] /decks overwrite?";
    const std::pair<CommandId, QString> rows[] = {
        {CommandId::kOpen, "open" + tbx + " must exist"},
        {CommandId::kMerge, "open" + tbx + " must exist"},
        {CommandId::kSaveAs, "save" + tbx + " overwrite?"},
        {CommandId::kSave, "save" + tbx + " overwrite?"},
        {CommandId::kImportCardfile,
         "open *.crd [Cardfile Files (*.crd) |*.crd] /decks must exist"},
        {CommandId::kExportText, txt},
        {CommandId::kExportCsv, txt}};
    for (const auto& [id, dialog] : rows) {
        prompts.file_dialogs.clear();
        prompts.file_requests.clear();
        Run(id, {});
        ASSERT_EQ(prompts.file_requests.size(), 1u);
        const FileDialogRequest& r = prompts.file_requests[0];
        EXPECT_EQ(
            QStringLiteral("%1 *.%2 [%3|%4] %5%6%7")
                .arg(prompts.file_dialogs[0] == Dialog::kOpen ? "open" : "save",
                     r.default_extension, r.filters.at(0).description, r.filters.at(0).pattern,
                     r.initial_folder, r.must_exist ? " must exist" : "",
                     r.overwrite_prompt ? " overwrite?" : ""),
            dialog);
        FileDialog shown(nullptr, r, prompts.file_dialogs[0] == Dialog::kSave);
        EXPECT_EQ(shown.NameFieldText(), r.initial_name);
        shown.accept();
        EXPECT_EQ(shown.result(), QDialog::Rejected);
    }
    EXPECT_EQ(Ring(), Strings{"apple"});
    EXPECT_EQ(Title(), "Tabula - Untitled");
    EXPECT_TRUE(deck.Modified());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    ExpectNoMessage();
}

TEST_F(FileCommandsTest, SaveSaveAsAndNew) {
    const QString path = OpenSaved();
    EXPECT_EQ(LastFile(), path);
    settings.values["Last File"] = "/elsewhere/other.tbx";
    window->Stack().Next();  // pear in front
    Type("ripe");
    QTest::keyClick(&Editor(), Qt::Key_F3);
    EXPECT_EQ(Bytes(path), DeckFileBytes({{"pear", "ripe"}, {"apple", "red"}}));
    EXPECT_FALSE(deck.Modified());
    EXPECT_EQ(LastFile(), "/elsewhere/other.tbx") << "Save does not write Last File";
    EXPECT_TRUE(prompts.file_requests.empty());

    window->SetImported(true);
    Run(CommandId::kSaveAs, PathOf("copy"));  // typed without an extension
    const QString copy = PathOf("copy.tbx");
    EXPECT_EQ(Bytes(copy), Bytes(path));
    EXPECT_EQ(Title(), "Tabula - " + copy);
    EXPECT_FALSE(window->Imported());
    EXPECT_EQ(LastFile(), copy);

    Trigger(CommandId::kNew);  // nothing changed: no question
    EXPECT_EQ(Title(), "Tabula - Untitled");
    ExpectNoMessage();
}

TEST_F(FileCommandsTest, AWriteThatFailsKeepsTheOldFileTheNameAndTheChanges) {
    UseCards({{"apple", "red"}});
    Change();
    const QString gone = PathOf("gone/deck.tbx");
    Run(CommandId::kSaveAs, gone);
    ExpectError("File Error - \"" + gone + "\"");
    EXPECT_EQ(Title(), "Tabula - Untitled");
    EXPECT_TRUE(deck.Modified());
    EXPECT_FALSE(settings.values.contains("Last File"));

    const QString path = OpenSaved();
    const std::string old = Bytes(path);
    prompts.AnswerIndex("banana");
    Trigger(CommandId::kAdd);
    prompts.AnswerIndex("cherry");
    Trigger(CommandId::kAdd);
    {
        const FileSizeLimit full_disk(old.size() + 600);  // room for one more card, not two
        Trigger(CommandId::kSave);
    }
    EXPECT_EQ(Bytes(path), old);
    ExpectError("File Error - \"" + path + "\"");
    EXPECT_TRUE(deck.Modified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "nothing left beside the file";
}

TEST_F(FileCommandsTest, SaveAsksBeforeWritingOverAnotherProgramsChange) {
    const QString path = OpenSaved();
    Type("ripe");
    const std::string theirs = DeckFileBytes({{"theirs", ""}});
    const auto file = FileSystemPath(path);
    WriteFileBytes(file, theirs);
    std::filesystem::last_write_time(
        file, std::filesystem::last_write_time(file) + std::chrono::seconds(5));
    for (const Answer answer : {Answer::kNo, Answer::kYes}) {
        prompts.AnswerMessage(answer);
        Trigger(CommandId::kSave);
        EXPECT_EQ(prompts.messages.back().text,
                  "saved.tbx was changed by another program since it was opened. Overwrite it?");
        EXPECT_EQ(prompts.messages.back().buttons, MessageButtons::kYesNoDefaultNo);
        EXPECT_EQ(Bytes(path), answer == Answer::kYes
                                   ? DeckFileBytes({{"apple", "ripe"}, {"pear", "green"}})
                                   : theirs);
        EXPECT_EQ(deck.Modified(), answer == Answer::kNo);
    }
    Change();
    Trigger(CommandId::kSave);
    EXPECT_EQ(prompts.messages.size(), 2u) << "its own write is no other program's";
}

TEST_F(FileCommandsTest, MergeJoinsTheFileAndTheDeckCountsAsChanged) {
    const QString saved = OpenSaved();
    Run(CommandId::kMerge, WriteDeck("none.tbx", {}));
    EXPECT_FALSE(deck.Modified()) << "no card came, nothing changed";
    WriteFileBytes(dir / "text.tbx", "no deck");
    Run(CommandId::kMerge, PathOf("text.tbx"));
    ExpectError("File Error - Incompable File");
    EXPECT_FALSE(deck.Modified());
    prompts.messages.clear();

    Run(CommandId::kMerge, WriteDeck("other.tbx", {{"apple", "theirs"}, {"banana", "yellow"}}));
    EXPECT_EQ(Ring(), (Strings{"apple", "apple", "banana", "pear"}));
    EXPECT_EQ(deck.At(0).Body(), "red") << "the deck's own card first";
    EXPECT_EQ(LastFile(), saved);
    EXPECT_TRUE(deck.Modified()) << "the merged cards are in no file yet";
    ExpectNoMessage();
}

// "Save Changes ?" before New, Open and closing, for every answer.
TEST_F(FileCommandsTest, TheSavePromptBeforeTheDeckIsDropped) {
    enum Case { kUnchanged, kCancel, kNo, kYes, kYesUntitledCancelled, kYesFailing };
    for (const CommandId what : {CommandId::kNew, CommandId::kOpen, CommandId::kExit}) {
        for (const Case c : {kUnchanged, kCancel, kNo, kYes, kYesUntitledCancelled, kYesFailing}) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(what) << " case " << c);
            window->show();
            const QString path = OpenSaved();
            if (c != kUnchanged) {
                Type("crisp");
            }
            const std::string old = Bytes(path);
            if (c == kYesUntitledCancelled) {
                window->SetCurrentFile({});
            }
            if (c == kYesFailing) {
                std::filesystem::remove(path.toStdString());
                std::filesystem::create_directory(
                    path.toStdString());  // a folder cannot be replaced
            }
            prompts.AnswerMessage(c == kCancel ? Answer::kCancel
                                  : c == kNo   ? Answer::kNo
                                               : Answer::kYes);
            if (what == CommandId::kOpen) {
                prompts.AnswerFile(WriteDeck("next.tbx", {{"kiwi", "hairy"}}));
            }
            prompts.AnswerFile({});  // the name asked for an untitled deck
            Trigger(what);

            EXPECT_EQ(prompts.messages.size(), c == kYesFailing ? 2u : c == kUnchanged ? 0u : 1u);
            if (c != kUnchanged) {
                const auto& m = prompts.messages.at(0);
                EXPECT_EQ(std::tuple(m.text, m.caption, m.icon, m.buttons),
                          std::tuple(QString("Save Changes ?"), QString("Tabula"),
                                     MessageIcon::kQuestion, MessageButtons::kYesNoCancel));
            }
            EXPECT_EQ(prompts.file_dialogs.size(),
                      (what == CommandId::kOpen) + (c == kYesUntitledCancelled) + 0u);
            if (c != kYesFailing) {
                EXPECT_EQ(Bytes(path),
                          c == kYes ? DeckFileBytes({{"apple", "crisp"}, {"pear", "green"}}) : old);
            }
            const bool kept = c == kCancel || c == kYesUntitledCancelled || c == kYesFailing;
            const Strings after = kept                       ? Strings{"apple", "pear"}
                                  : what == CommandId::kOpen ? Strings{"kiwi"}
                                                             : Strings{};
            EXPECT_EQ(Ring(), after);
            if (kept || what != CommandId::kExit) {  // the program ends with its deck
                EXPECT_EQ(deck.Modified(), kept);
            }
            EXPECT_EQ(window->isVisible(), kept || what != CommandId::kExit);
            if (kept) {
                EXPECT_EQ(Title(), "Tabula - " + (c == kYesUntitledCancelled ? "Untitled" : path));
            }
            std::filesystem::remove(path.toStdString());
            prompts.message_answers.clear();
            prompts.file_answers.clear();
        }
    }
}

// An imported Cardfile file is never written over: Save goes through Save As.
TEST_F(FileCommandsTest, ImportMakesTheCardfileTheDeckAndSaveNeverWritesItBack) {
    settings.values["Last File"] = "/decks/work.tbx";
    const QString crd = PathOf("two.crd");
    WriteFileBytes(dir / "two.crd",
                   MgcFileBytes({{"Zebra", "stripes"}, {"apple", "red\r\nround", "picture"}}));
    Run(CommandId::kImportCardfile, crd);
    EXPECT_EQ(Ring(), (Strings{"apple", "Zebra"}));
    EXPECT_EQ(Editor().toPlainText(), "red\nround");
    EXPECT_EQ(Title(), "Tabula - " + crd);
    EXPECT_TRUE(window->Imported());
    EXPECT_EQ(LastFile(), "/decks/work.tbx") << "import does not write it";
    const std::string crd_bytes = Bytes(crd);
    window->UpdateActions();
    EXPECT_FALSE(window->Action(CommandId::kSave)->isEnabled());
    Change();
    prompts.AnswerMessage(Answer::kYes);
    Run(CommandId::kNew, {});
    EXPECT_EQ(prompts.file_dialogs, (std::vector{Dialog::kOpen, Dialog::kSave}));
    EXPECT_EQ(deck.Count(), 2);
    prompts.AnswerMessage(Answer::kYes);
    Run(CommandId::kNew, PathOf("two.tbx"));
    EXPECT_EQ(Bytes(crd), crd_bytes);
    EXPECT_EQ(Bytes(PathOf("two.tbx")),
              DeckFileBytes({{"apple", "red\r\nround"}, {"Zebra", "stripes"}}));
    EXPECT_FALSE(window->Imported());
}

TEST_F(FileCommandsTest, ExportsFromTheFrontCardAndAFailedOneKeepsTheOldFile) {
    UseCards({{"a", "one\r\ntwo"}, {"m", "x, y"}});
    window->Stack().BringToFront(1);
    Run(CommandId::kExportText, PathOf("cards"));  // typed without an extension
    const std::string end = "\r\n" + std::string(60, '-') + "\r\n\r\n";
    const std::string exported = Bytes(PathOf("cards.txt"));
    EXPECT_EQ(exported, "m\r\nx, y" + end + "a\r\none\r\ntwo" + end);
    Run(CommandId::kExportCsv, PathOf("cards.csv"));
    EXPECT_EQ(Bytes(PathOf("cards.csv")), "m,x  y\na,one  two\n");
    EXPECT_EQ(Title(), "Tabula - Untitled");
    EXPECT_FALSE(deck.Modified());
    ExpectNoMessage();
    {
        const FileSizeLimit full_disk(20);
        Run(CommandId::kExportText, PathOf("cards.txt"));
    }
    EXPECT_EQ(Bytes(PathOf("cards.txt")), exported);
    ExpectError("File Error - \"" + PathOf("cards.txt") + "\"");
}

}  // namespace
}  // namespace tabula::test
