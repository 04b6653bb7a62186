#include <sys/stat.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <tuple>

#include "app/application.h"
#include "app/status_panes.h"
#include "gui_support/deck_files_fixture.h"
#include "stack/card_editor.h"
#include "stack/stack_view.h"

namespace tabula::test {
namespace {

// Drags the file (or else the text) onto the widget and lets go, as a file manager would; the
// drop action taken, or IgnoreAction when the drag was refused.
Qt::DropAction Drop(QWidget* target, const QString& path, const QString& text = {},
                    Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction) {
    QMimeData data;
    path.isEmpty() ? data.setText(text) : data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter({5, 5}, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop({5, 5}, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (enter.isAccepted()) {
        QApplication::sendEvent(target, &drop);
    }
    QApplication::processEvents();  // the file opens once the drop has finished
    return enter.isAccepted() && drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// A kind of file and what every way in makes of it: the deck from the front card on; T when
// the file becomes the current file, I when it is imported as well; the start of the one
// message, %1 the path ("File Error" comes with "Tabula Error..." and a stop icon, the rest
// with the program's name and a warning). The name is a deck's: the first bytes decide what
// a file is; missing, fifo, device and folder name what stands there instead. Nothing may open
// a pipe or a device to read them: that waits for ever.
using Kind = std::tuple<const char*, std::string, const char*>;  // name, bytes, expected

const std::string kFruit = DeckFileBytes({{"pear", "green"}, {"apple", "red"}, {"fig", "soft"}});
const std::string kOld = MgcFileBytes({{"beta", "two"}, {"alpha", "one"}});
// clang-format off
const Kind kKinds[] = {
    {"good", kFruit, "apple fig pear|T|"},
    {"cut", kFruit.substr(0, kFruit.size() - 100),
     "apple pear|T|File Error - \"%1\" is cut short: 2 complete cards were read."},
    {"notes", "some notes", "||File Error - Incompable File"},
    {"mgc", kOld, "alpha beta|I|"},
    {"damaged_mgc", kOld.substr(0, kOld.size() - 2), "beta|I|File damaged at card 2"},
    {"rrg", RrgFileBytes({{"card", "text"}}), "||File not compatible"},
    {"missing", "", "||File Error - \"%1\""}, {"fifo", "", "||File Error - \"%1\""},
    {"device", "", "||File Error - \"%1\""}, {"folder", "", "||File Error - \"%1\""},
};
// clang-format on

// The ways a file comes in (start-up, a drop on the stack or on the card, Open) times the
// kinds; only the command line leaves `Last File` as it was, and a drop is never a move (the
// file manager would delete the file).
class OpeningFilesTest : public DeckFilesTest, public ::testing::WithParamInterface<int> {};

TEST_P(OpeningFilesTest, EveryWayInGivesTheSameDeckTitleMessagesAndLastFile) {
    const int way = GetParam() / 10;
    const auto& [kind_name, bytes, expected] = kKinds[GetParam() % 10];
    const std::string name = kind_name;
    const std::filesystem::path file = dir / (name + ".tbx");
    const QString path = PathOf(name + ".tbx");
    if (name == "fifo") {
        ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    } else if (name == "device") {
        std::filesystem::create_symlink("/dev/zero", file);
    } else if (name == "folder") {
        std::filesystem::create_directory(file);
    } else if (name != "missing") {
        WriteFileBytes(file, bytes);
    }
    settings.values["Last File"] = "/decks/previous.tbx";
    window->Status().CountTimer().stop();
    if (way == 0) {
        LoadStartupFile(*window, path);
    } else if (way < 3) {
        QWidget* target = way == 1 ? static_cast<QWidget*>(&View()) : Editor().viewport();
        EXPECT_EQ(Drop(target, path), Qt::CopyAction);
    } else {
        prompts.AnswerFile(path);
        Trigger(CommandId::kOpen);
    }

    QStringList ring;
    for (const std::string& index : Ring()) {
        ring << QString::fromStdString(index);
    }
    EXPECT_TRUE(ring.isEmpty() || Editor().StoredText() == deck.Front().Body());
    const QStringList want = QString(expected).replace("%1", path).split('|');
    QString got = ring.join(' ') + '|' + window->windowTitle() + '|' +
                  settings.values.value("Last File") + '|' + window->Status().Count() +
                  (deck.Modified() ? "*" : "") + (window->Imported() ? "|I" : "|");
    for (const auto& m : prompts.messages) {
        got += QString("|%1|%2|%3").arg(m.text.left(want[2].size()), m.caption).arg(int(m.icon));
    }
    const bool error = want[2].startsWith("File Error");
    const MessageIcon icon = error ? MessageIcon::kStop : MessageIcon::kWarning;
    EXPECT_EQ(got,
              want[0] + "|Tabula - " + (want[1].isEmpty() ? "Untitled" : path) + '|' +
                  (want[1] == "T" && way ? path : "/decks/previous.tbx") +
                  QString("|%1 Cards|").arg(ring.size()) + (want[1] == "I" ? "I" : "") +
                  (want[2].isEmpty() ? ""
                                     : QString("|%1|%2|%3")
                                           .arg(want[2], error ? "Tabula Error..." : qAppName())
                                           .arg(int(icon))));
}

std::string CaseName(const ::testing::TestParamInfo<int>& info) {
    const char* const ways[] = {"StartUp", "DropOnStack", "DropOnCard", "Open"};
    return std::string(ways[info.param / 10]) + "_" + std::get<0>(kKinds[info.param % 10]);
}

INSTANTIATE_TEST_SUITE_P(WaysAndKinds, OpeningFilesTest, ::testing::Range(0, 40), CaseName);

using DeckDropTest = DeckFilesTest;

// Drops on the card other than a deck are the card's; a deck offered only as a move is
// refused.
TEST_F(DeckDropTest, OtherDropsAreTheCardsAndAMoveIsRefused) {
    UseCards({{"card", ""}});
    WriteFileBytes(dir / "notes.txt", "notes");
    EXPECT_NE(Drop(Editor().viewport(), PathOf("notes.txt")), Qt::IgnoreAction);
    EXPECT_NE(Drop(Editor().viewport(), {}, "dropped words"), Qt::IgnoreAction);
    EXPECT_TRUE(Editor().toPlainText().contains("dropped words"));
    const QString path = WriteDeck("fruit.tbx", {{"pear", "green"}});
    EXPECT_EQ(Drop(&View(), path, {}, Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_EQ(window->windowTitle() + QString::number(deck.Count()), "Tabula - Untitled1");
}

}  // namespace
}  // namespace tabula::test
