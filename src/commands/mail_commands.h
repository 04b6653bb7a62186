#pragma once

namespace tabula {

class DocumentHost;
class MailTransport;
struct CommandContext;

enum class MailContent {
    kCard,    // the front card as a note: its index as subject, its body as text
    kList,    // every index line, in an attached text file
    kTagged,  // the tagged cards with their bodies, in an attached text file
};

// Send > Card, List and Tag: prepares the message and hands it to the user's mail program,
// whose compose window takes it from there. The main window stays disabled, under the wait
// cursor, until the mail program has taken the message. The attached file is named after the
// deck file ("work.tbx.txt", or "Untitled.txt") and lives in the transport's folder. Nothing
// in the deck changes.
void SendCards(CommandContext& context, const DocumentHost& document, MailTransport& mail,
               MailContent content);

}  // namespace tabula
