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
const QString kError = QStringLiteral("/Tabula Error.../%1/%2")
                           .arg(int(MessageIcon::kStop))
                           .arg(int(MessageButtons::kOk));
const QString kSavePrompt = QStringLiteral("Save Changes ?/Tabula/%1/%2")
                                .arg(int(MessageIcon::kQuestion))
                                .arg(int(MessageButtons::kYesNoCancel));

class FileCommandsTest : public DeckFilesTest {
  protected:
    QString LastFile() const { return settings.values.value(QStringLiteral("Last File")); }
    void Run(CommandId id, const QString& file) { prompts.AnswerFile(file), Trigger(id); }
    // The saved deck of apple and pear, open and unchanged.
    QString OpenSaved() {
        deck.ClearModified();
        const QString path = WriteDeck("saved.tbx", {{"pear", "green"}, {"apple", "red"}});
        Run(CommandId::kOpen, path);
        prompts = {};
        return path;
    }
    void Type(const char* body) { Editor().selectAll(), QTest::keyClicks(&Editor(), body); }
    static QString Said(const struct ScriptedPrompts::Message& m) {
        return m.text + '/' + m.caption + '/' + QString::number(int(m.icon)) + '/' +
               QString::number(int(m.buttons));
    }
    void ExpectError(const QString& start) {
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_TRUE(Said(prompts.messages[0]).startsWith(start))
            << Said(prompts.messages[0]).toStdString();
        EXPECT_TRUE(Said(prompts.messages[0]).endsWith(kError))
            << Said(prompts.messages[0]).toStdString();
    }
    // The ring, the caption, * if changed, I if imported, and how many messages were shown.
    QString State() const {
        QStringList ring;
        for (const std::string& index : Ring()) {
            ring << QString::fromStdString(index);
        }
        return ring.join(' ') + '|' + window->windowTitle() + '|' + (deck.Modified() ? "*" : "") +
               (window->Imported() ? "I" : "") + '|' + QString::number(prompts.messages.size());
    }
};

// Each command's dialog, opened in the folder of Last File; cancelled, nothing changes. The
// dialog opens with the pattern in the name field, which, confirmed, names no file.
TEST_F(FileCommandsTest, EachCommandAsksWithItsDialogAndACancelChangesNothing) {
    settings.values["Last File"] = "/decks/work.tbx";
    UseCards({{"apple", "red"}});
    Change();
    QString got;  // per dialog: kind, filter, extension, ! must exist, ? asks to overwrite, folder
    for (const CommandId id :
         {CommandId::kOpen, CommandId::kMerge, CommandId::kSaveAs, CommandId::kSave,
          CommandId::kImportCardfile, CommandId::kExportText, CommandId::kExportCsv}) {
        prompts = {};
        Run(id, {});
        ASSERT_EQ(prompts.file_requests.size(), 1u);
        const FileDialogRequest& r = prompts.file_requests[0];
        const bool save = prompts.file_dialogs[0] == Dialog::kSave;
        got += QStringLiteral("%1 %2|%3 %4%5%6 %7;")
                   .arg(save ? "save" : "open", r.filters.at(0).description,
                        r.filters.at(0).pattern, r.default_extension, r.must_exist ? "!" : "",
                        r.overwrite_prompt ? "?" : "", r.initial_folder);
        FileDialog shown(nullptr, r, save);
        EXPECT_EQ(shown.NameFieldText(), r.initial_name);
        shown.accept();
        EXPECT_EQ(shown.result(), QDialog::Rejected);
    }
    const QString tbx = "Tabula Files (*.tbx) |*.tbx tbx",
                  txt = "save Text Files (*.txt) |*.txt txt? /decks;";
    EXPECT_EQ(got, "open " + tbx + "! /decks;open " + tbx + "! /decks;save " + tbx +
                       "? /decks;save " + tbx +
                       "? /decks;open Cardfile Files (*.crd) |*.crd crd! /decks;" + txt + txt);
    EXPECT_EQ(State(), "apple|Tabula - Untitled|*|0");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(FileCommandsTest, SaveSaveAsAndNew) {
    const QString path = OpenSaved();
    EXPECT_EQ(LastFile(), path);
    settings.values["Last File"] = "/elsewhere/other.tbx";  // Save does not write it
    window->Stack().Next();
    Type("ripe");
    QTest::keyClick(&Editor(), Qt::Key_F3);
    EXPECT_EQ(Bytes(path), DeckFileBytes({{"pear", "ripe"}, {"apple", "red"}}));
    EXPECT_EQ(State() + LastFile(), "pear apple|Tabula - " + path + "||0/elsewhere/other.tbx");
    EXPECT_TRUE(prompts.file_requests.empty());

    window->SetImported(true);
    Run(CommandId::kSaveAs, PathOf("copy"));  // typed without an extension
    const QString copy = PathOf("copy.tbx");
    EXPECT_EQ(Bytes(copy), Bytes(path));
    EXPECT_EQ(State() + LastFile(), "pear apple|Tabula - " + copy + "||0" + copy);
    Trigger(CommandId::kNew);  // nothing changed: no question
    EXPECT_EQ(State(), "|Tabula - Untitled||0");
}

TEST_F(FileCommandsTest, AWriteThatFailsKeepsTheOldFileTheNameAndTheChanges) {
    UseCards({{"apple", "red"}});
    Change();
    const QString gone = PathOf("gone/deck.tbx");
    Run(CommandId::kSaveAs, gone);
    ExpectError("File Error - \"" + gone + "\"");
    EXPECT_EQ(State() + LastFile(), "apple|Tabula - Untitled|*|1");

    const QString path = OpenSaved();
    const std::string old = Bytes(path);
    for (const char* index : {"banana", "cherry"}) {
        prompts.AnswerIndex(index), Trigger(CommandId::kAdd);
    }
    {
        const FileSizeLimit full_disk(old.size() + 600);  // room for one more card, not two
        Trigger(CommandId::kSave);
    }
    EXPECT_EQ(Bytes(path) + (deck.Modified() ? "*" : ""), old + "*");
    ExpectError("File Error - \"" + path + "\"");
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
        EXPECT_EQ(
            prompts.messages.back().text + QString::number(int(prompts.messages.back().buttons)),
            "saved.tbx was changed by another program since it was opened. Overwrite it?" +
                QString::number(int(MessageButtons::kYesNoDefaultNo)));
        EXPECT_EQ(Bytes(path) + (deck.Modified() ? "*" : ""),
                  answer == Answer::kYes ? DeckFileBytes({{"apple", "ripe"}, {"pear", "green"}})
                                         : theirs + "*");
    }
    Change();
    Trigger(CommandId::kSave);
    EXPECT_EQ(prompts.messages.size(), 2u) << "its own write is no other program's";
}

