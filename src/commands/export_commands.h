#pragma once

namespace tabula {

struct CommandContext;
class Settings;

// File > Export > Text file and Comma Delimited Text: the whole deck from the front card on,
// into a file the user names. The file is replaced whole or not at all, and a failure is
// reported; the deck, its name and its flags are never touched.
void ExportText(CommandContext& context, const Settings& settings);
void ExportCommaDelimited(CommandContext& context, const Settings& settings);

}  // namespace tabula
