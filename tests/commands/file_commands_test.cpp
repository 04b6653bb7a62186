#include "commands/file_commands.h"

#include <QTest>

#include "gui_support/deck_files_fixture.h"
#include "stack/card_editor.h"
#include "ui/file_dialog.h"

namespace tabula::test {
namespace {

using Dialog = ScriptedPrompts::FileDialog;
using namespace std::chrono_literals;

QString Said(const struct ScriptedPrompts::Message& m) {
    return QStringLiteral("%1/%2/%3%4").arg(m.text, m.caption).arg(int(m.icon)).arg(int(m.buttons));
}
const QString kSavePrompt =
    Said({"Save Changes ?", "Tabula", MessageIcon::kQuestion, MessageButtons::kYesNoCancel});

class FileCommandsTest : public DeckFilesTest {
  protected:
    QString LastFile() const { return settings.values.value(QStringLiteral("Last File")); }
    void Run(CommandId id, const QString& file) { prompts.AnswerFile(file), Trigger(id); }
    // The saved deck of apple and pear, open and unchanged.
    QString OpenSaved() {
        deck.ClearModified(),
            Run(CommandId::kOpen, WriteDeck("saved.tbx", {{"pear", "green"}, {"apple", "red"}}));
        return prompts = {}, PathOf("saved.tbx");
    }
    void Type(const char* body) { Editor().selectAll(), QTest::keyClicks(&Editor(), body); }
    // The ring, the file in the title, * if changed, I if imported; then each message, its text
    // up to the file's name.
    QString State() const {
        QString state = QString::fromStdString(test::Ring(deck)) + ' ' +
                        window->windowTitle().section('/', -1) + ' ' +
                        (deck.Modified() ? "*" : "") + (window->Imported() ? "I" : "");
        for (const auto& m : prompts.messages) {
            state += ';' + Said({m.text.section('"', 0, 1), m.caption, m.icon, m.buttons});
        }
        return state;
    }
};

// Each command's dialog, opened in the folder of Last File; cancelled, nothing changes. The
// dialog opens with the pattern in the name field, which, confirmed, names no file.
TEST_F(FileCommandsTest, EachCommandAsksWithItsDialogAndACancelChangesNothing) {
    settings.values["Last File"] = "/decks/work.tbx", UseCards({{"apple", "red"}}), Change();
    QString got;  // per dialog: kind, filter, extension, ! must exist, ? asks to overwrite, folder
    for (const CommandId id :
         {CommandId::kOpen, CommandId::kMerge, CommandId::kSaveAs, CommandId::kSave,
          CommandId::kImportCardfile, CommandId::kExportText, CommandId::kExportCsv}) {
        prompts = {}, Run(id, {});
        const FileDialogRequest& r = prompts.file_requests.at(0);
        const bool save = prompts.file_dialogs[0] == Dialog::kSave;
        FileDialog shown(nullptr, r, save);
        const bool named = shown.NameFieldText() == r.initial_name;
        shown.accept();
        got += QStringLiteral("%1 %2|%3 %4%5%6 %7%8;")
                   .arg(save ? "save" : "open", r.filters.at(0).description,
                        r.filters.at(0).pattern, r.default_extension, r.must_exist ? "!" : "",
                        r.overwrite_prompt ? "?" : "", r.initial_folder,
                        named && shown.result() == QDialog::Rejected ? "" : " took the name");
    }
    const QString tbx = "Tabula Files (*.tbx) |*.tbx tbx",
                  txt = "save Text Files (*.txt) |*.txt txt? /decks;";
    EXPECT_EQ(got, "open " + tbx + "! /decks;open " + tbx + "! /decks;save " + tbx +
                       "? /decks;save " + tbx +
                       "? /decks;open Cardfile Files (*.crd) |*.crd crd! /decks;" + txt + txt);
    EXPECT_EQ(State(), "apple=red Tabula - Untitled *");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(FileCommandsTest, SaveSaveAsNewAndAWriteThatFails) {
    const QString path = OpenSaved();
    EXPECT_EQ(LastFile(), path);
    settings.values["Last File"] = "/elsewhere/other.tbx";  // Save does not write it
    window->Stack().Next(), Type("ripe"), QTest::keyClick(&Editor(), Qt::Key_F3);
    EXPECT_EQ(Bytes(path), DeckFileBytes({{"pear", "ripe"}, {"apple", "red"}}));
    EXPECT_EQ(State() + LastFile() + QString::number(prompts.file_requests.size()),
              "pear=ripe|apple=red saved.tbx /elsewhere/other.tbx0");
    window->SetImported(true), Run(CommandId::kSaveAs, PathOf("copy"));  // with no extension
    EXPECT_EQ(State() + LastFile() + (Bytes(PathOf("copy.tbx")) == Bytes(path) ? "" : " wrong"),
              "pear=ripe|apple=red copy.tbx " + PathOf("copy.tbx"));
    EXPECT_EQ((Trigger(CommandId::kNew), State()), " Tabula - Untitled ");  // asks nothing
    // A write that fails keeps the old file, the name and the changes.
    UseCards({{"apple", "red"}}), Change(), Run(CommandId::kSaveAs, PathOf("gone/deck.tbx"));
    EXPECT_EQ(State() + LastFile(), "apple=red Tabula - Untitled *;File Error - \"" +
                                        PathOf("gone/deck.tbx") + "/Tabula Error.../30" +
                                        PathOf("copy.tbx"));
    const std::string old = (OpenSaved(), Bytes(path));
    prompts.AnswerIndex("banana"), Trigger(CommandId::kAdd);
    prompts.AnswerIndex("cherry"), Trigger(CommandId::kAdd);
    FileSizeLimit(old.size() + 600), Trigger(CommandId::kSave);  // a full disk: room for one card
    EXPECT_EQ(Bytes(path), old);
    EXPECT_EQ(State(), "cherry|pear=green|apple=red|banana saved.tbx *;File Error - \"" + path +
                           "/Tabula Error.../30");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2)
        << "nothing left beside saved.tbx and copy.tbx";
}

TEST_F(FileCommandsTest, SaveAsksBeforeWritingOverAnotherProgramsChange) {
    const QString path = (OpenSaved(), Type("ripe"), PathOf("saved.tbx"));
    const std::string theirs = DeckFileBytes({{"theirs", ""}});
    const auto file = FileSystemPath(path);
    WriteFileBytes(file, theirs),
        std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) + 5s);
    for (const Answer answer : {Answer::kNo, Answer::kYes}) {
        prompts.AnswerMessage(answer), Trigger(CommandId::kSave);
        EXPECT_EQ(Said(prompts.messages.back()),
                  Said({"saved.tbx was changed by another program since it was opened. Overwrite "
                        "it?",
                        "Tabula", MessageIcon::kWarning, MessageButtons::kYesNoDefaultNo}));
        EXPECT_EQ(Bytes(path) + (deck.Modified() ? "*" : ""),
                  answer == Answer::kYes ? DeckFileBytes({{"apple", "ripe"}, {"pear", "green"}})
                                         : theirs + "*");
    }
    Change(), Trigger(CommandId::kSave);
    EXPECT_EQ(prompts.messages.size(), 2u) << "its own write is no other program's";
}

