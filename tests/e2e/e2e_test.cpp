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
        const QString home = home_.path(), bin = mail_.BinFolder().c_str();
        // A CUPS server that is not there: never a real printer.
        // clang-format off
        for (const auto& [name, value] : std::vector<std::pair<const char*, QString>>{
                 {"DISPLAY", ':' + server_.readAll().trimmed()}, {"QT_QPA_PLATFORM", "xcb"},
                 {"LANGUAGE", "en"}, {"HOME", home}, {"XDG_RUNTIME_DIR", home}, {"TMPDIR", tmp_},
                 {"XDG_CONFIG_HOME", home + "/config"}, {"XDG_STATE_HOME", home + "/state"},
                 {"PATH", bin + ':' + qgetenv("PATH")}, {"CUPS_SERVER", home + "/no-cups"}})
            qputenv(name, value.toLocal8Bit());
        // clang-format on
        program_.setWorkingDirectory(home_.path());  // where Print to File puts print.pdf
        program_.setProcessChannelMode(QProcess::ForwardedChannels);
    }
    void TearDown() override { server_.terminate(), server_.waitForFinished(); }

    static bool Becomes(const std::function<bool()>& done) { return QTest::qWaitFor(done, 20000); }
    std::optional<QString> X(const QStringList& args) { return Output("xdotool", args); }
    // Runs the steps, each a verb and what it works on: "key" presses keys, "type" types a text
    // (a typed line feed is no Return to the program), "win" waits for the window with exactly
    // this title and gives it the keyboard (without a window manager, nobody else does), "gone"
    // waits until it went, "back" gives the main window the keyboard again, "menu" opens its
    // File menu with a click on the title and presses keys in it, "add" and "save" answer the
    // Add Card and Save As dialogs, over what their field holds; "start" starts the program with
    // these arguments, "ended" waits until it ended. After a failure, nothing runs.
    void Do(const QStringList& steps) {
        for (const QString& step : steps) {
            const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
            const QString dialog = verb == "add" ? "Add Card" : "Save As";
            const QStringList keys = QStringList{"key", "--delay", "40"} + arg.split(' '),
                              focus = {"windowfocus", "--sync", main_};
            const QStringList search{"search", "--onlyvisible", "--name",
                                     '^' + QRegularExpression::escape(arg) + '$'};
            QString id;
            if (HasFatalFailure()) {
                return;
            } else if (verb == "start") {
                program_.start(TABULA_EXE, arg.split(' ', Qt::SkipEmptyParts));
            } else if (verb == "ended") {
                ASSERT_TRUE(program_.waitForFinished(10000)) << "it ends without a question";
            } else if (verb == "add" || verb == "save") {
                Do({"win " + dialog, "key ctrl+a", "type " + arg + '\r', "gone " + dialog, "back"});
            } else if (verb == "win" || verb == "gone") {
                // Not xdotool's own --sync: a window that goes while it searches makes it fail.
                ASSERT_TRUE(Becomes([&] {
                    return (id = X(search).value_or("").section(' ', 0, 0)).isEmpty() ==
                           (verb == "gone");
                })) << step.toStdString();
                main_ = arg.startsWith("Tabula - ") ? id : main_;
                if (verb == "win")
                    X({"windowfocus", "--sync", id});
            } else {
                const QStringList menu{"mousemove", "--window", main_, "15", "10", "click", "1"};
                ASSERT_TRUE(X(verb == "type"   ? QStringList{"type", "--delay", "40", arg}
                              : verb == "back" ? focus
                              : verb == "menu" ? focus + menu + keys
                                               : keys))
                    << step.toStdString();
            }
        }
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
    QString main_;
};

TEST_F(EndToEnd, SaveReopenExportPrintFindMailAndRecoverAfterASignal) {
    const QString path = home_.filePath("fruit.tbx"), deck_window = "win Tabula - " + path;
    const std::string saved = DeckFileBytes({{"apple", "green"}, {"cherry", "ripe and red"}});
    // F3 on an untitled deck asks for a name, and the name gets ".tbx".
    Do({"start", "win Tabula - Untitled", "key F7", "add cherry", "type ripe and red", "key F7",
        "add apple", "type green", "key F3", "save " + home_.filePath("fruit"), deck_window});
    ExpectFile("fruit.tbx", saved);
    // Started with the file, it has both cards: File > Export > Text file..., then Comma
    // Delimited Text... under a name of its own.
    Do({"menu x", "ended", "start " + path, deck_window, "menu i Left Down Right Return",
        "save " + home_.filePath("fruit")});
    const std::string rule = std::string(60, '-') + "\r\n\r\n";
    ExpectFile("fruit.txt", "apple\r\ngreen\r\n" + rule + "cherry\r\nripe and red\r\n" + rule);
    Do({"menu i Left Down Right Down Return", "save " + home_.filePath("list.csv")});
    ExpectFile("list.csv", "apple,green\ncherry,ripe and red\n");

    // File > Print > List through the Print dialog: Print to File, with no print system.
    Do({"menu p l", "win Print", "key Return"});
    EXPECT_TRUE(Becomes([&] {
        return Output("pdftotext", {home_.filePath("print.pdf"), "-"}) ==
               path + " - page 1 Index: apple Index: cherry";
    }));

    // Find Next brings cherry to the front with "red" selected, and Send > Card mails it.
    Do({"back", "key F4", "win Find", "type red\r", "win Find", "key Escape", "gone Find",
        "menu d c"});
    const std::vector<std::string> note{"--utf8", "--subject", "cherry", "--body", "ripe and red"};
    EXPECT_TRUE(Becomes([&] { return mail_.Arguments() == note; }));
    // Send > List attaches the list from the front card in the temporary folder.
    Do({"menu d l"});
    ASSERT_TRUE(Becomes([&] { return mail_.Attachment() == "cherry\r\napple\r\n"; }));
    const QString attached = QString::fromStdString(mail_.Arguments().back());
    EXPECT_TRUE(attached.startsWith(tmp_ + '/') && attached.endsWith("/fruit.tbx.txt"))
        << attached.toStdString();

    // An edit over the selection; F4's window shows once the key is in, and Send is long over:
    // the attachment stays for the mail program to read. A termination signal ends the program
    // without a question, the edit kept in a private copy, the file untouched and no attachment
    // left behind.
    Do({"back", "type x", "key F4", "win Find"});
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
    Do({"start " + path, "win Tabula", "key Return", deck_window, "key F3"});
    ExpectFile("fruit.tbx", DeckFileBytes({{"apple", "green"}, {"cherry", "ripe and x"}}));
    EXPECT_TRUE(Becomes([&] { return copies.isEmpty(); }));
    Do({"menu x", "ended"});
}

}  // namespace
}  // namespace tabula::test

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
