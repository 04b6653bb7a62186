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
    for (const int status : {0, 1, 2, 3, 4}) {
        for (const int cards : {0, 1, 7}) {
            const DeckReadResult r{.status = static_cast<DeckReadResult::Status>(status),
                                   .cards_read = cards};
            EXPECT_EQ(DeckReadText(r, qpath).toStdString(), DeckReadMessage(r, path));
        }
    }
    for (const int status : {0, 1, 2, 3, 4, 5}) {
        for (const std::error_code error :
             {std::error_code(), make_error_code(std::errc::io_error)}) {
            const ReplaceResult r{.status = static_cast<ReplaceResult::Status>(status),
                                  .error = error};
            EXPECT_EQ(DeckWriteText(r, qpath).toStdString(), DeckWriteMessage(r, path));
            EXPECT_EQ(ExportErrorText(r, qpath).toStdString(), ExportMessage(r, path));
        }
    }
    for (const int status : {0, 1, 2, 3}) {
        for (const int card : {-1, 0, 4}) {
            const CardfileResult r{
                .status = static_cast<CardfileResult::Status>(status),
                .cards_read = card + 1,
                .damaged_card = card,
                .damaged_index = card == 4 ? "Caf\xe9" : "",
                .problem = {"its object's %1 (%2 bytes) runs past the end", {"class", "12"}}};
            EXPECT_EQ(CardfileText(r).toStdString(), CardfileMessage(r));
        }
    }
    for (const int kind : {0, 1, 2, 3}) {
        for (const int code : {MailOutcome::kSent, MailOutcome::kCancelled, MailOutcome::kFailed,
                               MailOutcome::kLogonFailed, 17}) {
            const MailOutcome outcome{static_cast<MailOutcome::Kind>(kind), code};
            EXPECT_EQ(MailOutcomeText(outcome).toStdString(), MailOutcomeMessage(outcome));
        }
    }
}

}  // namespace
}  // namespace tabula
