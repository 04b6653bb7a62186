#include <sys/stat.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <optional>

#include "app/application.h"
#include "app/deck_drop.h"
#include "app/status_panes.h"
#include "gui_support/deck_files_fixture.h"
#include "stack/card_editor.h"
#include "stack/stack_view.h"

namespace tabula::test {
namespace {

using Strings = std::vector<std::string>;

std::unique_ptr<QMimeData> Files(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << (path.contains(':') ? QUrl(path) : QUrl::fromLocalFile(path));
    }
    data->setUrls(urls);
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

// What stands at the path: nothing may open a pipe or a device to read its first bytes, as
// that waits for ever. The name is a deck's: the first bytes decide what a file is.
enum class Node { kFile, kNone, kFifo, kDevice, kFolder };

struct Kind {
    const char* name;
    Node node;
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
    static const std::vector<Kind> kinds{
        {"good", Node::kFile, fruit, {"apple", "fig", "pear"}, 1, nullptr, true},
        {"cut",
         Node::kFile,
         Cut(fruit, 100),
         {"apple", "pear"},
         1,
         "File Error - \"%1\" is cut short: 2 complete cards were read.",
         true},
        {"notes", Node::kFile, "some notes", {}, 0, "File Error - Incompable File", true},
        {"mgc", Node::kFile, old, {"alpha", "beta"}, 2, nullptr, false},
        {"damaged_mgc", Node::kFile, Cut(old, 2), {"beta"}, 2, "File damaged at card 2", false},
        {"rrg", Node::kFile, RrgFileBytes({{"card", "text"}}), {}, 0, "File not compatible", false},
        {"missing", Node::kNone, "", {}, 0, "File Error - \"%1\"", true},
        {"fifo", Node::kFifo, "", {}, 0, "File Error - \"%1\"", true},
        {"device", Node::kDevice, "", {}, 0, "File Error - \"%1\"", true},
        {"folder", Node::kFolder, "", {}, 0, "File Error - \"%1\"", true},
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
    switch (kind.node) {
        case Node::kFile:
            WriteFileBytes(file, kind.bytes);
            break;
        case Node::kFifo:
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
            break;
        case Node::kDevice:
            std::filesystem::create_symlink("/dev/zero", file);
            break;
        case Node::kFolder:
            std::filesystem::create_directory(file);
            break;
        case Node::kNone:
            break;
    }
    settings.values["Last File"] = "/decks/previous.tbx";
    window->Status().CountTimer().stop();

    if (way == Way::kStartUp) {
        LoadStartupFile(*window, path);
    } else if (way == Way::kDrop) {
        EXPECT_EQ(Drop(&View(), Files({path}).get()), Qt::CopyAction)
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

TEST(DroppedDeckTest, OneLocalTbxFileIsADeck) {
    EXPECT_EQ(DroppedDeck(Files({"/home/a/OLD.TBX"}).get()), "/home/a/OLD.TBX");
    for (const QStringList& paths : std::vector<QStringList>{{"/home/a/notes.txt"},
                                                             {"/home/a/tbx"},
                                                             {"https://example.org/cards.tbx"},
                                                             {"/a.tbx", "/b.tbx"}}) {
        EXPECT_FALSE(DroppedDeck(Files(paths).get())) << paths.join(' ').toStdString();
    }
    QMimeData text;
    text.setText("/home/a/cards.tbx");
    EXPECT_FALSE(DroppedDeck(&text));
}

using DeckDropTest = DeckFilesTest;

// A deck dropped on the card opens, and is not typed into it; other drops are the card's, and
// a move is refused.
TEST_F(DeckDropTest, ADeckDroppedOnTheCardOpensOtherDropsAreTheCards) {
    UseCards({{"card", ""}});
    WriteFileBytes(dir / "notes.txt", "notes");
    EXPECT_NE(Drop(Editor().viewport(), Files({PathOf("notes.txt")}).get()), Qt::IgnoreAction);
    QMimeData text;
    text.setText("dropped words");
    EXPECT_NE(Drop(Editor().viewport(), &text), Qt::IgnoreAction);
    EXPECT_TRUE(Editor().toPlainText().contains("dropped words"));

    const QString path = WriteDeck("fruit.tbx", {{"pear", "green"}, {"apple", "red"}});
    const std::string bytes = Bytes(path);
    EXPECT_EQ(Drop(&View(), Files({path}).get(), Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    deck.ClearModified();
    EXPECT_EQ(Drop(Editor().viewport(), Files({path}).get()), Qt::CopyAction);
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_EQ(Editor().toPlainText(), "red");
    EXPECT_EQ(Bytes(path), bytes);
}

}  // namespace
}  // namespace tabula::test
