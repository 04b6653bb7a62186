#include "output/xdg_email.h"

#include "deck/ansi.h"

namespace tabula {

namespace {

constexpr int kXdgToolNotFound = 3;

std::string WithLfBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> XdgEmailArguments(const MailMessage& message) {
    if (message.mode() == MailMessage::Mode::kAttachment) {
        return {"--utf8", "--attach", message.AttachmentPath().string()};
    }
    return {"--utf8", "--subject", AnsiToUtf8(message.Subject()), "--body",
            AnsiToUtf8(WithLfBreaks(message.NoteText()))};
}

MailOutcome XdgEmailOutcome(bool started, int exit_status) {
    if (!started) {
        return MailOutcome::NoMailTool();
    }
    if (exit_status == kXdgToolNotFound) {
        return MailOutcome::NotLoadable();
    }
    return MailOutcome::Returned(exit_status == 0 ? MailOutcome::kSent : MailOutcome::kFailed);
}

}  // namespace tabula
