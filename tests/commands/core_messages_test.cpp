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
    const QString qpath(path.c_str());
    for (int s = 0; s < 6; ++s) {  // every status of each kind of result
        for (const int n : {-1, 0, 1, 2, 3, 4, 17}) {
            SCOPED_TRACE(testing::Message() << s << ' ' << n);
            const DeckReadResult read{.status = DeckReadResult::Status(s % 5), .cards_read = n};
            EXPECT_EQ(DeckReadText(read, qpath).toStdString(), DeckReadMessage(read, path));
            const ReplaceResult r{
                .status = ReplaceResult::Status(s),
                .error = std::error_code(n < 0 ? 0 : EIO, std::generic_category())};
            EXPECT_EQ(DeckWriteText(r, qpath).toStdString(), DeckWriteMessage(r, path));
            EXPECT_EQ(ExportErrorText(r, qpath).toStdString(), ExportMessage(r, path));
            const CardfileResult crd{
                .status = CardfileResult::Status(s % 4),
                .cards_read = n + 1,
                .damaged_card = n,
                .damaged_index = n == 4 ? "Caf\xe9" : "",
                .problem = {"its object's %1 (%2 bytes) runs past the end", {"class", "12"}}};
            EXPECT_EQ(CardfileText(crd).toStdString(), CardfileMessage(crd));
            const MailOutcome mail{MailOutcome::Kind(s % 4), n};
            EXPECT_EQ(MailOutcomeText(mail).toStdString(), MailOutcomeMessage(mail));
        }
    }
}

}  // namespace
}  // namespace tabula
