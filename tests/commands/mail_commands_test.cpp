#include "commands/mail_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
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

const QString kLoadFail = QStringLiteral("Load Fail\nNo mail program is set for mailto links");
const QString kNoXdgEmail =
    QStringLiteral("Load Fail\nThe xdg-email command was not found (it comes with xdg-utils)");
const QString kFailedToSend =
    QStringLiteral("Failed To Send\nPlease verify your email setup in Control Panel");
const std::string kDashes(60, '-');

// Sets an environment variable for as long as it lives.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

  private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

// The real transport with stand-ins for xdg-email and xdg-mime alone on PATH, and the
// temporary folder inside the test's own.
class MailCommandsTest : public DeckFilesTest {
  protected:
    void SetUp() override {
        fs::create_directories(dir / "tmp");
        tmp_ = std::make_unique<ScopedEnv>("TMPDIR", QByteArray((dir / "tmp").c_str()));
        path_ = std::make_unique<ScopedEnv>("PATH", QByteArray(fake.BinFolder().c_str()));
        mail_transport = xdg.get();
    }
    void TearDown() override {
        DeckFilesTest::TearDown();
        xdg.reset();
        path_.reset();
        tmp_.reset();
    }
    void OpenWindow() { DeckFilesTest::SetUp(); }
    // ant, bee, cat, dog with cat in front; ant and cat tagged.
    void FourCards() {
        OpenWindow();
        UseCards(
            {{"ant", "six legs", 1}, {"bee", "", 0}, {"cat", "meow\r\npurr", 1}, {"dog", "", 0}});
        window->Stack().BringToFront(2);
    }
    bool SendCardEnabled() {
        window->UpdateActions();
        return window->Action(CommandId::kSendCard)->isEnabled();
    }
    std::vector<fs::path> TempFiles() const {
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir / "tmp")) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
        return files;
    }
    void ExpectMailMessage(const QString& text) {
        ExpectOnlyMessage(text, QCoreApplication::applicationName(), MessageIcon::kWarning);
    }

    FakeMailProgram fake{dir / "fake"};
    std::unique_ptr<XdgEmailTransport> xdg = std::make_unique<XdgEmailTransport>();

  private:
    std::unique_ptr<ScopedEnv> tmp_;
    std::unique_ptr<ScopedEnv> path_;
};

TEST_F(MailCommandsTest, SendCardHandsTheFrontCardToTheMailProgramAsANote) {
    OpenWindow();
    ASSERT_NE(Front().EmailButton(), nullptr) << "a mail program is registered";
    // 41 characters: the subject keeps 31. The body's line breaks reach xdg-email as LF, and
    // its Windows-1252 bytes as UTF-8.
    UseCards({{"Meeting notes of the budget committee 2026", "Caf\xE9 at ten\r\nbring figures"}});
    deck.ClearModified();
    ASSERT_TRUE(SendCardEnabled());
    Front().EmailButton()->click();
    EXPECT_EQ(fake.Arguments(),
              (std::vector<std::string>{"--utf8", "--subject", "Meeting notes of the budget com",
                                        "--body", "Caf\xC3\xA9 at ten\nbring figures"}));
    ExpectNoMessage();
    EXPECT_FALSE(deck.Modified());
    EXPECT_TRUE(TempFiles().empty()) << "a note needs no file";
}

TEST_F(MailCommandsTest, ListAndTagAttachAFileNamedAfterTheDeck) {
    FourCards();
    window->SetCurrentFile(QStringLiteral("/decks/work.tbx"));
    Trigger(CommandId::kSendList);
    std::vector<std::string> args = fake.Arguments();
    ASSERT_EQ(args.size(), 3u);
    EXPECT_EQ(args[0], "--utf8");
    EXPECT_EQ(args[1], "--attach");
    EXPECT_EQ(fs::path(args[2]).filename(), "work.tbx.txt");
    EXPECT_EQ(fs::path(args[2]).parent_path().parent_path(), dir / "tmp")
        << "a private folder in the temporary folder";
    EXPECT_EQ(fake.Attachment(), "cat\r\ndog\r\nant\r\nbee\r\n");

    // The tagged cards from the front card on, as Export Text writes them.
    Trigger(CommandId::kSendTag);
    EXPECT_EQ(fake.Arguments().at(2), args[2]);
    EXPECT_EQ(fake.Attachment(), "cat\r\nmeow\r\npurr\r\n" + kDashes + "\r\n\r\n" +
                                     "ant\r\nsix legs\r\n" + kDashes + "\r\n\r\n");
    ExpectNoMessage();
    EXPECT_EQ(TempFiles().size(), 1u) << "one file of that name, kept for the mail program";

    // An untitled deck; no tagged card gives an empty file, offered all the same.
    window->SetCurrentFile({});
    deck.SetTagged(0, false);
    deck.SetTagged(2, false);
    Trigger(CommandId::kSendTag);
    EXPECT_EQ(fs::path(fake.Arguments().at(2)).filename(), "Untitled.txt");
    EXPECT_EQ(fake.Attachment(), "");
    ExpectNoMessage();
}

