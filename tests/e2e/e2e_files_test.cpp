// The file commands of the real program: its own file dialog answered by typing, and the
// bytes of every file it writes.
#include <QDir>
#include <QFile>
#include <QTest>
#include <filesystem>

#include "e2e/program_test.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula::test {
namespace {

using FileCommandsEndToEnd = ProgramTest;

std::string Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<none>");
}

void WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

bool WaitForBytes(const QString& path, const std::string& bytes) {
    return QTest::qWaitFor([&] { return Bytes(path) == bytes; }, 10000);
}

TEST_F(FileCommandsEndToEnd, ADeckOfThreeCardsSavedAndOpenedAgain) {
    const QString window = Launch({}, QStringLiteral("Tabula - Untitled"));
    ASSERT_FALSE(window.isEmpty());
    AddCard(window, QStringLiteral("cherry"), QStringLiteral("ripe and red"));
    AddCard(window, QStringLiteral("apple"), QStringLiteral("green"));
    AddCard(window, QStringLiteral("banana"), QStringLiteral("long"));

    // F3 on an untitled deck asks for a name; the typed name gets ".tbx".
    Keys({"F3"});
    ChooseFile(QStringLiteral("Save As"), home_.filePath(QStringLiteral("fruit")));
    const QString path = home_.filePath(QStringLiteral("fruit.tbx"));
    ASSERT_FALSE(WaitForWindow(QStringLiteral("Tabula - ") + path).isEmpty());
    // Banana was added last and stands in front; the file starts with it.
    const std::string saved =
        DeckFileBytes({{"banana", "long"}, {"cherry", "ripe and red"}, {"apple", "green"}});
    EXPECT_EQ(Bytes(path), saved);
    ASSERT_TRUE(Quit(window)) << "a saved deck closes without a question";

    // Started with the file: apple, the smallest index, comes to the front. A word typed into
    // it and F3 write the file in place.
    const QString again = Launch({path}, QStringLiteral("Tabula - ") + path);
    ASSERT_FALSE(again.isEmpty());
    Focus(again);
    Type(QStringLiteral("very "));
    Keys({"F3"});
    EXPECT_TRUE(WaitForBytes(
        path,
        DeckFileBytes({{"apple", "very green"}, {"banana", "long"}, {"cherry", "ripe and red"}})))
        << Bytes(path).size();
    ASSERT_TRUE(Quit(again));
}

TEST_F(FileCommandsEndToEnd, AnImportedCardfileIsSavedOnlyUnderANewName) {
    const QString crd = home_.filePath(QStringLiteral("old.crd"));
    const std::string crd_bytes =
        MgcFileBytes({{"Zebra", "stripes"}, {"apple", "red"}, {"Mango", "sweet"}});
    WriteBytes(crd, crd_bytes);
    const QString window = Launch({}, QStringLiteral("Tabula - Untitled"));
    ASSERT_FALSE(window.isEmpty());

    // File > Import > Cardfile...
    OpenFileMenu(window);
    Keys({"i", "Return"});
    ChooseFile(QStringLiteral("Open"), crd);
    ASSERT_FALSE(WaitForWindow(QStringLiteral("Tabula - ") + crd).isEmpty());

    // F3 does nothing: the next key, F7, reaches the main window and opens Add Card, which
    // it could not if F3 had opened a dialog.
    Focus(window);
    Keys({"F3", "F7"});
    const QString add = WaitForWindow(QStringLiteral("Add Card"));
    ASSERT_FALSE(add.isEmpty());
    EXPECT_FALSE(Xdotool({"search", "--onlyvisible", "--name", "^Save As$"}));
    Xdotool({"windowfocus", "--sync", add});
    Keys({"Escape"});
    EXPECT_TRUE(WaitForNoWindow(QStringLiteral("Add Card")));
    Focus(window);

    // File > Save As... writes a deck file; the .crd stays as it was.
    OpenFileMenu(window);
    Keys({"a"});
    const QString tbx = home_.filePath(QStringLiteral("imported"));
    ChooseFile(QStringLiteral("Save As"), tbx);
    ASSERT_FALSE(WaitForWindow(QStringLiteral("Tabula - ") + tbx + ".tbx").isEmpty());
    EXPECT_EQ(Bytes(tbx + ".tbx"),
              DeckFileBytes({{"apple", "red"}, {"Mango", "sweet"}, {"Zebra", "stripes"}}));
    EXPECT_EQ(Bytes(crd), crd_bytes);
    ASSERT_TRUE(Quit(window));
}

