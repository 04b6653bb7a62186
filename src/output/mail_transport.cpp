#include "output/mail_transport.h"

namespace tabula {

std::string_view MailOutcomeMessage(const MailOutcome& outcome) {
    switch (outcome.kind) {
        case MailOutcome::Kind::kNotLoadable:
            return "Load Fail\nThere may be a problem with MAPI32.DLL";
        case MailOutcome::Kind::kNoEntryPoint:
            return "Invalid Mapi32.DLL\nThere may be a problem with MAPI32.DLL";
        case MailOutcome::Kind::kReturned:
            break;
    }
    switch (outcome.code) {
        case MailOutcome::kSent:
        case MailOutcome::kCancelled:
        case MailOutcome::kLogonFailed:
            return {};
        default:
            return "Failed To Send\nPlease verify your email setup in Control Panel";
    }
}

}  // namespace tabula