TEST_F(MailCommandsTest, EachAnswerOfTheMailProgramGetsItsMessage) {
    FourCards();
    struct Case {
        int status;
        QString message;  // empty: none
    };
    for (const Case& c : {Case{0, {}}, Case{3, kLoadFail}, Case{1, kFailedToSend},
                          Case{2, kFailedToSend}, Case{4, kFailedToSend}}) {
        SCOPED_TRACE(c.status);
        prompts.messages.clear();
        fake.SetExitStatus(c.status);
        Trigger(CommandId::kSendCard);
        if (c.message.isEmpty()) {
            ExpectNoMessage();
        } else {
            ExpectMailMessage(c.message);
        }
        EXPECT_TRUE(window->isEnabled());
    }
}

TEST_F(MailCommandsTest, WithoutAMailProgramOnlyListAndTagAreOfferedAndTheyLeaveNoFile) {
    fake.RemoveXdgEmail();
    FourCards();
    EXPECT_EQ(Front().EmailButton(), nullptr);
    EXPECT_FALSE(SendCardEnabled());
    Trigger(CommandId::kSendList);
    ExpectMailMessage(kNoXdgEmail);
    prompts.messages.clear();
    Trigger(CommandId::kSendTag);
    ExpectMailMessage(kNoXdgEmail);
    EXPECT_TRUE(TempFiles().empty());
}

TEST_F(MailCommandsTest, SendCardNeedsARegisteredMailProgramAndACardAskedAgainAtTheSendMenu) {
    fake.SetHandlerRegistered(false);
    OpenWindow();
    EXPECT_EQ(Front().EmailButton(), nullptr) << "xdg-email alone is not enough";
    EXPECT_FALSE(SendCardEnabled());

    // A mail program set up while Tabula runs: Send > Card follows when its menu opens.
    fake.SetHandlerRegistered(true);
    QMenu* send = nullptr;
    for (QObject* object : window->Action(CommandId::kSendCard)->associatedObjects()) {
        send = send ? send : qobject_cast<QMenu*>(object);
    }
    ASSERT_NE(send, nullptr);
    UseCards({{"ant", ""}});
    EXPECT_FALSE(SendCardEnabled());
    emit send->aboutToShow();
    TABULA_TRY_VERIFY(SendCardEnabled());
    EXPECT_TRUE(window->Action(CommandId::kSendList)->isEnabled());
}

TEST_F(MailCommandsTest, TheAttachmentFolderGoesWhenTheProgramEnds) {
    FourCards();
    Trigger(CommandId::kSendList);
    Trigger(CommandId::kSendTag);
    ASSERT_TRUE(fake.Ran());
    EXPECT_EQ(TempFiles().size(), 1u);
    window.reset();
    xdg.reset();
    EXPECT_TRUE(fs::is_empty(dir / "tmp"));
}

TEST_F(MailCommandsTest, AMailProgramThatRunsOnHasTheMessageAndOutlivesTabula) {
    xdg = std::make_unique<XdgEmailTransport>(std::chrono::milliseconds(200));
    mail_transport = xdg.get();
    fake.HoldUntilReleased();
    FourCards();
    Trigger(CommandId::kSendList);
    // Handed over: no message, the window is given back while the mail program runs.
    ExpectNoMessage();
    EXPECT_TRUE(window->isEnabled());
    TABULA_TRY_VERIFY(fake.Ran());
    EXPECT_FALSE(fake.Finished());

    // Tabula ends; the mail program is not killed with it, nor its attachment taken away.
    const std::vector<std::string> args = fake.Arguments();
    ASSERT_EQ(args.size(), 3u);
    window.reset();
    xdg.reset();
    EXPECT_TRUE(fs::exists(args[2]));
    fake.Release();
    TABULA_TRY_VERIFY(fake.Finished());
}

// The scripted transport: what the window does while the mail program has the message, and
// the answers xdg-email never gives.
using MailWindowTest = DeckFilesTest;

TEST_F(MailWindowTest, TheWindowIsDisabledUnderTheWaitCursorWhileTheMailProgramRuns) {
    mail.available = true;
    mail.folder = dir.path();
    Open();
    UseCards({{"ant", "x"}});
    bool disabled = false;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    mail.while_sending = [&](const MailMessage&) {
        disabled = !window->isEnabled();
        const QCursor* override_cursor = QGuiApplication::overrideCursor();
        cursor = override_cursor ? override_cursor->shape() : Qt::ArrowCursor;
        // The window cannot close under the command.
        EXPECT_FALSE(window->close());
    };
    for (const int code : {MailOutcome::kCancelled, MailOutcome::kLogonFailed}) {
        mail.outcomes.push_back(MailOutcome::Returned(code));
        Trigger(CommandId::kSendCard);
        EXPECT_TRUE(disabled);
        EXPECT_EQ(cursor, Qt::WaitCursor);
        EXPECT_TRUE(window->isEnabled());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(window->isVisible());
    }
    ExpectNoMessage();
    mail.outcomes.push_back(MailOutcome::NoEntryPoint());
    Trigger(CommandId::kSendCard);
    ExpectOnlyMessage(QStringLiteral("Invalid Mapi32.DLL\nThe mail program cannot take messages"),
                      QCoreApplication::applicationName(), MessageIcon::kWarning);
}

TEST_F(MailWindowTest, AFileThatCannotBeWrittenIsAFileErrorAndNothingIsSent) {
    mail.folder = dir / "missing";
    Open();
    UseCards({{"ant", "x"}});
    Trigger(CommandId::kSendList);
    ExpectOnlyMessage(QStringLiteral("File Error"), QStringLiteral("Tabula Error..."),
                      MessageIcon::kStop);
    EXPECT_TRUE(mail.sent.empty());
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

}  // namespace
}  // namespace tabula::test
