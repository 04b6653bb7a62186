#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "deck/export.h"
#include "output/mail_file.h"
#include "output/mail_message.h"
#include "output/mail_transport.h"
#include "output/xdg_email.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula {
namespace {

using Args = std::vector<std::string>;

const std::string kRule(60, '-');

TEST(MailMessage, NoteKeepsThe31BytesASubjectHolds) {
    const std::string index = "Meeting notes for the planning committees";  // 41 characters
    ASSERT_EQ(index.size(), kMaxIndexLength);
    const MailMessage note = MailMessage::Note(index, "line one\r\nline two");
    EXPECT_EQ(note.mode(), MailMessage::Mode::kNote);
    EXPECT_EQ(note.Subject(), "Meeting notes for the planning ");
    EXPECT_EQ(note.NoteText(), "line one\r\nline two");
    EXPECT_EQ(MailMessage::Note("a", std::string(600, 'b')).NoteText(), std::string(511, 'b'));

    const MailMessage file = MailMessage::Attachment("/tmp/tabula-mail/work.tbx.txt");
    EXPECT_EQ(file.mode(), MailMessage::Mode::kAttachment);
    EXPECT_EQ(file.AttachmentName(), "work.tbx.txt");
    EXPECT_EQ(file.Subject(), "");
}

TEST(MailFileName, IsTheDeckFilesNameWithTxtOrUntitled) {
    EXPECT_EQ(MailFileName("/home/u/decks/work.tbx"), "work.tbx.txt");
    EXPECT_EQ(MailFileName("C:\\decks\\work.tbx"), "work.tbx.txt");
    EXPECT_EQ(MailFileName("work.tbx"), "work.tbx.txt");
    EXPECT_EQ(MailFileName(""), "Untitled.txt");
    EXPECT_EQ(MailFileName("/home/u/"), "Untitled.txt");
}

TEST(MailFile, ListAndTaggedCardsWithCrLfFromTheFrontCard) {
    Deck deck;
    test::FillDeck(deck, {"a", "b", "m", "z"});
    deck.SetBody(0, "one\r\ntwo");  // a
    deck.SetTagged(0, true);
    deck.SetTagged(3, true);  // z
    deck.BringToFront(2);

    std::ostringstream list;
    ASSERT_TRUE(WriteMailList(list, deck));
    EXPECT_EQ(list.str(), "m\r\nz\r\na\r\nb\r\n");

    std::ostringstream tagged;
    ASSERT_TRUE(WriteMailTagged(tagged, deck));
    EXPECT_EQ(tagged.str(),
              "z\r\n\r\n" + kRule + "\r\n\r\na\r\none\r\ntwo\r\n" + kRule + "\r\n\r\n");
    Deck only_tagged;
    test::FillDeck(only_tagged, {"a", "z"});
    only_tagged.SetBody(0, "one\r\ntwo");
    only_tagged.BringToFront(1);
    std::ostringstream exported;
    ASSERT_TRUE(WriteTextExport(exported, only_tagged));
    EXPECT_EQ(tagged.str(), exported.str());

    Deck none;
    test::FillDeck(none, {"a"});
    std::ostringstream empty;
    ASSERT_TRUE(WriteMailTagged(empty, none));
    EXPECT_EQ(empty.str(), "");
}

TEST(MailFile, WritesOverAnOldFileAndLeavesNothingWhenItCannot) {
    test::TempDir dir;
    Deck deck;
    test::FillDeck(deck, {"x"});
    const auto path = dir / "work.tbx.txt";
    test::WriteFileBytes(path, "an older and longer mail file");
    ASSERT_TRUE(WriteMailFile(path, deck, MailContents::kList));
    EXPECT_EQ(test::ReadFileBytes(path), "x\r\n");
    ASSERT_TRUE(WriteMailFile(path, deck, MailContents::kTagged));
    EXPECT_EQ(test::ReadFileBytes(path), "");

    EXPECT_FALSE(WriteMailFile(dir / "missing" / "m.txt", deck, MailContents::kList));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_FALSE(WriteMailFile(dir.path(), deck, MailContents::kList));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
}

TEST(MailOutcome, MessagesForEachResult) {
    for (const int quiet : {0, 1, 3}) {
        EXPECT_EQ(MailOutcomeMessage(MailOutcome::Returned(quiet)), "") << quiet;
    }
    for (const int failed : {2, 4, 26, -1}) {
        EXPECT_EQ(MailOutcomeMessage(MailOutcome::Returned(failed)),
                  "Failed To Send\nPlease verify your email setup in Control Panel")
            << failed;
    }
    EXPECT_EQ(MailOutcomeMessage(MailOutcome::NoEntryPoint()),
              "Invalid Mapi32.DLL\nThe mail program cannot take messages");
}

TEST(XdgEmail, ArgumentsAndExitStatus) {
    EXPECT_EQ(XdgEmailArguments(MailMessage::Note("Caf\xE9", "one\r\ntwo\rthree\nfour")),
              (Args{"--utf8", "--subject", "Caf\xC3\xA9", "--body", "one\ntwo\nthree\nfour"}));
    EXPECT_EQ(XdgEmailArguments(MailMessage::Attachment("/tmp/m/Untitled.txt")),
              (Args{"--utf8", "--attach", "/tmp/m/Untitled.txt"}));

    const auto message = [](bool started, int status) {
        return std::string(MailOutcomeMessage(XdgEmailOutcome(started, status)));
    };
    EXPECT_EQ(message(true, 0), "");
    EXPECT_EQ(message(false, 0),
              "Load Fail\nThe xdg-email command was not found (it comes with xdg-utils)");
    EXPECT_EQ(message(true, 3), "Load Fail\nNo mail program is set for mailto links");
    // Status 1 is a usage error of xdg-email, not a cancel.
    EXPECT_EQ(message(true, 1), "Failed To Send\nPlease verify your email setup in Control Panel");
}

}  // namespace
}  // namespace tabula
