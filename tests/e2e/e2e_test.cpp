// The real tabula on a private Xvfb server, driven with real keys through xdotool: its own file
// and print dialogs, a stand-in xdg-email and a termination signal. The checks read the files
// it writes, as a user would find them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
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

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {path, "-"});
    pdftotext.waitForFinished(20000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

class EndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty()) {
            GTEST_SKIP() << "Xvfb is not installed";
        }
        // Xvfb takes a free display itself and names it once it accepts connections; it must
        // not reset when the program, its last client, ends: the next start would find no
        // server for a moment.
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start("Xvfb", {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"});
        ASSERT_TRUE(server_.waitForReadyRead(20000)) << "Xvfb did not start";
        env_.insert("DISPLAY", ':' + QString::fromLatin1(server_.readAll()).trimmed());
        env_.insert("QT_QPA_PLATFORM", "xcb");
        env_.insert("LANGUAGE", "en");
        env_.insert("CUPS_SERVER", home_.filePath("no-cups"));  // never a real printer
        env_.insert("HOME", home_.path());
        env_.insert("XDG_RUNTIME_DIR", home_.path());
        env_.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        env_.insert("XDG_STATE_HOME", home_.filePath("state"));
        ASSERT_TRUE(QDir(home_.path()).mkdir("tmp"));
        env_.insert("TMPDIR", tmp_);
        env_.insert("PATH",
                    QString::fromStdString(mail_.BinFolder().string()) + ':' + env_.value("PATH"));
    }
    // A program still running, the test failed, is killed with its QProcess.
    void TearDown() override {
        server_.terminate();
        server_.waitForFinished();
    }

    // xdotool's output, or nothing when it failed.
    std::optional<QString> X(const QStringList& args) {
        QProcess xdotool;
        xdotool.setProcessEnvironment(env_);
        xdotool.start("xdotool", args);
        // One that hangs is killed with its QProcess.
        if (xdotool.waitForFinished(20000) && xdotool.exitStatus() == QProcess::NormalExit &&
            xdotool.exitCode() == 0) {
            return QString::fromLocal8Bit(xdotool.readAllStandardOutput()).trimmed();
        }
        return std::nullopt;
    }
    QStringList Search(const QString& title) {
        return {"--onlyvisible", "--name", '^' + QRegularExpression::escape(title) + '$'};
    }
    // Waits for the window with exactly this title and gives it the keyboard: without a window
    // manager, nobody else does.
    QString Window(const QString& title) {
        QString id;
        // Not xdotool's own --sync: a window that goes while it searches makes it fail.
        Becomes([&] {
            id = X(QStringList{"search"} + Search(title)).value_or(QString()).section('\n', 0, 0);
            return !id.isEmpty();
        });
        EXPECT_FALSE(id.isEmpty()) << "no window " << title.toStdString();
        X({"windowfocus", "--sync", id});
        return id;
    }
    bool Gone(const QString& title) {
        return Becomes([&] { return !X(QStringList{"search"} + Search(title)); });
    }
    void Keys(const QStringList& keys) {
        ASSERT_TRUE(X(QStringList{"key", "--delay", "40"} + keys));
    }
    void Type(const QString& text) { ASSERT_TRUE(X({"type", "--delay", "40", text})); }

    QString Launch(const QStringList& args, const QString& title) {
        program_.setProcessEnvironment(env_);
        program_.setWorkingDirectory(home_.path());  // where Print to File puts print.pdf
        program_.setProcessChannelMode(QProcess::ForwardedChannels);
        program_.start(QStringLiteral(TABULA_EXE), args);
        return Window(title);
    }
    void AddCard(const QString& window, const QString& index, const QString& body) {
        Keys({"F7"});
        ASSERT_FALSE(Window("Add Card").isEmpty());
        Type(index + '\r');  // a typed line feed is no Return to the program
        EXPECT_TRUE(Gone("Add Card"));
        X({"windowfocus", "--sync", window});
        Type(body);
    }
    // Types the path into the file dialog, over what its name field holds.
    void Answer(const QString& dialog, const QString& path) {
        ASSERT_FALSE(Window(dialog).isEmpty());
        Keys({"ctrl+a"});
        Type(path + '\r');
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
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
    QProcess server_;
    QProcess program_;
};

TEST_F(EndToEnd, SaveReopenExportPrintFindMailAndRecoverAfterASignal) {
    const QString path = home_.filePath("fruit.tbx");
    const QString title = "Tabula - " + path;
    QString window = Launch({}, "Tabula - Untitled");
    ASSERT_FALSE(window.isEmpty());
    AddCard(window, "cherry", "ripe and red");
    AddCard(window, "apple", "green");
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
    window = Launch({path}, title);
    ASSERT_FALSE(window.isEmpty());
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
    const QString printed = path + " - page 1 Index: apple Index: cherry";
    EXPECT_TRUE(Becomes([&] { return PdfText(home_.filePath("print.pdf")) == printed; }));

    // Find Next brings cherry to the front with "red" selected, and Send > Card mails it.
    X({"windowfocus", "--sync", window});
    Keys({"F4"});
    Window("Find");
    Type("red\r");
    Window("Find");
    Keys({"Escape"});
    EXPECT_TRUE(Gone("Find"));
    Menu(window, {"d", "c"});
    const std::vector<std::string> note{"--utf8", "--subject", "cherry", "--body", "ripe and red"};
    EXPECT_TRUE(Becomes([&] { return mail_.Arguments() == note; }));
    // Send > List attaches the list from the front card in the temporary folder.
    Menu(window, {"d", "l"});
    ASSERT_TRUE(Becomes([&] { return mail_.Attachment() == "cherry\r\napple\r\n"; }));
    const QFileInfo attached(QString::fromStdString(mail_.Arguments().back()));
    EXPECT_EQ(attached.fileName(), "fruit.tbx.txt");
    EXPECT_TRUE(attached.filePath().startsWith(tmp_ + '/'));

    // An edit over the selection; F4's window shows once the key is in, and Send is long over:
    // the attachment stays for the mail program to read. A termination signal ends the program
    // without a question, the edit kept in a private copy, the file untouched and no attachment
    // left behind.
    X({"windowfocus", "--sync", window});
    Type("x");
    Keys({"F4"});
    ASSERT_FALSE(Window("Find").isEmpty());
    EXPECT_TRUE(QFileInfo::exists(attached.filePath()));
    program_.terminate();
    ASSERT_TRUE(program_.waitForFinished(10000));
    const QString copies = home_.filePath("state/tabula");
    const QStringList names = QDir(copies).entryList(QDir::Files | QDir::Hidden);
    ASSERT_EQ(names.size(), 1);
    const QString copy = copies + '/' + names.front();
    EXPECT_EQ(ReadFileBytes(copy.toStdString()),
              DeckFileBytes({{"cherry", "ripe and x"}, {"apple", "green"}}));
    EXPECT_EQ(std::filesystem::status(copy.toStdString()).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(ReadFileBytes(path.toStdString()), saved);
    QDirIterator left(tmp_, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    EXPECT_FALSE(left.hasNext()) << left.next().toStdString();

    // The next start offers the copy; Recover, then F3, saves the edit and removes the copy.
    ASSERT_FALSE(Launch({path}, "Tabula").isEmpty());
    Keys({"Return"});
    window = Window(title);
    Keys({"F3"});
    ExpectFile("fruit.tbx", DeckFileBytes({{"apple", "green"}, {"cherry", "ripe and x"}}));
    EXPECT_TRUE(Becomes([&] { return QDir(copies).isEmpty(); }));
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
