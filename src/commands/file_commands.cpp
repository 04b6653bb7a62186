#include "commands/file_commands.h"

#include <QFile>

#include "commands/command_context.h"
#include "commands/document_host.h"
#include "commands/file_dialogs.h"
#include "commands/import_command.h"
#include "deck/deck.h"
#include "deck/deck_file.h"
#include "deck/file_format.h"
#include "stack/card_stack.h"
#include "ui/prompts.h"
#include "ui/settings.h"

namespace tabula {

namespace {

const QString kErrorCaption = QStringLiteral("Tabula Error...");

void ReportFileError(Prompts& prompts, const std::string& text) {
    prompts.Message(QString::fromStdString(text), kErrorCaption, MessageIcon::kStop,
                    MessageButtons::kOk);
}

}  // namespace

std::filesystem::path FileSystemPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

FileCommands::FileCommands(CommandContext& context, Settings& settings, DocumentHost& document)
    : context_(context), settings_(settings), document_(document) {}

bool FileCommands::SettleChanges() {
    if (!context_.deck.Modified()) {
        return true;
    }
    switch (context_.prompts.Message(QStringLiteral("Save Changes ?"), QStringLiteral("Tabula"),
                                     MessageIcon::kQuestion, MessageButtons::kYesNoCancel)) {
        case Answer::kNo:
            return true;
        case Answer::kYes:
            return SaveDeck();
        default:
            return false;
    }
}

bool FileCommands::NewDeck() {
    if (!SettleChanges()) {
        return false;
    }
    context_.deck.ClearDeck();
    context_.stack.RefreshStack();
    document_.SetCurrentFile({});
    context_.deck.ClearModified();
    return true;
}

void FileCommands::New() {
    NewDeck();
    context_.stack.FocusEditor();
}

void FileCommands::Open() {
    const std::optional<QString> path =
        context_.prompts.OpenFile(FileRequest(FileKind::kDeck, false, settings_));
    if (path) {
        OpenDeck(*path);
    } else {
        context_.stack.FocusEditor();
    }
}

void FileCommands::OpenDeck(const QString& path, LastFile last_file) {
    if (NewDeck()) {
        if (IsCardfile(RecogniseFormat(FileSystemPath(path)))) {
            ImportCardfileFrom(*this, path);
        } else {
            ReadDeck(path, last_file);
        }
    }
    context_.stack.FocusEditor();
}

void FileCommands::ReadDeck(const QString& path, LastFile last_file) {
    const DeckReadResult result = ReadDeckFile(FileSystemPath(path), context_.deck);
    if (!result.Usable()) {
        // A file that broke off with a read error is not taken in part: the deck stays
        // empty and untitled, as after any file that could not be read.
        context_.deck.ClearDeck();
    }
    context_.deck.ClearModified();
    context_.stack.RefreshStack();
    if (result.Usable()) {
        document_.SetCurrentFile(path);
        if (last_file == LastFile::kWrite) {
            settings_.SetValue(QString::fromUtf8(kLastFileKey), path);
        }
    }
    document_.ShowCardCount();
    // Told after the cards are on screen: a file cut short shows what it kept.
    if (result.status != DeckReadResult::Status::kOk) {
        ReportFileError(context_.prompts, DeckReadMessage(result, path.toStdString()));
    }
}

void FileCommands::Save() {
    SaveDeck();
    context_.stack.FocusEditor();
}

void FileCommands::SaveAs() {
    SaveDeckAs();
}

bool FileCommands::SaveDeck() {
    if (document_.CurrentFile().isEmpty() || document_.Imported()) {
        return SaveDeckAs();
    }
    return WriteTo(document_.CurrentFile());
}

bool FileCommands::SaveDeckAs() {
    const std::optional<QString> chosen =
        context_.prompts.SaveFile(FileRequest(FileKind::kDeck, true, settings_));
    if (!chosen) {
        return false;
    }
    const QString path = WithDefaultExtension(*chosen, QStringLiteral("tbx"));
    if (!WriteTo(path)) {
        return false;
    }
    document_.SetCurrentFile(path);
    settings_.SetValue(QString::fromUtf8(kLastFileKey), path);
    return true;
}

// The file is replaced in one rename: a write that fails leaves the old file as it was, and
// the deck keeps its name and its changes.
bool FileCommands::WriteTo(const QString& path) {
    const ReplaceResult result = WriteDeckFile(FileSystemPath(path), context_.deck);
    if (!result.ok()) {
        ReportFileError(context_.prompts, DeckWriteMessage(result, path.toStdString()));
        return false;
    }
    context_.deck.ClearModified();
    document_.SetImported(false);
    return true;
}

void FileCommands::Merge() {
    const std::optional<QString> path =
        context_.prompts.OpenFile(FileRequest(FileKind::kDeck, false, settings_));
    if (path) {
        Deck& deck = context_.deck;
        // Merged cards stand in no one file (the current file lacks them, the merged file
        // lacks the deck's own), so the deck counts as changed, unless it was an empty deck
        // with nothing unsaved, which now holds exactly the merged file.
        const bool was_clean = deck.Empty() && !deck.Modified();
        const DeckReadResult result = ReadDeckFile(FileSystemPath(*path), deck);
        if (result.cards_read > 0 && !was_clean) {
            deck.SetModified();
        }
        context_.stack.RefreshStack();
        if (result.status != DeckReadResult::Status::kOk) {
            ReportFileError(context_.prompts, DeckReadMessage(result, path->toStdString()));
        }
    }
    context_.stack.FocusEditor();
}

}  // namespace tabula
