#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace tabula::test {
namespace {

// Every first argument but the exact options is a file to open, however much it looks like an
// option. The real program answers them with no display at all.
TEST(CommandLineTest, OnlyAnExactFirstArgumentIsAnOption) {
    using enum StartupRequest;
    using Args = std::vector<const char*>;
    // clang-format off
    const std::pair<Args, StartupRequest> rows[] = {
        {{}, kRun}, {{"--version"}, kVersion}, {{"--help", "a.tbx"}, kHelp}, {{"a.tbx", "--help"}, kRun},
        {{"./--help"}, kRun}, {{"--help "}, kRun}, {{"--HELP"}, kRun}, {{"--hx"}, kRun}, {{"-h"}, kRun},
        {{"--version=1"}, kRun}, {{"-"}, kRun}, {{""}, kRun}};
    // clang-format on
    for (auto [args, request] : rows) {
        args.insert(args.begin(), "tabula");
        EXPECT_EQ(ReadStartupRequest(int(args.size()), args.data()), request) << args.back();
    }
    for (const char* option : {"--version", "--help"}) {
        QProcess process;
        process.start("env", {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                              TABULA_EXE, option});
        ASSERT_TRUE(process.waitForFinished(30000)) << option;
        const bool help = option[2] == 'h';
        const QByteArray out = process.readAllStandardOutput();
        EXPECT_EQ(process.readAllStandardError() + QByteArray::number(process.exitCode()) +
                      (help ? out.left(21) : out),
                  help ? "0Usage: tabula [FILE]\n" : "0tabula " TABULA_VERSION "\n");
    }
}

}  // namespace
}  // namespace tabula::test
