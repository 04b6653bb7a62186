#include "commands/mail_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <algorithm>
#include <memory>

#include "gui_support/deck_files_fixture.h"
#include "gui_support/wait_for.h"
#include "output/devices/xdg_email_transport.h"
#include "stack/card_button.h"
#include "stack/front_card_window.h"
#include "support/fake_mail_program.h"

namespace tabula::test {
namespace {

namespace fs = std::filesystem;

// The real transport with stand-ins for xdg-email and xdg-mime alone on PATH, and the
// temporary folder inside the test's own.
class MailCommandsTest : public DeckFilesTest {
  protected:
    void SetUp() override {
        fs::create_directories(dir / "tmp");
        for (auto& [name, value, old] : env) {
            old = qgetenv(name), qputenv(name, value);
        }
        xdg = std::make_unique<XdgEmailTransport>(), mail_transport = xdg.get();
    }
    void TearDown() override {
        DeckFilesTest::TearDown(), xdg.reset();
        for (auto& [name, value, old] : env) {
            old.isNull() ? qunsetenv(name) : qputenv(name, old);
        }
    }
    bool SendCardEnabled() {
        return window->UpdateActions(), window->Action(CommandId::kSendCard)->isEnabled();
    }
    std::size_t TempFiles() const {
        return std::ranges::count_if(fs::recursive_directory_iterator(dir / "tmp"),
                                     [](const auto& e) { return e.is_regular_file(); });
    }
    void ExpectMessage(const QString& text) {
        ExpectOnlyMessage(text, QCoreApplication::applicationName(), MessageIcon::kWarning);
        prompts.messages.clear();
    }

    FakeMailProgram fake{dir / "fake"};
    std::tuple<const char*, QByteArray, QByteArray> env[2] = {
        {"TMPDIR", QByteArray((dir / "tmp").c_str()), {}},
        {"PATH", QByteArray(fake.BinFolder().c_str()), {}}};
    std::unique_ptr<XdgEmailTransport> xdg;
};

// The front card goes as a note, the list and the tagged cards as a file named after the deck,
// kept for the mail program until Tabula ends.
TEST_F(MailCommandsTest, CardListAndTagReachTheMailProgram) {
    DeckFilesTest::SetUp();
    ASSERT_NE(Front().EmailButton(), nullptr) << "a mail program is registered";
    EXPECT_FALSE(SendCardEnabled()) << "no card to send";
    // 41 characters: the subject keeps 31; line breaks go as LF, Windows-1252 as UTF-8.
    UseCards({{"Meeting notes of the budget committee 2026", "Caf\xE9\r\nten"}});
    Front().EmailButton()->click();
    EXPECT_EQ(fake.Arguments(),
              (std::vector<std::string>{"--utf8", "--subject", "Meeting notes of the budget com",
                                        "--body", "Caf\xC3\xA9\nten"}));
    EXPECT_EQ(TempFiles(), 0u) << "a note needs no file";
    deck.ClearDeck(), UseCards({{"ant", "six legs", 1}, {"bee", "", 0}}), deck.ClearModified();
    window->SetCurrentFile(QStringLiteral("/decks/work.tbx")), Trigger(CommandId::kSendTag);
    const fs::path file = fake.Arguments().at(2);  // in a private folder, kept for the mail program
    EXPECT_EQ(fake.Arguments().at(1) + " " + file.filename().string() + std::to_string(TempFiles()),
              "--attach work.tbx.txt1");
    EXPECT_EQ(file.parent_path().parent_path(), dir / "tmp");
    EXPECT_EQ(fake.Attachment(), "ant\r\nsix legs\r\n" + std::string(60, '-') + "\r\n\r\n");
    window->SetCurrentFile({}), Trigger(CommandId::kSendList);
    EXPECT_EQ(
        fs::path(fake.Arguments().at(2)).filename().string() + ":" + fake.Attachment().value_or(""),
        "Untitled.txt:ant\r\nbee\r\n");
    EXPECT_EQ(prompts.messages.size() + deck.Modified(), 0u) << "no message, the deck unchanged";
    window.reset(), xdg.reset();
    EXPECT_TRUE(fs::is_empty(dir / "tmp"));
}

// Send > Card needs a program registered for mailto links, asked again when the Send menu opens;
// each answer of the mail program gets its message; without xdg-email, List and Tag say so and
// leave no file.
TEST_F(MailCommandsTest, WithoutAMailProgramOnlyListAndTagAreOffered) {
    fake.SetHandlerRegistered(false), DeckFilesTest::SetUp();
    UseCards({{"ant", "six legs", 1}, {"bee", "", 0}});
    EXPECT_EQ(Front().EmailButton(), nullptr) << "xdg-email alone is not enough";
    EXPECT_FALSE(SendCardEnabled());
    QMenu* send = nullptr;
    for (QObject* object : window->Action(CommandId::kSendCard)->associatedObjects()) {
        send = send ? send : qobject_cast<QMenu*>(object);
    }
    ASSERT_NE(send, nullptr);
    fake.SetHandlerRegistered(true), emit send->aboutToShow();
    TABULA_TRY_VERIFY(SendCardEnabled());
    for (const int status : {3, 1, 2, 4}) {
        fake.SetExitStatus(status), Trigger(CommandId::kSendCard);
        ExpectMessage(status == 3 ? "Load Fail\nNo mail program is set for mailto links"
                                  : "Failed To Send\nPlease verify your email setup in Control "
                                    "Panel");
    }
    EXPECT_TRUE(window->isEnabled());
    fake.RemoveXdgEmail(), emit send->aboutToShow();
    TABULA_TRY_VERIFY(!SendCardEnabled());
    Trigger(CommandId::kSendTag);
    ExpectMessage("Load Fail\nThe xdg-email command was not found (it comes with xdg-utils)");
    EXPECT_EQ(TempFiles(), 0u);
}

// The scripted transport: the window while the mail program has the message, and the answers
// xdg-email never gives.
using MailWindowTest = DeckFilesTest;

TEST_F(MailWindowTest, TheWindowIsDisabledUnderTheWaitCursorWhileTheMailProgramRuns) {
    mail.available = true, mail.folder = dir / "missing", Open();
    UseCards({{"ant", "x"}}), Trigger(CommandId::kSendList);
    ExpectOnlyMessage("File Error", "Tabula Error...", MessageIcon::kStop);
    EXPECT_TRUE(mail.sent.empty());
    prompts.messages.clear();
    // While it runs, and after: enabled?, the cursor over the program, shown?
    const auto now = [&, cursor = &QGuiApplication::overrideCursor] {
        return std::tuple(window->isEnabled(), cursor() ? cursor()->shape() : Qt::ArrowCursor,
                          window->isVisible());
    };
    auto during = now();
    mail.while_sending = [&](const MailMessage&) { during = now(), window->close(); };
    mail.outcomes.push_back(MailOutcome::NoEntryPoint()), Trigger(CommandId::kSendCard);
    EXPECT_EQ(during, std::tuple(false, Qt::WaitCursor, true)) << "and it cannot be closed";
    EXPECT_EQ(now(), std::tuple(true, Qt::ArrowCursor, true));
    ExpectOnlyMessage("Invalid Mapi32.DLL\nThe mail program cannot take messages",
                      QCoreApplication::applicationName(), MessageIcon::kWarning);
}

}  // namespace
}  // namespace tabula::test
