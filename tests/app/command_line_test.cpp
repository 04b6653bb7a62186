#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace tabula::test {
namespace {

TEST(CommandLineTest, OnlyAnExactFirstArgumentIsAnOption) {
    const std::pair<std::vector<const char*>, StartupRequest> rows[] = {
        {{}, StartupRequest::kRun},
        {{"--version"}, StartupRequest::kVersion},
        {{"--help", "cards.tbx"}, StartupRequest::kHelp},
        {{"cards.tbx", "--help"}, StartupRequest::kRun},
    };
    for (auto [args, request] : rows) {
        args.insert(args.begin(), "tabula");
        EXPECT_EQ(ReadStartupRequest(static_cast<int>(args.size()), args.data()), request);
    }
    // Every other first argument is a file to open, however much it looks like an option.
    for (const char* file :
         {"./--help", "--help ", "--HELP", "--hx", "-h", "--version=1", "-", ""}) {
        const char* args[] = {"tabula", file};
        EXPECT_EQ(ReadStartupRequest(2, args), StartupRequest::kRun) << file;
    }
}

// The real program, with no display at all: these answers must not need one.
TEST(CommandLineTest, TheProgramAnswersVersionAndHelpWithoutADisplay) {
    for (const char* option : {"--version", "--help"}) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(env);
        process.start(TABULA_EXE, {option});
        ASSERT_TRUE(process.waitForFinished(30000)) << option;
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_EQ(process.readAllStandardError(), "");
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        EXPECT_EQ(out.startsWith("Usage: tabula [FILE]\n"), option[2] == 'h') << option;
        EXPECT_EQ(out == "tabula " TABULA_VERSION "\n", option[2] == 'v') << option;
    }
}

}  // namespace
}  // namespace tabula::test
