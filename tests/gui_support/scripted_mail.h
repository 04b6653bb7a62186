#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "output/mail_transport.h"

namespace tabula::test {

// A mail program that answers from a queue and keeps every message it was given. By default
// there is none: Available() is false and a message sent without a queued outcome fails the
// test.
class ScriptedMail final : public MailTransport {
  public:
    bool Available() override { return available; }
    MailOutcome Send(const MailMessage& message) override;
    std::optional<std::filesystem::path> AttachmentFolder() override { return folder; }

    bool available = false;
    std::optional<std::filesystem::path> folder;
    std::deque<MailOutcome> outcomes;
    // Runs while the message is with the mail program.
    std::function<void(const MailMessage&)> while_sending;

    std::vector<MailMessage> sent;
};

}  // namespace tabula::test
