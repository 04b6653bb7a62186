#include "e2e/program_test.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "support/fake_mail_program.h"

namespace tabula::test {

void ProgramTest::SetUp() {
    if (!XSession::XvfbInstalled()) {
        GTEST_SKIP() << "Xvfb is not installed";
    }
    ASSERT_TRUE(XSession::XdotoolInstalled()) << "xdotool is needed to drive the program";
    QString error;
    ASSERT_TRUE(x_.Start(&error)) << error.toStdString();
    ASSERT_TRUE(home_.isValid());
    // The program's settings live in this test's own folder, with a known placement.
    WritePlacement(QStringLiteral("0:1:0:0:%1:%2").arg(kWidth).arg(kHeight));
}

void ProgramTest::WritePlacement(const QString& value) {
    const QString config = home_.filePath(QStringLiteral("config/Tabula"));
    ASSERT_TRUE(QDir().mkpath(config));
    QFile settings(config + QStringLiteral("/tabula.conf"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[Settings]\nMainWindowPos=%1\n").arg(value).toUtf8());
}

QByteArray ProgramTest::SettingsText() {
    QFile settings(home_.filePath(QStringLiteral("config/Tabula/tabula.conf")));
    return settings.open(QIODevice::ReadOnly) ? settings.readAll() : QByteArray();
}

void ProgramTest::TearDown() {
    if (program_.state() != QProcess::NotRunning) {
        program_.kill();
        program_.waitForFinished(5000);
    }
}

QString ProgramTest::Launch(const QStringList& args, const QString& title) {
    QProcessEnvironment env = x_.Environment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("HOME"), home_.path());
    env.insert(QStringLiteral("XDG_STATE_HOME"), home_.filePath(QStringLiteral("state")));
    // The tests read the program's English texts, whatever language the desktop speaks.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    // Attachments for the mail program go into the test's own temporary folder.
    const QString tmp = home_.filePath(QStringLiteral("tmp"));
    QDir().mkpath(tmp);
    env.insert(QStringLiteral("TMPDIR"), tmp);
    QString prefix = path_prefix_;
    if (prefix.isEmpty()) {
        FakeMailProgram no_mail(home_.filePath(QStringLiteral("no-mail")).toStdString());
        no_mail.SetHandlerRegistered(false);
        prefix = QString::fromStdString(no_mail.BinFolder().string());
    }
    env.insert(QStringLiteral("PATH"),
               prefix + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    program_.setProcessEnvironment(env);
    // Files the program writes by default names (Print to File's print.pdf) land here too.
    program_.setWorkingDirectory(home_.path());
    program_.setProcessChannelMode(QProcess::ForwardedChannels);
    program_.start(QStringLiteral(TABULA_EXE), args);
    EXPECT_TRUE(program_.waitForStarted(10000));
    const QString window = WaitForWindow(title);
    if (!window.isEmpty()) {
        Xdotool({"windowfocus", "--sync", window});
    }
    return window;
}

QString ProgramTest::WaitForWindow(const QString& title) {
    const auto found = x_.Xdotool({"search", "--sync", "--onlyvisible", "--name",
                                   QStringLiteral("^%1$").arg(QRegularExpression::escape(title))});
    EXPECT_TRUE(found) << "no window titled " << title.toStdString();
    return found ? found->split('\n').first() : QString();
}

bool ProgramTest::WaitForNoWindow(const QString& title) {
    const QString pattern = QStringLiteral("^%1$").arg(QRegularExpression::escape(title));
    return QTest::qWaitFor(
        [&] {
            return !Xdotool({"search", "--onlyvisible", "--name", pattern});
        },
        10000);
}

void ProgramTest::Keys(const QStringList& keys) {
    QStringList args{"key", "--delay", "40"};
    args += keys;
    ASSERT_TRUE(Xdotool(args));
}

void ProgramTest::Type(const QString& text) {
    ASSERT_TRUE(Xdotool({"type", "--delay", "40", text}));
}

void ProgramTest::AddCard(const QString& window, const QString& index, const QString& body) {
    Keys({"F7"});
    const QString dialog = WaitForWindow(QStringLiteral("Add Card"));
    ASSERT_FALSE(dialog.isEmpty());
    Xdotool({"windowfocus", "--sync", dialog});
    Type(index);
    Keys({"Return"});
    EXPECT_TRUE(WaitForNoWindow(QStringLiteral("Add Card")));
    Xdotool({"windowfocus", "--sync", window});
    if (!body.isEmpty()) {
        Type(body);
    }
}

void ProgramTest::ChooseFile(const QString& dialog_title, const QString& path) {
    const QString dialog = WaitForWindow(dialog_title);
    ASSERT_FALSE(dialog.isEmpty());
    Xdotool({"windowfocus", "--sync", dialog});
    // The name field has the focus; whatever it holds is replaced.
    Keys({"ctrl+a"});
    Type(path);
    Keys({"Return"});
    EXPECT_TRUE(WaitForNoWindow(dialog_title));
}

void ProgramTest::OpenFileMenu(const QString& window) {
    Focus(window);
    // The key presses that follow go to the menu: Qt hands them to an open popup.
    ASSERT_TRUE(Xdotool({"mousemove", "--window", window, "15", "10", "click", "1"}));
}

bool ProgramTest::Quit(const QString& window) {
    OpenFileMenu(window);
    Keys({"x"});
    return program_.waitForFinished(10000);
}

QImage ProgramTest::GrabWhen(unsigned long window,
                             const std::function<bool(const QImage&)>& ready) {
    QImage image;
    // On time-out the last grab goes back; the caller's checks say what is wrong with it.
    [[maybe_unused]] const bool ready_in_time = QTest::qWaitFor(
        [&] {
            image = x_.Grab(window);
            return !image.isNull() && ready(image);
        },
        10000);
    return image;
}

}  // namespace tabula::test