TEST_F(FileCommandsEndToEnd, BothExportsFromTheFrontCard) {
    const QString deck = home_.filePath(QStringLiteral("people.tbx"));
    WriteBytes(deck, DeckFileBytes({{"Smith, John", "Tel 1\r\nFax 2"}, {"Adams", "x, \"y\""}}));
    const QString window = Launch({deck}, QStringLiteral("Tabula - ") + deck);
    ASSERT_FALSE(window.isEmpty());

    // File > Export > Text file...: from Import, one down to Export, into its submenu.
    OpenFileMenu(window);
    Keys({"i", "Left", "Down", "Right", "Return"});
    ChooseFile(QStringLiteral("Save As"), home_.filePath(QStringLiteral("people")));
    const std::string dashes(60, '-');
    EXPECT_TRUE(WaitForBytes(home_.filePath(QStringLiteral("people.txt")),
                             "Adams\r\nx, \"y\"\r\n" + dashes + "\r\n\r\n" +
                                 "Smith, John\r\nTel 1\r\nFax 2\r\n" + dashes + "\r\n\r\n"))
        << Bytes(home_.filePath(QStringLiteral("people.txt")));

    // File > Export > Comma Delimited Text..., under a name with its own extension.
    OpenFileMenu(window);
    Keys({"i", "Left", "Down", "Right", "Down", "Return"});
    ChooseFile(QStringLiteral("Save As"), home_.filePath(QStringLiteral("people.csv")));
    EXPECT_TRUE(WaitForBytes(home_.filePath(QStringLiteral("people.csv")),
                             "Adams,x  \"y\"\nSmith, John,Tel 1  Fax 2\n"))
        << Bytes(home_.filePath(QStringLiteral("people.csv")));
    ASSERT_TRUE(Quit(window));
}

// Told to end with unsaved changes, the program leaves a private copy of them and ends without
// a question; the next start with the file offers the copy, and Recover brings the edit back as
// an unsaved change of that same file.
TEST_F(FileCommandsEndToEnd, AnEditSurvivesSigtermAndIsRecoveredAtTheNextStart) {
    const QString path = home_.filePath(QStringLiteral("notes.tbx"));
    const std::string original = DeckFileBytes({{"apple", "red"}});
    WriteBytes(path, original);
    // A QDir lists its folder once; each look is a new one.
    const QString copies = home_.filePath(QStringLiteral("state/tabula"));
    const auto copy = [&] {
        const QStringList names = QDir(copies).entryList(QDir::Files | QDir::Hidden);
        return names.size() == 1 ? copies + QLatin1Char('/') + names.front() : QString();
    };
    const QString title = QStringLiteral("Tabula - ") + path;
    const QString window = Launch({path}, title);
    ASSERT_FALSE(window.isEmpty());
    Focus(window);
    Type(QStringLiteral("ripe "));
    const std::string typed = DeckFileBytes({{"apple", "ripe red"}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !copy().isEmpty() && Bytes(copy()) == typed; }, 10000))
        << "written once the typing pauses";

    // One more key, seen on screen, and the signal before the pause is over.
    const QImage before = x_.Grab(window.toULong());
    Type(QStringLiteral("x"));
    GrabWhen(window.toULong(), [&](const QImage& now) { return now != before; });
    program_.terminate();
    ASSERT_TRUE(program_.waitForFinished(10000)) << "no question holds it";
    const std::string edited = DeckFileBytes({{"apple", "ripe xred"}});
    EXPECT_EQ(Bytes(copy()), edited);
    EXPECT_EQ(std::filesystem::status(copy().toStdString()).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(Bytes(path), original);

    ASSERT_FALSE(Launch({path}, QStringLiteral("Tabula")).isEmpty())
        << "Recover unsaved changes to notes.tbx?";
    Keys({"Return"});
    const QString again = WaitForWindow(title);
    ASSERT_FALSE(again.isEmpty());
    Focus(again);
    Keys({"F3"});
    EXPECT_TRUE(WaitForBytes(path, edited));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QDir(copies).isEmpty(); }, 10000))
        << "a Save removes it";
    ASSERT_TRUE(Quit(again));
}

}  // namespace
}  // namespace tabula::test
