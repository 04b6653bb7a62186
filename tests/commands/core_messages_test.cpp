#include "commands/core_messages.h"

#include <gtest/gtest.h>

#include "deck/cardfile.h"
#include "deck/deck_file.h"
#include "deck/export.h"
#include "output/mail_transport.h"

namespace tabula {
namespace {

// Without a translation the program says word for word what the libraries say (and
// tabula-cli prints): the English texts exist twice, and this keeps them the same.
TEST(CoreMessagesTest, TheEnglishTextsAreTheLibrariesOwn) {
    const std::string path = "/tmp/a \"%1\" deck.tbx";
    const QString qpath = QString::fromStdString(path);
    using Read = DeckReadResult::Status;
    for (const Read status :
         {Read::kOk, Read::kCannotOpen, Read::kIncompatible, Read::kTruncated, Read::kReadError}) {
        for (const int cards : {0, 1, 7}) {
            const DeckReadResult r{.status = status, .cards_read = cards};
            EXPECT_EQ(DeckReadText(r, qpath).toStdString(), DeckReadMessage(r, path));
        }
    }
    using Write = ReplaceResult::Status;
    for (const Write status : {Write::kOk, Write::kCannotCreate, Write::kWriteProtected,
                               Write::kNoSpace, Write::kWriteFailed, Write::kPartlyWritten}) {
        for (const std::error_code error :
             {std::error_code(), make_error_code(std::errc::io_error)}) {
            const ReplaceResult r{.status = status, .error = error};
            EXPECT_EQ(DeckWriteText(r, qpath).toStdString(), DeckWriteMessage(r, path));
            EXPECT_EQ(ExportErrorText(r, qpath).toStdString(), ExportMessage(r, path));
        }
    }
    using Import = CardfileResult::Status;
    for (const Import status :
         {Import::kOk, Import::kCannotOpen, Import::kNotCompatible, Import::kDamaged}) {
        for (const int card : {-1, 0, 4}) {
            const CardfileResult r{
                .status = status,
                .cards_read = card + 1,
                .damaged_card = card,
                .damaged_index = card == 4 ? "Caf\xe9" : "",
                .problem = {"its object's %1 (%2 bytes) runs past the end", {"class name", "12"}}};
            EXPECT_EQ(CardfileText(r).toStdString(), CardfileMessage(r));
        }
    }
    for (const auto kind : {MailOutcome::Kind::kReturned, MailOutcome::Kind::kNoMailTool,
                            MailOutcome::Kind::kNotLoadable, MailOutcome::Kind::kNoEntryPoint}) {
        for (const int code : {MailOutcome::kSent, MailOutcome::kCancelled, MailOutcome::kFailed,
                               MailOutcome::kLogonFailed, 17}) {
            const MailOutcome outcome{kind, code};
            EXPECT_EQ(MailOutcomeText(outcome).toStdString(), MailOutcomeMessage(outcome));
        }
    }
}

}  // namespace
}  // namespace tabula
