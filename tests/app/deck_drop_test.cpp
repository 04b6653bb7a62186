#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QUrl>

#include "app/deck_drop.h"
#include "gui_support/main_window_fixture.h"
#include "gui_support/wait_for.h"
#include "stack/card_editor.h"
#include "stack/stack_view.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula::test {
namespace {

std::unique_ptr<QMimeData> Files(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

std::unique_ptr<QMimeData> File(const std::filesystem::path& path) {
    return Files({QUrl::fromLocalFile(QString::fromStdString(path.string()))});
}

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

class DeckDropTest : public MainWindowTest {
  protected:
    // Drags the data onto the widget and lets go, as a file manager would; the drop action
    // taken, or IgnoreAction when the drag was refused.
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
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
    QString Name(const std::filesystem::path& path) const {
        return QString::fromStdString(path.string());
    }

    TempDir dir_;
};

TEST_F(DeckDropTest, ADeckDroppedOnTheCardOpensInPlaceOfTheSavedDeck) {
    const auto path = dir_ / "fruit.tbx";
    WriteFileBytes(path, DeckFileBytes({{"pear", "green", 0}, {"apple", "red", 1}}));
    Cards({"old"});
    deck.ClearModified();
    const auto data = File(path);
    // Offered as a move too, it is taken as a copy: the file manager must keep the file.
    EXPECT_EQ(Drop(Editor().viewport(), data.get()), Qt::CopyAction);
    TABULA_TRY_COMPARE(window->windowTitle(), "Tabula - " + Name(path));
    EXPECT_EQ(Ring(), (std::vector<std::string>{"apple", "pear"}));
    EXPECT_EQ(Editor().toPlainText(), "red") << "the path was not typed into the card";
    EXPECT_TRUE(prompts.messages.empty()) << "nothing unsaved, nothing asked";
    EXPECT_EQ(ReadFileBytes(path).size(), 8u + 2 * 558) << "the dropped file is left alone";
}

TEST_F(DeckDropTest, UnsavedChangesAreAskedForFirstAndCancelKeepsThem) {
    const auto path = dir_ / "other.tbx";
    WriteFileBytes(path, DeckFileBytes({{"other", "", 0}}));
    Cards({"mine"});
    deck.SetModified();
    prompts.AnswerMessage(Answer::kCancel);
    const auto data = File(path);
    EXPECT_EQ(Drop(&View(), data.get()), Qt::CopyAction);
    TABULA_TRY_COMPARE(prompts.messages.size(), size_t{1});
    EXPECT_EQ(prompts.messages[0].text, "Save Changes ?");
    EXPECT_EQ(prompts.messages[0].caption, "Tabula");
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::kYesNoCancel);
    QApplication::processEvents();
    EXPECT_EQ(Ring(), (std::vector<std::string>{"mine"}));
    EXPECT_TRUE(deck.Modified());
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
}

TEST_F(DeckDropTest, OtherDropsAreLeftToTheCard) {
    Cards({"card"});
    const auto path = dir_ / "notes.txt";
    WriteFileBytes(path, "notes");
    const auto file = File(path);
    EXPECT_NE(Drop(Editor().viewport(), file.get()), Qt::IgnoreAction)
        << "the editor takes a file's name as text, as it always did";
    QApplication::processEvents();
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    EXPECT_EQ(Ring(), (std::vector<std::string>{"card"}));

    QMimeData text;
    text.setText(QStringLiteral("dropped words"));
    Editor().setPlainText(QString());
    EXPECT_NE(Drop(Editor().viewport(), &text), Qt::IgnoreAction);
    EXPECT_TRUE(Editor().toPlainText().contains("dropped words"));
}

TEST_F(DeckDropTest, ADragThatOffersOnlyAMoveIsRefused) {
    const auto path = dir_ / "moving.tbx";
    WriteFileBytes(path, DeckFileBytes({{"a", "", 0}}));
    Open();
    const auto data = File(path);
    EXPECT_EQ(Drop(&View(), data.get(), Qt::MoveAction), Qt::IgnoreAction);
    QApplication::processEvents();
    EXPECT_EQ(deck.Count(), 0);
}

}  // namespace
}  // namespace tabula::test
