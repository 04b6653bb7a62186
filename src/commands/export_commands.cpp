#include "commands/export_commands.h"

#include <cstdint>
#include <functional>

#include "commands/command_context.h"
#include "commands/core_messages.h"
#include "commands/file_commands.h"
#include "commands/file_dialogs.h"
#include "commands/long_work.h"
#include "deck/deck.h"
#include "deck/deck_file.h"
#include "deck/export.h"
#include "stack/card_stack.h"
#include "ui/prompts.h"

namespace tabula {

namespace {

using Writer = std::function<ReplaceResult(const std::filesystem::path&, const Deck&)>;

void Export(CommandContext& c, const Settings& settings, DocumentHost& document,
            const Writer& write) {
    const std::optional<QString> chosen =
        c.prompts.SaveFile(FileRequest(FileKind::kText, true, settings));
    if (chosen) {
        const QString path = WithDefaultExtension(*chosen, QStringLiteral("txt"));
        const ReplaceResult result = [&] {
            const LongWork work(
                document, WorkText(QT_TRANSLATE_NOOP("tabula::LongWork", "Exporting %1…"), path),
                std::int64_t{c.deck.Count()} * kDeckRecordSize);
            return write(FileSystemPath(path), c.deck);
        }();
        if (!result.ok()) {
            c.prompts.Message(ExportErrorText(result, path), ErrorCaption(), MessageIcon::kStop,
                              MessageButtons::kOk);
        }
    }
    c.stack.FocusEditor();
}

}  // namespace

void ExportText(CommandContext& context, const Settings& settings, DocumentHost& document) {
    Export(context, settings, document, [](const std::filesystem::path& path, const Deck& deck) {
        return WriteTextExport(path, deck);
    });
}

void ExportCommaDelimited(CommandContext& context, const Settings& settings,
                          DocumentHost& document) {
    Export(context, settings, document, [](const std::filesystem::path& path, const Deck& deck) {
        return WriteCommaDelimitedExport(path, deck);
    });
}

}  // namespace tabula