TEST_F(FileCommandsTest, MergeJoinsTheFileAndTheDeckCountsAsChanged) {
    const QString saved = OpenSaved();
    Run(CommandId::kMerge, WriteDeck("none.tbx", {}));
    EXPECT_EQ(State(), "apple=red|pear=green saved.tbx ") << "no card came, nothing changed";
    WriteFileBytes(dir / "text.tbx", "no deck"), Run(CommandId::kMerge, PathOf("text.tbx"));
    Run(CommandId::kMerge, WriteDeck("other.tbx", {{"apple", "theirs"}, {"banana", "yellow"}}));
    EXPECT_EQ(State() + LastFile(),
              "apple=red|apple=theirs|banana=yellow|pear=green saved.tbx *;File Error - "
              "Incompable File/Tabula Error.../30" +
                  saved);
}

// "Save Changes ?" before New, Open and closing (Exit) a changed deck, for every answer:
// C(ancel), N(o), Y(es), U (Yes for an untitled deck, its name not given), F (Yes, and the write
// fails). Each row: the ring after, * changed, V shown, the title, messages and file dialogs
// shown, W if the file was written and F if it is the folder put in its place.
TEST_F(FileCommandsTest, TheSavePromptBeforeTheDeckIsDropped) {
    const std::string kept = "apple=crisp|pear=green *V ";
    // clang-format off
    const std::string rows[] = {
        "NC " + kept + "saved.tbx 10", "NN  V Untitled 10", "NY  V Untitled 10W",
        "NU " + kept + "Untitled 11", "NF " + kept + "saved.tbx 20F",
        "OC " + kept + "saved.tbx 11", "ON kiwi=hairy V next.tbx 11",
        "OY kiwi=hairy V next.tbx 11W",
        "OU " + kept + "Untitled 12", "OF " + kept + "saved.tbx 21F",
        "EC " + kept + "saved.tbx 10", "EN  * saved.tbx 10", "EY   saved.tbx 10W",
        "EU " + kept + "Untitled 11", "EF " + kept + "saved.tbx 20F"};
    // clang-format on
    const std::string crisp = DeckFileBytes({{"apple", "crisp"}, {"pear", "green"}});
    const std::string* row = rows;
    for (const auto& [what, command] :
         {std::pair{'N', CommandId::kNew}, {'O', CommandId::kOpen}, {'E', CommandId::kExit}}) {
        for (const auto& [c, answer] : {std::pair{'C', Answer::kCancel},
                                        {'N', Answer::kNo},
                                        {'Y', Answer::kYes},
                                        {'U', Answer::kYes},
                                        {'F', Answer::kYes}}) {
            SCOPED_TRACE(*row);
            const QString path = (window->show(), OpenSaved());
            const std::string old = (Type("crisp"), Bytes(path));
            if (c == 'U') {
                window->SetCurrentFile({});
            } else if (c == 'F') {  // a folder cannot be replaced
                std::filesystem::remove(FileSystemPath(path)),
                    std::filesystem::create_directory(FileSystemPath(path));
            }
            if (prompts.AnswerMessage(answer); what == 'O') {
                prompts.AnswerFile(WriteDeck("next.tbx", {{"kiwi", "hairy"}}));
            }
            prompts.AnswerFile({});  // the name asked for an untitled deck
            Trigger(command);
            EXPECT_EQ(Said(prompts.messages.at(0)), kSavePrompt);
            const std::string file = c == 'F'               ? "F"
                                     : Bytes(path) == old   ? ""
                                     : Bytes(path) == crisp ? "W"
                                                            : "?";
            EXPECT_EQ(
                std::string({what, c, ' '}) + test::Ring(deck) + ' ' +
                    (deck.Modified() ? "*" : "") + (window->isVisible() ? "V " : " ") +
                    window->windowTitle().section('/', -1).section(' ', -1).toStdString() + ' ' +
                    std::to_string(prompts.messages.size() * 10 + prompts.file_dialogs.size()) +
                    file,
                *row++);
            std::filesystem::remove(path.toStdString()), prompts = {};
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
              "apple=red\r\nround|Zebra=stripes two.crd I/decks/work.tbxred\nround");
    const std::string crd_bytes = Bytes(crd);
    Change(), prompts.AnswerMessage(Answer::kYes), Run(CommandId::kNew, {});
    EXPECT_EQ(prompts.file_dialogs, (std::vector{Dialog::kOpen, Dialog::kSave}));
    prompts.AnswerMessage(Answer::kYes), Run(CommandId::kNew, PathOf("two.tbx"));
    EXPECT_EQ(Bytes(crd) + Bytes(PathOf("two.tbx")),
              crd_bytes + DeckFileBytes({{"apple", "red\r\nround"}, {"Zebra", "stripes"}}));
    EXPECT_EQ(State(), " Tabula - Untitled ;" + kSavePrompt + ';' + kSavePrompt);
}

TEST_F(FileCommandsTest, ExportsFromTheFrontCardAndAFailedOneKeepsTheOldFile) {
    UseCards({{"a", "one\r\ntwo"}, {"m", "x, y"}}), window->Stack().BringToFront(1);
    Run(CommandId::kExportText, PathOf("cards"));  // typed without an extension
    const std::string end = "\r\n" + std::string(60, '-') + "\r\n\r\n";
    const std::string exported = Bytes(PathOf("cards.txt"));
    EXPECT_EQ(exported, "m\r\nx, y" + end + "a\r\none\r\ntwo" + end);
    Run(CommandId::kExportCsv, PathOf("cards.csv"));
    EXPECT_EQ(Bytes(PathOf("cards.csv")), "m,x  y\na,one  two\n");
    FileSizeLimit(20), Run(CommandId::kExportText, PathOf("cards.txt"));  // a full disk
    EXPECT_EQ(Bytes(PathOf("cards.txt")), exported);
    EXPECT_EQ(State(), "m=x, y|a=one\r\ntwo Tabula - Untitled ;File Error - \"" +
                           PathOf("cards.txt") + "/Tabula Error.../30");
}

}  // namespace
}  // namespace tabula::test
