#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "output/mail_message.h"

namespace tabula {

// What became of handing a message to the mail program.
struct MailOutcome {
    enum class Kind {
        kReturned,      // the mail program ran and answered with `code`
        kNoMailTool,    // the command that hands messages on is missing
        kNotLoadable,   // there is no mail program to hand the message to
        kNoEntryPoint,  // the mail program cannot take messages
    };
    // The answers, read as Simple MAPI's: sent, cancelled by the user, logon failed. Any
    // other code is a failure.
    static constexpr int kSent = 0;
    static constexpr int kCancelled = 1;
    static constexpr int kFailed = 2;
    static constexpr int kLogonFailed = 3;

    Kind kind = Kind::kReturned;
    int code = kSent;

    static MailOutcome Returned(int code) { return {Kind::kReturned, code}; }
    static MailOutcome NoMailTool() { return {Kind::kNoMailTool, kFailed}; }
    static MailOutcome NotLoadable() { return {Kind::kNotLoadable, kFailed}; }
    static MailOutcome NoEntryPoint() { return {Kind::kNoEntryPoint, kFailed}; }
};

// Hands a message to the user's mail program, which shows its compose window (and logs on
// first if it must), and waits until the user has sent or cancelled it. Subject and note text
// are card bytes (Windows-1252); the transport converts them for the mail program and passes
// line breaks as it expects them. An attachment must stay readable after Send returns: some
// mail programs read it later.
class MailTransport {
  public:
    virtual ~MailTransport() = default;

    // Whether there is a mail program to hand messages to. It may have to ask the desktop,
    // so callers keep the answer rather than ask on every repaint.
    virtual bool Available() = 0;
    virtual MailOutcome Send(const MailMessage& message) = 0;
    // Where a file to attach is written: a folder that stays readable for as long as the mail
    // program may read from it. Nothing when no such folder can be had.
    virtual std::optional<std::filesystem::path> AttachmentFolder() = 0;
};

// Where no mail program can be reached at all (benchmarks, a build without one): nothing is
// offered and nothing is sent.
class NoMailTransport final : public MailTransport {
  public:
    bool Available() override { return false; }
    MailOutcome Send(const MailMessage&) override { return MailOutcome::NotLoadable(); }
    std::optional<std::filesystem::path> AttachmentFolder() override { return std::nullopt; }
};

// The message shown for an outcome, with the application's name as caption and the
// exclamation icon; empty when nothing is shown (sent, cancelled, logon failed). "\n" is a
// line break within the message.
std::string_view MailOutcomeMessage(const MailOutcome& outcome);

}  // namespace tabula
