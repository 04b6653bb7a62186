#include "commands/import_command.h"

#include <QCoreApplication>
#include <cstdint>
#include <filesystem>

#include "commands/command_context.h"
#include "commands/core_messages.h"
#include "commands/document_host.h"
#include "commands/file_commands.h"
#include "commands/file_dialogs.h"
#include "commands/long_work.h"
#include "deck/cardfile.h"
#include "deck/deck.h"
#include "stack/card_stack.h"
#include "ui/prompts.h"

namespace tabula {

namespace {

// The import speaks with the program's own name as caption: the executable's base name.
void Tell(Prompts& prompts, const QString& text) {
    prompts.Message(text, QCoreApplication::applicationName(), MessageIcon::kWarning,
                    MessageButtons::kOk);
}

}  // namespace

// The file is read into a deck of its own, so that Cancel in the progress window leaves the
// open deck as it was; anything else replaces it, as Open does.
void ImportCardfileFrom(FileCommands& files, const QString& path) {
    CommandContext& c = files.Context();
    Deck read;
    CardfileResult result;
    {
        const std::filesystem::path file = FileSystemPath(path);
        const FileReadFeedback feedback(
            files.Document(), c.prompts,
            WorkText(QT_TRANSLATE_NOOP("tabula::LongWork", "Importing %1…"), path), file);
        result = ReadCardfileFile(file, read, {.progress = [&feedback](int done, int total) {
                                      return feedback.Advance(done, total);
                                  }});
    }
    if (result.status == CardfileResult::Status::kCancelled) {
        return;
    }
    files.DiscardDeck();
    c.deck.TakeCards(read);
    // A damaged file of which no card could be read leaves nothing to name the deck after.
    const bool nothing_read =
        result.status == CardfileResult::Status::kDamaged && result.cards_read == 0;
    if (result.Usable() && !nothing_read) {
        c.stack.RefreshStack();
        c.deck.ClearModified();
        files.Document().SetImported(true);
        files.Document().SetCurrentFile(path);
        files.Document().ShowCardCount();
    }
    if (result.status != CardfileResult::Status::kOk) {
        Tell(c.prompts, CardfileText(result));
    }
}

void ImportCardfile(FileCommands& files) {
    CommandContext& c = files.Context();
    const std::optional<QString> path =
        c.prompts.OpenFile(FileRequest(FileKind::kCardfile, false, files.AppSettings()));
    if (path && files.SettleChanges()) {
        ImportCardfileFrom(files, *path);
    }
    c.stack.FocusEditor();
}

}  // namespace tabula
