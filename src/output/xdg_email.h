#pragma once

#include <string>
#include <vector>

#include "output/mail_message.h"
#include "output/mail_transport.h"

namespace tabula {

// A Linux mail transport runs `xdg-email`, which opens the desktop's mail program with the
// message and returns when that has taken it.

// Its arguments: "--utf8" and either "--subject S --body B" or "--attach PATH". Card bytes are
// converted to UTF-8 (without --utf8 xdg-email drops every other character) and each line
// break (CR LF, or a lone CR or LF) is passed as LF.
std::vector<std::string> XdgEmailArguments(const MailMessage& message);

// How it ended, as an outcome: not started (no xdg-email on the path) or exit status 3 (no
// mail program registered) mean there is no mail program; 0 is sent; any other status, a
// crash included, failed. A status of 1 is a usage error there, not a cancel; the user's
// cancel cannot be told from a send.
MailOutcome XdgEmailOutcome(bool started, int exit_status);

}  // namespace tabula
