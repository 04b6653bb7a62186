#pragma once

#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <vector>

class QProcess;

#include "output/mail_transport.h"

namespace tabula {

// The desktop's mail program, reached through xdg-utils: `xdg-mime` says whether a program
// is registered for mailto links and `xdg-email` hands it the message. Both are looked up on
// PATH each time, so a mail program installed while Tabula runs is found.
//
// Files to attach go to a private folder under the temporary directory, made when first
// needed and removed with everything in it when the transport ends (the program's end): a
// mail program may read the attachment well after xdg-email has returned. The folder stays
// only while a mail program that xdg-email started is still running then.
//
// xdg-email returns as soon as a running mail program has the message, but where the mail
// program was not running it becomes that program and returns only when the user quits it.
// So Send waits at most `hand_off` for it: a mail program still running after that has the
// message on screen, and Tabula goes on while it runs.
class XdgEmailTransport final : public MailTransport {
  public:
    explicit XdgEmailTransport(std::chrono::milliseconds hand_off = std::chrono::seconds(5));
    ~XdgEmailTransport() override;
    XdgEmailTransport(const XdgEmailTransport&) = delete;
    XdgEmailTransport& operator=(const XdgEmailTransport&) = delete;

    bool Available() override;
    // Runs xdg-email and waits for it, at most for the hand-off, handling events meanwhile
    // (the caller keeps the user's input away), so the windows are still painted.
    MailOutcome Send(const MailMessage& message) override;
    std::optional<std::filesystem::path> AttachmentFolder() override;

  private:
    std::chrono::milliseconds hand_off_;
    std::unique_ptr<QTemporaryDir> folder_;
    // Mail programs started by xdg-email that outlived the hand-off.
    std::vector<QProcess*> running_;
};

}  // namespace tabula
