#include "commands/mail_commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <filesystem>
#include <optional>

#include "commands/command_context.h"
#include "commands/core_messages.h"
#include "commands/document_host.h"
#include "commands/file_commands.h"
#include "deck/deck.h"
#include "output/mail_file.h"
#include "output/mail_message.h"
#include "output/mail_transport.h"
#include "stack/card_stack.h"
#include "stack/stack_view.h"
#include "ui/prompts.h"

namespace tabula {

namespace {

// While the mail program has the message, the main window takes no input: the deck must not
// change under a command that is still running, and the window must not close.
MailOutcome SendWhileDisabled(QWidget* window, MailTransport& mail, const MailMessage& message) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    window->setEnabled(false);
    const MailOutcome outcome = mail.Send(message);
    window->setEnabled(true);
    QGuiApplication::restoreOverrideCursor();
    window->activateWindow();
    return outcome;
}

// A file of the list or the tagged cards in the transport's folder, or nothing when it cannot
// be written (the reason has been told).
std::optional<std::filesystem::path> WriteAttachment(CommandContext& c,
                                                     const DocumentHost& document,
                                                     MailTransport& mail, MailContent content) {
    std::optional<std::filesystem::path> path = mail.AttachmentFolder();
    if (path) {
        *path /= FileSystemPath(
            QString::fromStdString(MailFileName(document.CurrentFile().toStdString())));
        const MailContents what =
            content == MailContent::kList ? MailContents::kList : MailContents::kTagged;
        if (!WriteMailFile(*path, c.deck, what)) {
            path.reset();
        }
    }
    if (!path) {
        c.prompts.Message(MailFileErrorText(), ErrorCaption(), MessageIcon::kStop,
                          MessageButtons::kOk);
    }
    return path;
}

}  // namespace

void SendCards(CommandContext& c, const DocumentHost& document, MailTransport& mail,
               MailContent content) {
    std::optional<std::filesystem::path> attachment;
    if (content != MailContent::kCard) {
        attachment = WriteAttachment(c, document, mail, content);
        if (!attachment) {
            c.stack.FocusEditor();
            return;
        }
    }
    const MailMessage message =
        attachment ? MailMessage::Attachment(*attachment)
                   : MailMessage::Note(c.deck.Front().Index(), c.deck.Front().Body());
    const MailOutcome outcome = SendWhileDisabled(c.stack.View()->window(), mail, message);
    if (attachment && outcome.kind != MailOutcome::Kind::kReturned) {
        // No mail program saw the file: nothing will ever read it.
        std::error_code ignored;
        std::filesystem::remove(*attachment, ignored);
    }
    if (const QString text = MailOutcomeText(outcome); !text.isEmpty()) {
        c.prompts.Message(text, QCoreApplication::applicationName(), MessageIcon::kWarning,
                          MessageButtons::kOk);
    }
    c.stack.FocusEditor();
}

}  // namespace tabula
