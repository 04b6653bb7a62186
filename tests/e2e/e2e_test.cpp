// The real tabula on a private Xvfb server, driven with real keys through xdotool: its own file
// and print dialogs, a stand-in xdg-email and a termination signal. The checks read the files
// it writes, as a user would find them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <functional>
#include <optional>

#include "support/deck_builders.h"
#include "support/fake_mail_program.h"
#include "support/temp_dir.h"

namespace tabula::test {
namespace {

bool Becomes(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 20000);
}

// A program's output, or nothing when it failed. One that hangs is killed with its QProcess.
std::optional<QString> Output(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return QString::fromUtf8(process.readAllStandardOutput()).simplified();
    return std::nullopt;
}

// The programs started here see a home of their own, the server's display and the stand-in
// mail programs first on the path; the test runs in a process of its own.
class EndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            GTEST_SKIP() << "Xvfb is not installed";
        // Xvfb takes a free display itself and names it once it accepts connections; it must
        // not reset when the program, its last client, ends: the next start would find no
        // server for a moment.
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start("Xvfb", {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"});
        ASSERT_TRUE(server_.waitForReadyRead(20000)) << "Xvfb did not start";
        ASSERT_TRUE(QDir(home_.path()).mkdir("tmp"));
        const QString home = home_.path(),
                      path = mail_.BinFolder().c_str() + (':' + qgetenv("PATH"));
        // clang-format off
        for (const auto& [name, value] : std::vector<std::pair<const char*, QString>>{
                 {"DISPLAY", ':' + server_.readAll().trimmed()}, {"QT_QPA_PLATFORM", "xcb"},
                 {"LANGUAGE", "en"}, {"CUPS_SERVER", home + "/no-cups"},  // never a real printer
                 {"HOME", home}, {"XDG_RUNTIME_DIR", home}, {"XDG_CONFIG_HOME", home + "/config"},
                 {"XDG_STATE_HOME", home + "/state"}, {"TMPDIR", tmp_}, {"PATH", path}})
            qputenv(name, value.toLocal8Bit());
        // clang-format on
    }
    void TearDown() override { server_.terminate(), server_.waitForFinished(); }

    std::optional<QString> X(const QStringList& args) { return Output("xdotool", args); }
    std::optional<QString> Find(const QString& title) {
        return X(
            {"search", "--onlyvisible", "--name", '^' + QRegularExpression::escape(title) + '$'});
    }
    // Waits for the window with exactly this title and gives it the keyboard: without a window
    // manager, nobody else does. Not xdotool's own --sync: a window that goes while it
    // searches makes it fail.
    QString Window(const QString& title) {
        QString id;
        Becomes([&] { return !(id = Find(title).value_or("").section(' ', 0, 0)).isEmpty(); });
        EXPECT_FALSE(id.isEmpty()) << "no window " << title.toStdString();
        X({"windowfocus", "--sync", id});
        return id;
    }
    bool Gone(const QString& title) {
        return Becomes([&] { return !Find(title); });
    }
    // Presses keys, or with "type" types a text.
    void Keys(const QStringList& keys, const QString& how = "key") {
        ASSERT_TRUE(X(QStringList{how, "--delay", "40"} + keys));
    }
    QString Launch(const QStringList& args, const QString& title) {
        program_.setWorkingDirectory(home_.path());  // where Print to File puts print.pdf
        program_.setProcessChannelMode(QProcess::ForwardedChannels);
        program_.start(QStringLiteral(TABULA_EXE), args);
        return Window(title);
    }
    // Types the path into the file dialog, over what its name field holds.
    void Answer(const QString& dialog, const QString& path) {
        ASSERT_FALSE(Window(dialog).isEmpty());
        Keys({"ctrl+a"});
        Keys({path + '\r'}, "type");  // a typed line feed is no Return to the program
        EXPECT_TRUE(Gone(dialog));
    }
    // Opens the File menu with a click on its title, then presses the keys in it.
    void Menu(const QString& window, const QStringList& keys) {
        X({"windowfocus", "--sync", window});
        ASSERT_TRUE(X({"mousemove", "--window", window, "15", "10", "click", "1"}));
        Keys(keys);
    }
    void ExpectFile(const QString& name, const std::string& bytes) {
        const std::filesystem::path path = home_.filePath(name).toStdString();
        Becomes([&] { return ReadFileBytes(path) == bytes; });
        EXPECT_EQ(ReadFileBytes(path), bytes) << path;
    }

    QTemporaryDir home_;
    QString tmp_ = home_.filePath("tmp");
    FakeMailProgram mail_{home_.filePath("mail").toStdString()};
    QProcess server_, program_;  // a program still running, the test failed, dies with it
};

TEST_F(EndToEnd, SaveReopenExportPrintFindMailAndRecoverAfterASignal) {
    const QString path = home_.filePath("fruit.tbx"), title = "Tabula - " + path;
    QString window;
    ASSERT_FALSE((window = Launch({}, "Tabula - Untitled")).isEmpty());
    for (const auto& [index, body] :
         {std::pair("cherry", "ripe and red"), std::pair("apple", "green")}) {
        Keys({"F7"});
        Answer("Add Card", index);
        X({"windowfocus", "--sync", window});
        Keys({body}, "type");
    }
    // F3 on an untitled deck asks for a name, and the name gets ".tbx".
    Keys({"F3"});
    Answer("Save As", home_.filePath("fruit"));
    ASSERT_FALSE(Window(title).isEmpty());
    const std::string saved = DeckFileBytes({{"apple", "green"}, {"cherry", "ripe and red"}});
    ExpectFile("fruit.tbx", saved);
    Menu(window, {"x"});
    ASSERT_TRUE(program_.waitForFinished(10000)) << "a saved deck closes without a question";

    // Started with the file, it has both cards: File > Export > Text file..., then Comma
    // Delimited Text... under a name of its own.
    ASSERT_FALSE((window = Launch({path}, title)).isEmpty());
    Menu(window, {"i", "Left", "Down", "Right", "Return"});
    Answer("Save As", home_.filePath("fruit"));
    const std::string rule = std::string(60, '-') + "\r\n\r\n";
    ExpectFile("fruit.txt", "apple\r\ngreen\r\n" + rule + "cherry\r\nripe and red\r\n" + rule);
    Menu(window, {"i", "Left", "Down", "Right", "Down", "Return"});
    Answer("Save As", home_.filePath("list.csv"));
    ExpectFile("list.csv", "apple,green\ncherry,ripe and red\n");

    // File > Print > List through the Print dialog: Print to File, with no print system.
    Menu(window, {"p", "l"});
    ASSERT_FALSE(Window("Print").isEmpty());
    Keys({"Return"});
    EXPECT_TRUE(Becomes([&] {
        return Output("pdftotext", {home_.filePath("print.pdf"), "-"}) ==
               path + " - page 1 Index: apple Index: cherry";
    }));

    // Find Next brings cherry to the front with "red" selected, and Send > Card mails it.
    X({"windowfocus", "--sync", window});
    Keys({"F4"});
    Window("Find");
    Keys({"red\r"}, "type");
    Window("Find");
    Keys({"Escape"});
    EXPECT_TRUE(Gone("Find"));
    Menu(window, {"d", "c"});
    const std::vector<std::string> note{"--utf8", "--subject", "cherry", "--body", "ripe and red"};
    EXPECT_TRUE(Becomes([&] { return mail_.Arguments() == note; }));
    // Send > List attaches the list from the front card in the temporary folder.
    Menu(window, {"d", "l"});
    ASSERT_TRUE(Becomes([&] { return mail_.Attachment() == "cherry\r\napple\r\n"; }));
    const QString attached = QString::fromStdString(mail_.Arguments().back());
    EXPECT_TRUE(attached.startsWith(tmp_ + '/') && attached.endsWith("/fruit.tbx.txt"))
        << attached.toStdString();

    // An edit over the selection; F4's window shows once the key is in, and Send is long over:
    // the attachment stays for the mail program to read. A termination signal ends the program
    // without a question, the edit kept in a private copy, the file untouched and no attachment
    // left behind.
    X({"windowfocus", "--sync", window});
    Keys({"x"}, "type");
    Keys({"F4"});
    ASSERT_FALSE(Window("Find").isEmpty());
    EXPECT_TRUE(QFile::exists(attached));
    program_.terminate();
    ASSERT_TRUE(program_.waitForFinished(10000));
    const QDir copies(home_.filePath("state/tabula"));
    const QStringList names = copies.entryList(QDir::Files | QDir::Hidden);
    ASSERT_EQ(names.size(), 1);
    const std::string copy = copies.filePath(names.front()).toStdString();
    EXPECT_EQ(ReadFileBytes(copy) + ReadFileBytes(path.toStdString()),
              DeckFileBytes({{"cherry", "ripe and x"}, {"apple", "green"}}) + saved);
    EXPECT_EQ(std::filesystem::status(copy).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    QDirIterator left(tmp_, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    EXPECT_FALSE(left.hasNext()) << left.next().toStdString();

    // The next start offers the copy; Recover, then F3, saves the edit and removes the copy.
    ASSERT_FALSE(Launch({path}, "Tabula").isEmpty());
    Keys({"Return"});
    window = Window(title);
    Keys({"F3"});
    ExpectFile("fruit.tbx", DeckFileBytes({{"apple", "green"}, {"cherry", "ripe and x"}}));
    EXPECT_TRUE(Becomes([&] { return copies.isEmpty(); }));
    Menu(window, {"x"});
    EXPECT_TRUE(program_.waitForFinished(10000));
}

}  // namespace
}  // namespace tabula::test

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
