#pragma once

#include <QString>

namespace tabula {

struct CardfileResult;
struct DeckReadResult;
struct MailOutcome;
struct ReplaceResult;

// The messages about what the deck and output libraries report, in the user's language. The
// libraries hand over a status and its arguments; their own English texts serve tabula-cli,
// and these say the same in the program, with those English texts as the source texts.
QString FileErrorText(const QString& path);  // File Error - "path"
QString DeckReadText(const DeckReadResult& result, const QString& path);
QString DeckWriteText(const ReplaceResult& result, const QString& path);
QString ExportErrorText(const ReplaceResult& result, const QString& path);
QString CardfileText(const CardfileResult& result);
QString MailOutcomeText(const MailOutcome& outcome);  // empty when nothing is shown
// When the mail file cannot be written (stop icon; nothing is sent), and when the chosen
// printer cannot be opened at all (the application's name as caption, exclamation icon).
QString MailFileErrorText();
QString PrintFailedText();
// The caption of the file commands' error messages.
QString ErrorCaption();

}  // namespace tabula
