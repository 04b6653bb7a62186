#pragma once

#include <QString>
#include <QStringList>

namespace tabula {

// Hands a prepared message to the user's mail program. Not built yet: until it is, the
// program treats mail as unavailable and offers no E-mail button.
struct MailMessage {
    QString subject;
    QString body;
    QStringList attachments;
};

enum class MailResult { kSent, kCancelled, kLogonFailed, kFailed, kNotLoadable, kNoEntryPoint };

class MailTransport {
  public:
    virtual ~MailTransport() = default;
    virtual bool Available() const = 0;
    virtual MailResult Send(const MailMessage& message) = 0;
};

}  // namespace tabula
