#include <sys/stat.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <optional>

#include "app/application.h"
#include "app/status_panes.h"
#include "gui_support/deck_files_fixture.h"
#include "stack/card_editor.h"
#include "stack/stack_view.h"

namespace tabula::test {
namespace {

std::unique_ptr<QMimeData> File(const QString& path) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls({QUrl::fromLocalFile(path)});
    return data;
}

// Drags the data onto the widget and lets go, as a file manager would; the drop action taken,
// or IgnoreAction when the drag was refused.
Qt::DropAction Drop(QWidget* target, const QMimeData* data,
                    Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction) {
    QDragEnterEvent enter({5, 5}, offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return Qt::IgnoreAction;
    }
    QDropEvent drop({5, 5}, offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents();  // the file opens once the drop has finished
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// A kind of file and what every way in makes of it. The name is a deck's: the first bytes
// decide what a file is. Nothing may open a pipe or a device to read them: that waits for ever.
struct Kind {
    const char* name;  // also what stands there when it is no file: missing, fifo, device, folder
    std::string bytes;
    const char* ring;     // the deck afterwards, from the front card on
    int titled;           // 1: the file becomes the current file; 2: imported as well
    const char* message;  // the start of the one message, %1 the path; null: none. "File Error"
                          // comes with "Tabula Error..." and a stop icon, else the program's
                          // name and a warning.
};

const std::string kFruit = DeckFileBytes({{"pear", "green"}, {"apple", "red"}, {"fig", "soft"}});
const std::string kOld = MgcFileBytes({{"beta", "two"}, {"alpha", "one"}});
const char* const kNotThere = "File Error - \"%1\"";
const Kind kKinds[] = {
    {"good", kFruit, "apple fig pear", 1, nullptr},
    {"cut", kFruit.substr(0, kFruit.size() - 100), "apple pear", 1,
     "File Error - \"%1\" is cut short: 2 complete cards were read."},
    {"notes", "some notes", "", 0, "File Error - Incompable File"},
    {"mgc", kOld, "alpha beta", 2, nullptr},
    {"damaged_mgc", kOld.substr(0, kOld.size() - 2), "beta", 2, "File damaged at card 2"},
    {"rrg", RrgFileBytes({{"card", "text"}}), "", 0, "File not compatible"},
    {"missing", "", "", 0, kNotThere},
    {"fifo", "", "", 0, kNotThere},
    {"device", "", "", 0, kNotThere},
    {"folder", "", "", 0, kNotThere},
};

// The ways a file comes in (start-up, drop, Open) times the kinds; only the command line
// leaves `Last File` as it was.
class OpeningFilesTest : public DeckFilesTest, public ::testing::WithParamInterface<int> {};

TEST_P(OpeningFilesTest, EveryWayInGivesTheSameDeckTitleMessagesAndLastFile) {
    const int way = GetParam() / 10;
    const Kind& kind = kKinds[GetParam() % 10];
    const std::string name = kind.name;
    const std::filesystem::path file = dir / (name + ".tbx");
    const QString path = PathOf(name + ".tbx");
    if (name == "fifo") {
        ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    } else if (name == "device") {
        std::filesystem::create_symlink("/dev/zero", file);
    } else if (name == "folder") {
        std::filesystem::create_directory(file);
    } else if (name != "missing") {
        WriteFileBytes(file, kind.bytes);
    }
    settings.values["Last File"] = "/decks/previous.tbx";
    window->Status().CountTimer().stop();
    if (way == 0) {
        LoadStartupFile(*window, path);
    } else if (way == 1) {
        EXPECT_EQ(Drop(&View(), File(path).get()), Qt::CopyAction)
            << "never a move: the file manager would delete the file";
    } else {
        prompts.AnswerFile(path);
        Trigger(CommandId::kOpen);
    }

    std::string ring;
    for (const std::string& index : Ring()) {
        ring += (ring.empty() ? "" : " ") + index;
    }
    EXPECT_EQ(ring, kind.ring);
    if (!ring.empty()) {
        EXPECT_EQ(Editor().StoredText(), deck.Front().Body());
    }
    EXPECT_EQ(window->Status().Count(), QString("%1 Cards").arg(Ring().size()));
    EXPECT_FALSE(deck.Modified());
    EXPECT_EQ(window->Imported(), kind.titled == 2);
    EXPECT_EQ(window->windowTitle(), "Tabula - " + (kind.titled ? path : "Untitled"));
    const bool remembered = kind.titled == 1 && way != 0;
    EXPECT_EQ(settings.values.value("Last File"), remembered ? path : "/decks/previous.tbx");
    const QString message = kind.message ? QString(kind.message).arg(path) : QString();
    const auto line = [](const QString& text, const QString& caption, MessageIcon icon) {
        return QString("%1|%2|%3\n").arg(text, caption).arg(int(icon));
    };
    QString shown;
    for (const auto& m : prompts.messages) {
        shown += line(m.text.left(message.size()), m.caption, m.icon);
    }
    const bool error = message.startsWith("File Error");
    EXPECT_EQ(shown, !kind.message ? ""
                                   : line(message, error ? "Tabula Error..." : qAppName(),
                                          error ? MessageIcon::kStop : MessageIcon::kWarning));
}

std::string CaseName(const ::testing::TestParamInfo<int>& info) {
    const char* const ways[] = {"StartUp", "Drop", "Open"};
    return std::string(ways[info.param / 10]) + "_" + kKinds[info.param % 10].name;
}

INSTANTIATE_TEST_SUITE_P(WaysAndKinds, OpeningFilesTest, ::testing::Range(0, 30), CaseName);

using DeckDropTest = DeckFilesTest;

// A deck dropped on the card opens, and is not typed into it; other drops are the card's, and
// a move is refused.
TEST_F(DeckDropTest, ADeckDroppedOnTheCardOpensOtherDropsAreTheCards) {
    UseCards({{"card", ""}});
    WriteFileBytes(dir / "notes.txt", "notes");
    EXPECT_NE(Drop(Editor().viewport(), File(PathOf("notes.txt")).get()), Qt::IgnoreAction);
    QMimeData text;
    text.setText("dropped words");
    EXPECT_NE(Drop(Editor().viewport(), &text), Qt::IgnoreAction);
    EXPECT_TRUE(Editor().toPlainText().contains("dropped words"));

    const QString path = WriteDeck("fruit.tbx", {{"pear", "green"}, {"apple", "red"}});
    const std::string bytes = Bytes(path);
    EXPECT_EQ(Drop(&View(), File(path).get(), Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    deck.ClearModified();
    EXPECT_EQ(Drop(Editor().viewport(), File(path).get()), Qt::CopyAction);
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_EQ(Editor().toPlainText(), "red");
    EXPECT_EQ(Bytes(path), bytes);
}

}  // namespace
}  // namespace tabula::test
