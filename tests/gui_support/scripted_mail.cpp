#include "gui_support/scripted_mail.h"

#include <gtest/gtest.h>

namespace tabula::test {

MailOutcome ScriptedMail::Send(const MailMessage& message) {
    sent.push_back(message);
    if (while_sending) {
        while_sending(message);
    }
    if (outcomes.empty()) {
        ADD_FAILURE() << "unexpected mail";
        return MailOutcome::NotLoadable();
    }
    const MailOutcome outcome = outcomes.front();
    outcomes.pop_front();
    return outcome;
}

}  // namespace tabula::test
