#pragma once

namespace tabula {

struct CommandContext;
class DocumentHost;
class Settings;

// File > Export > Text file and Comma Delimited Text: the whole deck from the front card on,
// into a file the user names. The file is replaced whole or not at all, and a failure is
// reported; the deck, its name and its flags are never touched.
void ExportText(CommandContext& context, const Settings& settings, DocumentHost& document);
void ExportCommaDelimited(CommandContext& context, const Settings& settings,
                          DocumentHost& document);

}  // namespace tabula
