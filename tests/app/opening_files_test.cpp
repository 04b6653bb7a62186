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

using Strings = std::vector<std::string>;

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
    Strings ring;         // the deck afterwards, from the front card on
    int titled;           // 1: the file becomes the current file; 2: imported as well
    const char* message;  // the start of the one message, %1 the path; null: none
    bool error;           // "Tabula Error..." with a stop icon, else the program's name, warning
};

std::string Cut(std::string bytes, std::size_t by) {
    return bytes.substr(0, bytes.size() - by);
}

const std::vector<Kind>& Kinds() {
    static const std::string fruit =
        DeckFileBytes({{"pear", "green"}, {"apple", "red"}, {"fig", "soft"}});
    static const std::string old = MgcFileBytes({{"beta", "two"}, {"alpha", "one"}});
    static const char* const kNotThere = "File Error - \"%1\"";
    static const std::vector<Kind> kinds{
        {"good", fruit, {"apple", "fig", "pear"}, 1, nullptr, true},
        {"cut",
         Cut(fruit, 100),
         {"apple", "pear"},
         1,
         "File Error - \"%1\" is cut short: 2 complete cards were read.",
         true},
        {"notes", "some notes", {}, 0, "File Error - Incompable File", true},
        {"mgc", old, {"alpha", "beta"}, 2, nullptr, false},
        {"damaged_mgc", Cut(old, 2), {"beta"}, 2, "File damaged at card 2", false},
        {"rrg", RrgFileBytes({{"card", "text"}}), {}, 0, "File not compatible", false},
        {"missing", "", {}, 0, kNotThere, true},
        {"fifo", "", {}, 0, kNotThere, true},
        {"device", "", {}, 0, kNotThere, true},
        {"folder", "", {}, 0, kNotThere, true},
    };
    return kinds;
}

// The ways a file comes in; only the command line leaves `Last File` as it was.
enum class Way { kStartUp, kDrop, kOpen };

class OpeningFilesTest : public DeckFilesTest,
                         public ::testing::WithParamInterface<std::tuple<Way, int>> {};

TEST_P(OpeningFilesTest, EveryWayInGivesTheSameDeckTitleMessagesAndLastFile) {
    const auto [way, row] = GetParam();
    const Kind& kind = Kinds().at(row);
    const std::filesystem::path file = dir / (std::string(kind.name) + ".tbx");
    const QString path = PathOf(file.filename().string());
    const std::string_view name = kind.name;
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

    if (way == Way::kStartUp) {
        LoadStartupFile(*window, path);
    } else if (way == Way::kDrop) {
        EXPECT_EQ(Drop(&View(), File(path).get()), Qt::CopyAction)
            << "never a move: the file manager would delete the file";
    } else {
        prompts.AnswerFile(path);
        Trigger(CommandId::kOpen);
    }

    EXPECT_EQ(Ring(), kind.ring);
    if (!kind.ring.empty()) {
        EXPECT_EQ(Editor().StoredText(), deck.Front().Body());
    }
    EXPECT_EQ(window->Status().Count(), QString("%1 Cards").arg(kind.ring.size()));
    EXPECT_FALSE(deck.Modified());
    EXPECT_EQ(window->Imported(), kind.titled == 2);
    EXPECT_EQ(window->windowTitle(), "Tabula - " + (kind.titled ? path : "Untitled"));
    const bool remembered = kind.titled == 1 && way != Way::kStartUp;
    EXPECT_EQ(settings.values.value("Last File"), remembered ? path : "/decks/previous.tbx");
    if (!kind.message) {
        ExpectNoMessage();
        return;
    }
    ASSERT_EQ(prompts.messages.size(), 1u);
    const auto& shown = prompts.messages[0];
    EXPECT_TRUE(shown.text.startsWith(QString(kind.message).arg(path))) << shown.text.toStdString();
    EXPECT_EQ(shown.caption, kind.error ? "Tabula Error..." : QApplication::applicationName());
    EXPECT_EQ(shown.icon, kind.error ? MessageIcon::kStop : MessageIcon::kWarning);
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<Way, int>>& info) {
    const char* const ways[] = {"StartUp", "Drop", "Open"};
    return std::string(ways[int(std::get<0>(info.param))]) + "_" +
           Kinds().at(std::get<1>(info.param)).name;
}

INSTANTIATE_TEST_SUITE_P(WaysAndKinds, OpeningFilesTest,
                         ::testing::Combine(::testing::Values(Way::kStartUp, Way::kDrop,
                                                              Way::kOpen),
                                            ::testing::Range(0, 10)),
                         CaseName);

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
