#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <vector>

#include "app/command_line.h"

namespace tabula::test {
namespace {

StartupRequest RequestFor(std::vector<const char*> args) {
    args.insert(args.begin(), "tabula");
    return ReadStartupRequest(static_cast<int>(args.size()), args.data());
}

TEST(CommandLineTest, OnlyAnExactFirstArgumentIsAnOption) {
    EXPECT_EQ(RequestFor({}), StartupRequest::kRun);
    EXPECT_EQ(RequestFor({"--version"}), StartupRequest::kVersion);
    EXPECT_EQ(RequestFor({"--help"}), StartupRequest::kHelp);
    EXPECT_EQ(RequestFor({"--help", "cards.tbx"}), StartupRequest::kHelp);
    // Every other first argument is a file to open, however much it looks like an option.
    for (const char* file :
         {"./--help", "--help ", "--HELP", "-h", "--version=1", "-", "--", "cards.tbx", ""}) {
        EXPECT_EQ(RequestFor({file}), StartupRequest::kRun) << file;
    }
    EXPECT_EQ(RequestFor({"cards.tbx", "--help"}), StartupRequest::kRun);
    EXPECT_EQ(RequestFor({"cards.tbx", "--version"}), StartupRequest::kRun);
}

TEST(CommandLineTest, HelpNamesTheProgramAndTellsHowToOpenAFileNamedLikeAnOption) {
    const std::string help = HelpText("tabula");
    EXPECT_EQ(help.rfind("Usage: tabula [FILE]\n", 0), 0u) << help;
    EXPECT_NE(help.find("tabula ./--help"), std::string::npos) << help;
    EXPECT_NE(help.find("~/.config/Tabula/tabula.conf"), std::string::npos) << help;
    EXPECT_EQ(help.find('@'), std::string::npos) << "a name left out: " << help;
    EXPECT_EQ(help.back(), '\n');
    EXPECT_EQ(HelpText("cards").rfind("Usage: cards [FILE]\n", 0), 0u);
}

// The real program, started with no display at all: the answers must not need one.
QString RunProgram(const QStringList& args, int* exit_code) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TABULA_EXE), args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "the program did not end by itself";
    }
    *exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    EXPECT_TRUE(process.readAllStandardError().isEmpty());
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(CommandLineTest, TheProgramAnswersVersionAndHelpWithoutADisplay) {
    int code = -1;
    EXPECT_EQ(RunProgram({QStringLiteral("--version")}, &code),
              QStringLiteral("tabula " TABULA_VERSION "\n"));
    EXPECT_EQ(code, 0);
    const QString help = RunProgram({QStringLiteral("--help")}, &code);
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: tabula [FILE]\n"))) << help.toStdString();
    EXPECT_EQ(code, 0);
}

}  // namespace
}  // namespace tabula::test
