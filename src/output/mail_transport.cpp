#include "output/mail_transport.h"

namespace tabula {

std::string_view MailOutcomeMessage(const MailOutcome& outcome) {
    switch (outcome.kind) {
        // The second lines say what is missing on this system.
        case MailOutcome::Kind::kNoMailTool:
            return "Load Fail\nThe xdg-email command was not found (it comes with xdg-utils)";
        case MailOutcome::Kind::kNotLoadable:
            return "Load Fail\nNo mail program is set for mailto links";
        case MailOutcome::Kind::kNoEntryPoint:
            return "Invalid Mapi32.DLL\nThe mail program cannot take messages";
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
