#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "gui_support/scripted_prompts.h"
#include "output/mail_transport.h"

namespace tabula::test {

// A mail program that answers from a queue and keeps every message it was given. By default
// there is none: Available() is false and a message sent without a queued outcome fails the
// test.
class ScriptedMail final : public MailTransport {
  public:
    bool Available() override { return available; }
    std::optional<std::filesystem::path> AttachmentFolder() override { return folder; }
    MailOutcome Send(const MailMessage& message) override {
        sent.push_back(message);
        if (while_sending) {
            while_sending(message);  // the message is with the mail program
        }
        return NextAnswer(outcomes, "mail", MailOutcome::NotLoadable());
    }

    bool available = false;
    std::optional<std::filesystem::path> folder;
    std::deque<MailOutcome> outcomes;
    std::function<void(const MailMessage&)> while_sending;
    std::vector<MailMessage> sent;
};

}  // namespace tabula::test
