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

TEST(Mail, TheMessageTheFileAndTheMailProgramsArguments) {
    // 41 characters: the subject keeps 31, a body 511; then Windows-1252 goes as UTF-8.
    EXPECT_EQ(XdgEmailArguments(MailMessage::Note("Caf\xE9 notes for the planning committees",
                                                  "one\r\ntwo\rthree\nf\xE9")),
              (Args{"--utf8", "--subject", "Caf\xC3\xA9 notes for the planning com", "--body",
                    "one\ntwo\nthree\nf\xC3\xA9"}));
    EXPECT_EQ(MailMessage::Note("a", S(600, 'b')).NoteText(), S(511, 'b'));
    const MailMessage file = MailMessage::Attachment("/tmp/m/Untitled.txt");
    EXPECT_EQ(file.AttachmentName() + "|" + S(file.Subject()), "Untitled.txt|");
    EXPECT_EQ(XdgEmailArguments(file), (Args{"--utf8", "--attach", "/tmp/m/Untitled.txt"}));
    S names;
    for (const char* path :
         {"/home/u/decks/work.tbx", "C:\\decks\\work.tbx", "work.tbx", "", "/u/"})
        names += MailFileName(path) + " ";
    EXPECT_EQ(names, "work.tbx.txt work.tbx.txt work.tbx.txt Untitled.txt Untitled.txt ");
    S messages;
    // 1 is a usage error of xdg-email, but a cancel in the mail programs' own answers.
    for (const MailOutcome& outcome :
         {MailOutcome::Returned(0), MailOutcome::Returned(1), MailOutcome::Returned(3),
          MailOutcome::Returned(2), MailOutcome::Returned(26), MailOutcome::Returned(-1),
          MailOutcome::NoEntryPoint(), XdgEmailOutcome(true, 0), XdgEmailOutcome(false, 0),
          XdgEmailOutcome(true, 3), XdgEmailOutcome(true, 1)})
        messages += S(MailOutcomeMessage(outcome)) + "|";
    const S failed = "Failed To Send\nPlease verify your email setup in Control Panel|";
    EXPECT_EQ(messages,
              "|||" + failed + failed + failed +
                  "Invalid Mapi32.DLL\nThe mail program cannot take messages||Load Fail\nThe "
                  "xdg-email command was not found (it comes with xdg-utils)|Load Fail\nNo "
                  "mail program is set for mailto links|" +
                  failed);
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
    const S rule(60, '-');
    EXPECT_EQ(list.str() + "/" + tagged.str(), "m\r\nz\r\na\r\nb\r\n/z\r\n\r\n" + rule +
                                                   "\r\n\r\na\r\none\r\ntwo\r\n" + rule +
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
    EXPECT_FALSE(WriteMailFile(dir / "missing" / "m.txt", deck, MailContents::kList) ||
                 WriteMailFile(dir.path(), deck, MailContents::kList));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

}  // namespace
}  // namespace tabula
