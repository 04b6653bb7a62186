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

using S = std::string;
using Args = std::vector<S>;
const S kRule(60, '-');

TEST(Mail, TheMessageTheFileAndTheMailProgramsArguments) {
    const MailMessage note =
        MailMessage::Note("Meeting notes for the planning committees", "1\r\n2");
    EXPECT_EQ(note.mode(), MailMessage::Mode::kNote);  // 31 of 41 characters in the subject
    EXPECT_EQ(note.Subject(), "Meeting notes for the planning ");
    EXPECT_EQ(MailMessage::Note("a", S(600, 'b')).NoteText(), S(511, 'b'));
    EXPECT_EQ(XdgEmailArguments(MailMessage::Note("Caf\xE9", "one\r\ntwo\rthree\nfour")),
              (Args{"--utf8", "--subject", "Caf\xC3\xA9", "--body", "one\ntwo\nthree\nfour"}));
    const MailMessage file = MailMessage::Attachment("/tmp/m/Untitled.txt");
    EXPECT_EQ(file.AttachmentName() + "|" + S(file.Subject()), "Untitled.txt|");
    EXPECT_EQ(XdgEmailArguments(file), (Args{"--utf8", "--attach", "/tmp/m/Untitled.txt"}));
    for (const auto& [path, name] :
         std::vector<std::pair<S, S>>{{"/home/u/decks/work.tbx", "work.tbx.txt"},
                                      {"C:\\decks\\work.tbx", "work.tbx.txt"},
                                      {"work.tbx", "work.tbx.txt"},
                                      {"", "Untitled.txt"},
                                      {"/home/u/", "Untitled.txt"}}) {
        EXPECT_EQ(MailFileName(path), name);
    }
    const S failed = "Failed To Send\nPlease verify your email setup in Control Panel";
    for (const auto& [outcome, message] : std::vector<std::pair<MailOutcome, S>>{
             {MailOutcome::Returned(0), ""},
             {MailOutcome::Returned(1), ""},
             {MailOutcome::Returned(3), ""},
             {MailOutcome::Returned(2), failed},
             {MailOutcome::Returned(26), failed},
             {MailOutcome::Returned(-1), failed},
             {MailOutcome::NoEntryPoint(),
              "Invalid Mapi32.DLL\nThe mail program cannot take messages"},
             {XdgEmailOutcome(true, 0), ""},
             {XdgEmailOutcome(false, 0),
              "Load Fail\nThe xdg-email command was not found (it comes with xdg-utils)"},
             {XdgEmailOutcome(true, 3), "Load Fail\nNo mail program is set for mailto links"},
             {XdgEmailOutcome(true, 1), failed}}) {  // 1 is a usage error of xdg-email
        EXPECT_EQ(MailOutcomeMessage(outcome), message);
    }
}

TEST(Mail, ListAndTaggedCardsWithCrLfFromTheFrontCard) {
    Deck deck;
    test::FillDeck(deck, {"a", "b", "m", "z"});
    deck.SetBody(0, "one\r\ntwo");
    deck.SetTagged(0, true);
    deck.SetTagged(3, true);
    deck.BringToFront(2);
    std::ostringstream list, tagged;
    ASSERT_TRUE(WriteMailList(list, deck) && WriteMailTagged(tagged, deck));
    EXPECT_EQ(list.str() + "/" + tagged.str(), "m\r\nz\r\na\r\nb\r\n/z\r\n\r\n" + kRule +
                                                   "\r\n\r\na\r\none\r\ntwo\r\n" + kRule +
                                                   "\r\n\r\n");

    test::TempDir dir;
    const auto path = dir / "work.tbx.txt";
    test::WriteFileBytes(path, "an older and longer mail file");
    ASSERT_TRUE(WriteMailFile(path, deck, MailContents::kList));
    EXPECT_EQ(test::ReadFileBytes(path), list.str());
    deck.SetTagged(1, false);
    deck.SetTagged(2, false);
    ASSERT_TRUE(WriteMailFile(path, deck, MailContents::kTagged));
    EXPECT_EQ(test::ReadFileBytes(path), "");
    EXPECT_FALSE(WriteMailFile(dir / "missing" / "m.txt", deck, MailContents::kList));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_FALSE(WriteMailFile(dir.path(), deck, MailContents::kList));
}

}  // namespace
}  // namespace tabula
