#pragma once

#include <QTemporaryDir>
#include <memory>

#include "output/mail_transport.h"

namespace tabula {

// The desktop's mail program, reached through xdg-utils: `xdg-mime` says whether a program
// is registered for mailto links and `xdg-email` hands it the message. Both are looked up on
// PATH each time, so a mail program installed while Tabula runs is found.
//
// Files to attach go to a private folder under the temporary directory, made when first
// needed and removed with everything in it when the transport ends (the program's end): a
// mail program may read the attachment well after xdg-email has returned.
class XdgEmailTransport final : public MailTransport {
  public:
    XdgEmailTransport();
    ~XdgEmailTransport() override;

    bool Available() override;
    // Runs xdg-email and waits for it, handling events meanwhile (the caller keeps the user's
    // input away), so the windows are still painted while the mail program starts.
    MailOutcome Send(const MailMessage& message) override;
    std::optional<std::filesystem::path> AttachmentFolder() override;

  private:
    std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace tabula