TEST_F(FileCommandsTest, MergeJoinsTheFileAndTheDeckCountsAsChanged) {
    const QString saved = OpenSaved();
    const QString title = "|Tabula - " + saved;
    Run(CommandId::kMerge, WriteDeck("none.tbx", {}));
    EXPECT_EQ(State(), "apple pear" + title + "||0") << "no card came, nothing changed";
    WriteFileBytes(dir / "text.tbx", "no deck");
    Run(CommandId::kMerge, PathOf("text.tbx"));
    ExpectError("File Error - Incompable File");
    EXPECT_EQ(State(), "apple pear" + title + "||1");
    prompts.messages.clear();
    Run(CommandId::kMerge, WriteDeck("other.tbx", {{"apple", "theirs"}, {"banana", "yellow"}}));
    EXPECT_EQ(State() + LastFile(), "apple apple banana pear" + title + "|*|0" + saved);
    EXPECT_EQ(deck.At(0).Body(), "red") << "the deck's own card first";
}

// "Save Changes ?" before New, Open and closing, for every answer: C(ancel), N(o), Y(es), U (Yes
// for an untitled deck, its name not given), F (Yes, and the write fails), - (nothing changed).
TEST_F(FileCommandsTest, TheSavePromptBeforeTheDeckIsDropped) {
    const std::string crisp = DeckFileBytes({{"apple", "crisp"}, {"pear", "green"}});
    for (const CommandId what : {CommandId::kNew, CommandId::kOpen, CommandId::kExit}) {
        for (const char c : std::string("-CNYUF")) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(what) << " case " << c);
            window->show();
            const QString path = OpenSaved();
            if (c != '-') {
                Type("crisp");
            }
            const std::string old = Bytes(path);
            if (c == 'U') {
                window->SetCurrentFile({});
            } else if (c == 'F') {  // a folder cannot be replaced
                std::filesystem::remove(path.toStdString());
                std::filesystem::create_directory(path.toStdString());
            }
            prompts.AnswerMessage(c == 'C'   ? Answer::kCancel
                                  : c == 'N' ? Answer::kNo
                                             : Answer::kYes);
            if (what == CommandId::kOpen) {
                prompts.AnswerFile(WriteDeck("next.tbx", {{"kiwi", "hairy"}}));
            }
            prompts.AnswerFile({});  // the name asked for an untitled deck
            Trigger(what);

            const bool kept = c == 'C' || c == 'U' || c == 'F';
            EXPECT_EQ(prompts.messages.size(), c == 'F' ? 2u : c == '-' ? 0u : 1u);
            EXPECT_EQ(c == '-' ? kSavePrompt : Said(prompts.messages.at(0)), kSavePrompt);
            EXPECT_EQ(prompts.file_dialogs.size(), (what == CommandId::kOpen) + (c == 'U') + 0u);
            if (c != 'F') {
                EXPECT_EQ(Bytes(path), c == 'Y' ? crisp : old);
            }
            const Strings after = kept ? Strings{"apple", "pear"} : Strings{};
            EXPECT_EQ(Ring(), what == CommandId::kOpen && !kept ? Strings{"kiwi"} : after);
            if (kept || what != CommandId::kExit) {  // the program ends with its deck
                EXPECT_EQ(deck.Modified(), kept);
            }
            EXPECT_EQ(window->isVisible(), kept || what != CommandId::kExit);
            if (kept) {
                EXPECT_EQ(window->windowTitle(), "Tabula - " + (c == 'U' ? "Untitled" : path));
            }
            std::filesystem::remove(path.toStdString());
            prompts = {};
        }
    }
}

// An imported Cardfile file is never written over: Save goes through Save As.
TEST_F(FileCommandsTest, ImportMakesTheCardfileTheDeckAndSaveNeverWritesItBack) {
    settings.values["Last File"] = "/decks/work.tbx";  // import does not write it
    const QString crd = PathOf("two.crd");
    WriteFileBytes(dir / "two.crd",
                   MgcFileBytes({{"Zebra", "stripes"}, {"apple", "red\r\nround", "picture"}}));
    Run(CommandId::kImportCardfile, crd);
    EXPECT_EQ(State() + LastFile() + Editor().toPlainText(),
              "apple Zebra|Tabula - " + crd + "|I|0/decks/work.tbxred\nround");
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
    EXPECT_EQ(State(), "m a|Tabula - Untitled||0");
    {
        const FileSizeLimit full_disk(20);
        Run(CommandId::kExportText, PathOf("cards.txt"));
    }
    EXPECT_EQ(Bytes(PathOf("cards.txt")), exported);
    ExpectError("File Error - \"" + PathOf("cards.txt") + "\"");
}

}  // namespace
}  // namespace tabula::test
