// Sending mail from the real program: the E-mail button and File > Send > List reach the
// desktop's mail program (a stand-in for xdg-email), and the attached file is gone once the
// program has ended.
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTest>

#include "e2e/program_test.h"
#include "support/deck_builders.h"
#include "support/fake_mail_program.h"
#include "support/temp_dir.h"

namespace tabula::test {
namespace {

using MailEndToEnd = ProgramTest;

TEST_F(MailEndToEnd, TheEmailButtonAndSendListReachTheMailProgramAndLeaveNoFileBehind) {
    const FakeMailProgram fake(home_.filePath(QStringLiteral("mail")).toStdString());
    path_prefix_ = QString::fromStdString(fake.BinFolder().string());
    const QString deck = home_.filePath(QStringLiteral("work.tbx"));
    WriteFileBytes(deck.toStdString(),
                   DeckFileBytes({{"ant", "six legs\r\nsmall"}, {"bee", "buzz"}}));
    const QString window = Launch({deck}, QStringLiteral("Tabula - ") + deck);
    ASSERT_FALSE(window.isEmpty());

    // With a mail program the buttons are Next, Previous, E-mail, Print from x 295.
    const QPoint email = CardInWindow(0, kHeight).topLeft() + QPoint(1 + 345 + 12, 1 + 12);
    ASSERT_TRUE(Xdotool({"mousemove", "--window", window, QString::number(email.x()),
                         QString::number(email.y()), "click", "1"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake.Ran(); }, 10000));
    EXPECT_EQ(fake.Arguments(), (std::vector<std::string>{"--utf8", "--subject", "ant", "--body",
                                                          "six legs\nsmall"}));

    // File > Send > List.
    OpenFileMenu(window);
    Keys({"d", "l"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake.Attachment().has_value(); }, 10000));
    EXPECT_EQ(fake.Attachment(), "ant\r\nbee\r\n");
    const std::vector<std::string> args = fake.Arguments();
    ASSERT_EQ(args.size(), 3u);
    EXPECT_EQ(std::filesystem::path(args[2]).filename(), "work.tbx.txt");
    const QString tmp = home_.filePath(QStringLiteral("tmp"));
    EXPECT_TRUE(QString::fromStdString(args[2]).startsWith(tmp + QLatin1Char('/')));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(args[2])))
        << "the mail program may still read it";

    ASSERT_TRUE(Quit(window)) << "sending changes nothing, so no question";
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(QString::fromStdString(args[2])).path()));
    QDirIterator left(tmp, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    EXPECT_FALSE(left.hasNext()) << left.next().toStdString();
}

}  // namespace
}  // namespace tabula::test
