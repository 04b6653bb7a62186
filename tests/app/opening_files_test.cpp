#include <QApplication>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
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

std::unique_ptr<QMimeData> Files(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

std::unique_ptr<QMimeData> File(const QString& path) {
    return Files({QUrl::fromLocalFile(path)});
}

// Drags the data onto the widget and lets go, as a file manager would; the drop action taken,
// or IgnoreAction when the drag was refused. The file opens once the drop has finished.
Qt::DropAction Drop(QWidget* target, QMimeData* data,
                    Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction) {
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return Qt::IgnoreAction;
    }
    QDropEvent drop(at, offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents();
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// The ways a file comes in. Only the command line leaves `Last File` as it was.
enum class Way { kStartUp, kDrop, kOpen };

// A kind of file and what every way in makes of it. Each file is named like a deck: the first
// bytes decide what it is, not the name.
struct Kind {
    const char* name;
    std::optional<std::string> bytes;  // nullopt: there is no such file
    Strings ring;                      // the deck afterwards, from the front card on
    bool titled;                       // the file becomes the current file
    bool imported;
    QString message;     // the start of the one message, %1 the path; empty: no message
    bool error_caption;  // "Tabula Error..." with a stop icon, else the program's name, warning
};

std::string Cut(std::string bytes, std::size_t by) {
    bytes.resize(bytes.size() - by);
    return bytes;
}

std::vector<Kind> Kinds() {
    const std::vector<CardSpec> fruit{{"pear", "green"}, {"apple", "red"}, {"fig", "soft"}};
    const std::vector<CardfileCard> old{{"beta", "two"}, {"alpha", "one"}};
    return {
        {"good", DeckFileBytes(fruit), {"apple", "fig", "pear"}, true, false, {}, true},
        {"cut",
         Cut(DeckFileBytes(fruit), 100),
         {"apple", "pear"},
         true,
         false,
         "File Error - \"%1\" is cut short: 2 complete cards were read.",
         true},
        {"notes", "some notes", {}, false, false, "File Error - Incompable File", true},
        {"missing", std::nullopt, {}, false, false, "File Error - \"%1\"", true},
        {"mgc", MgcFileBytes(old), {"alpha", "beta"}, true, true, {}, false},
        {"damaged_mgc",
         Cut(MgcFileBytes(old), 2),
         {"beta"},
         true,
         true,
         "File damaged at card 2",
         false},
        {"rrg", RrgFileBytes({{"card", "text"}}), {}, false, false, "File not compatible", false},
    };
}

class OpeningFilesTest : public DeckFilesTest,
                         public ::testing::WithParamInterface<std::tuple<Way, int>> {
  protected:
    void OpenBy(Way way, const QString& path) {
        switch (way) {
            case Way::kStartUp:
                LoadStartupFile(*window, path);
                break;
            case Way::kDrop: {
                const auto data = File(path);
                EXPECT_EQ(Drop(&View(), data.get()), Qt::CopyAction)
                    << "never a move: the file manager would delete the file";
                break;
            }
            case Way::kOpen:
                prompts.AnswerFile(path);
                Trigger(CommandId::kOpen);
                break;
        }
    }
};

TEST_P(OpeningFilesTest, EveryWayInGivesTheSameDeckTitleMessagesAndLastFile) {
    const auto [way, row] = GetParam();
    const Kind kind = Kinds().at(static_cast<std::size_t>(row));
    const QString path = PathOf(std::string(kind.name) + ".tbx");
    if (kind.bytes) {
        WriteFileBytes(dir / (std::string(kind.name) + ".tbx"), *kind.bytes);
    }
    const QString previous = QStringLiteral("/decks/previous.tbx");
    settings.values["Last File"] = previous;
    window->Status().CountTimer().stop();

    OpenBy(way, path);

    EXPECT_EQ(Ring(), kind.ring);
    if (!kind.ring.empty()) {
        EXPECT_EQ(Editor().toPlainText(), QString::fromStdString(deck.At(0).Body().data()));
    }
    EXPECT_EQ(window->Status().Count(), QStringLiteral("%1 Cards").arg(kind.ring.size()));
    EXPECT_FALSE(deck.Modified());
    EXPECT_EQ(window->Imported(), kind.imported);
    EXPECT_EQ(window->CurrentFile(), kind.titled ? path : QString());
    EXPECT_EQ(window->windowTitle(), "Tabula - " + (kind.titled ? path : "Untitled"));
    const bool remembered = kind.titled && !kind.imported && way != Way::kStartUp;
    EXPECT_EQ(settings.values.value("Last File"), remembered ? path : previous);
    if (kind.message.isEmpty()) {
        ExpectNoMessage();
    } else {
        ASSERT_EQ(prompts.messages.size(), 1u);
        const auto& shown = prompts.messages[0];
        EXPECT_TRUE(shown.text.startsWith(kind.message.arg(path))) << shown.text.toStdString();
        EXPECT_EQ(shown.caption, kind.error_caption ? QStringLiteral("Tabula Error...")
                                                    : QCoreApplication::applicationName());
        EXPECT_EQ(shown.icon, kind.error_caption ? MessageIcon::kStop : MessageIcon::kWarning);
    }
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<Way, int>>& info) {
    static const char* const kWays[] = {"StartUp", "Drop", "Open"};
    const auto [way, row] = info.param;
    return std::string(kWays[static_cast<int>(way)]) + "_" +
           Kinds().at(static_cast<std::size_t>(row)).name;
}

INSTANTIATE_TEST_SUITE_P(WaysAndKinds, OpeningFilesTest,
                         ::testing::Combine(::testing::Values(Way::kStartUp, Way::kDrop,
                                                              Way::kOpen),
                                            ::testing::Range(0, 7)),
                         CaseName);

TEST(DroppedDeckTest, OneLocalTbxFileIsADeck) {
    EXPECT_EQ(DroppedDeck(File("/home/a/cards.tbx").get()), QStringLiteral("/home/a/cards.tbx"));
    EXPECT_EQ(DroppedDeck(File("/home/a/OLD.TBX").get()), QStringLiteral("/home/a/OLD.TBX"));
    EXPECT_FALSE(DroppedDeck(File("/home/a/notes.txt").get()));
    EXPECT_FALSE(DroppedDeck(File("/home/a/tbx").get()));
    EXPECT_FALSE(DroppedDeck(Files({QUrl(QStringLiteral("https://example.org/cards.tbx"))}).get()));
    EXPECT_FALSE(DroppedDeck(Files({QUrl::fromLocalFile(QStringLiteral("/a.tbx")),
                                    QUrl::fromLocalFile(QStringLiteral("/b.tbx"))})
                                 .get()));
    QMimeData text;
    text.setText(QStringLiteral("/home/a/cards.tbx"));
    EXPECT_FALSE(DroppedDeck(&text));
    EXPECT_FALSE(DroppedDeck(nullptr));
}

using DeckDropTest = DeckFilesTest;

TEST_F(DeckDropTest, ADeckDroppedOnTheCardOpensAndTheFileIsLeftAlone) {
    const QString path = WriteDeck("fruit.tbx", {{"pear", "green"}, {"apple", "red"}});
    const std::string bytes = Bytes(path);
    UseCards({{"old", ""}});
    const auto data = File(path);
    EXPECT_EQ(Drop(Editor().viewport(), data.get()), Qt::CopyAction);
    EXPECT_EQ(window->windowTitle(), "Tabula - " + path);
    EXPECT_EQ(Editor().toPlainText(), "red") << "the path was not typed into the card";
    EXPECT_EQ(Bytes(path), bytes);
}

TEST_F(DeckDropTest, OtherDropsAreLeftToTheCardAndAMoveIsRefused) {
    UseCards({{"card", ""}});
    const QString notes = PathOf("notes.txt");
    WriteFileBytes(dir / "notes.txt", "notes");
    EXPECT_NE(Drop(Editor().viewport(), File(notes).get()), Qt::IgnoreAction)
        << "the editor takes a file's name as text, as it always did";
    QMimeData text;
    text.setText(QStringLiteral("dropped words"));
    EXPECT_NE(Drop(Editor().viewport(), &text), Qt::IgnoreAction);
    EXPECT_TRUE(Editor().toPlainText().contains("dropped words"));

    const QString deck_file = WriteDeck("moving.tbx", {{"a", ""}});
    EXPECT_EQ(Drop(&View(), File(deck_file).get(), Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    EXPECT_EQ(Ring(), Strings{"card"});
}

}  // namespace
}  // namespace tabula::test
