#include "commands/file_commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdint>

#include "commands/command_context.h"
#include "commands/core_messages.h"
#include "commands/document_host.h"
#include "commands/file_dialogs.h"
#include "commands/import_command.h"
#include "commands/long_work.h"
#include "deck/deck.h"
#include "deck/deck_file.h"
#include "deck/file_format.h"
#include "stack/card_stack.h"
#include "ui/prompts.h"
#include "ui/settings.h"

namespace tabula {

namespace {

void ReportFileError(Prompts& prompts, const QString& text) {
    prompts.Message(text, ErrorCaption(), MessageIcon::kStop, MessageButtons::kOk);
}

}  // namespace

std::filesystem::path FileSystemPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

FileCommands::FileCommands(CommandContext& context, Settings& settings, DocumentHost& document)
    : context_(context),
      settings_(settings),
      document_(document),
      recovery_(context.deck, [this] { return document_.CurrentFile(); }) {}

bool FileCommands::SettleChanges() {
    if (!context_.deck.Modified()) {
        return true;
    }
    switch (context_.prompts.Message(
        QCoreApplication::translate("tabula::FileCommands", "Save Changes ?"),
        QCoreApplication::translate("tabula::FileCommands", "Tabula"), MessageIcon::kQuestion,
        MessageButtons::kYesNoCancel)) {
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
    DiscardDeck();
    return true;
}

void FileCommands::DiscardDeck() {
    context_.deck.ClearDeck();
    context_.stack.RefreshStack();
    document_.SetCurrentFile({});
    stamp_.reset();
    context_.deck.ClearModified();
    recovery_.Remove();
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
    if (SettleChanges() && !OfferRecovery(path, last_file)) {
        if (IsCardfile(RecogniseFormat(FileSystemPath(path)))) {
            ImportCardfileFrom(*this, path);
        } else {
            ReadDeck(path, last_file);
        }
    }
    context_.stack.FocusEditor();
}

void FileCommands::RecoverUntitled() {
    if (context_.deck.Empty() && !context_.deck.Modified()) {
        OfferRecovery({}, LastFile::kKeep);
    }
    context_.stack.FocusEditor();
}

bool FileCommands::OfferRecovery(const QString& path, LastFile last_file) {
    const std::optional<QString> copy = recovery_.LeftOver(path);
    if (!copy) {
        return false;
    }
    const QString name = path.isEmpty()
                             ? QCoreApplication::translate("tabula::FileCommands", "Untitled")
                             : QFileInfo(path).fileName();
    const Answer answer = context_.prompts.Message(
        QCoreApplication::translate("tabula::FileCommands", "Recover unsaved changes to %1?")
            .arg(name),
        QCoreApplication::translate("tabula::FileCommands", "Tabula"), MessageIcon::kQuestion,
        MessageButtons::kRecoverDiscard);
    if (answer != Answer::kYes) {
        // Only Discard deletes it; a question that ended otherwise (the program told to end
        // while it was open) leaves the copy for the next start.
        if (answer == Answer::kNo) {
            recovery_.Discard(*copy);
        }
        return false;
    }
    DiscardDeck();
    const DeckReadResult result = ReadDeckFile(FileSystemPath(*copy), context_.deck);
    if (!result.Usable()) {
        // The copy stays where it is for the user to look at; the file opens as usual.
        context_.deck.ClearDeck();
        ReportFileError(context_.prompts, DeckReadText(result, *copy));
        return false;
    }
    // Titled with the deck's own file, so Save writes there; a Cardfile file stays imported,
    // so Save never writes a deck over it.
    document_.SetCurrentFile(path);
    document_.SetImported(!path.isEmpty() && IsCardfile(RecogniseFormat(FileSystemPath(path))));
    stamp_ = path.isEmpty() ? std::nullopt : ReadFileStamp(FileSystemPath(path));
    if (!path.isEmpty() && last_file == LastFile::kWrite) {
        settings_.SetValue(QString::fromUtf8(kLastFileKey), path);
    }
    context_.deck.SetModified();
    context_.stack.RefreshStack();
    document_.ShowCardCount();
    recovery_.Adopt(*copy, path);
    return true;
}

// The file is read into a deck of its own and takes the place of the open deck only when it
// was not cancelled: Cancel in the progress window leaves the deck, its name and its changes.
void FileCommands::ReadDeck(const QString& path, LastFile last_file) {
    const std::filesystem::path file = FileSystemPath(path);
    // Taken before reading: a write by another program while the file is read is noticed
    // at the next Save, never missed.
    const std::optional<FileStamp> stamp = ReadFileStamp(file);
    Deck read;
    const DeckReadResult result = ReadWithFeedback(
        file, read, WorkText(QT_TRANSLATE_NOOP("tabula::LongWork", "Reading %1…"), path));
    if (result.status == DeckReadResult::Status::kCancelled) {
        return;
    }
    DiscardDeck();
    // A file that broke off with a read error is not taken in part: the deck stays empty and
    // untitled, as after any file that could not be read.
    if (result.Usable()) {
        context_.deck.TakeCards(read);
        context_.stack.RefreshStack();
        document_.SetCurrentFile(path);
        stamp_ = stamp;
        if (last_file == LastFile::kWrite) {
            settings_.SetValue(QString::fromUtf8(kLastFileKey), path);
        }
    }
    document_.ShowCardCount();
    // Told after the cards are on screen: a file cut short shows what it kept.
    if (result.status != DeckReadResult::Status::kOk) {
        ReportFileError(context_.prompts, DeckReadText(result, path));
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
    const QString& path = document_.CurrentFile();
    if (ChangedOnDisk(path) &&
        context_.prompts.Message(
            QCoreApplication::translate(
                "tabula::FileCommands",
                "%1 was changed by another program since it was opened. Overwrite it?")
                .arg(QFileInfo(path).fileName()),
            QCoreApplication::translate("tabula::FileCommands", "Tabula"), MessageIcon::kWarning,
            MessageButtons::kYesNoDefaultNo) != Answer::kYes) {
        return false;
    }
    return WriteTo(path);
}

bool FileCommands::ChangedOnDisk(const QString& path) const {
    // Something other than a file in its place cannot be written over; the write says so.
    if (!stamp_ || !QFileInfo(path).isFile()) {
        return false;
    }
    const std::optional<FileStamp> now = ReadFileStamp(FileSystemPath(path));
    return now && *now != *stamp_;
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
    const ReplaceResult result = [&] {
        const LongWork work(document_,
                            WorkText(QT_TRANSLATE_NOOP("tabula::LongWork", "Saving %1…"), path),
                            std::int64_t{context_.deck.Count()} * kDeckRecordSize);
        return WriteDeckFile(FileSystemPath(path), context_.deck);
    }();
    if (!result.ok()) {
        ReportFileError(context_.prompts, DeckWriteText(result, path));
        return false;
    }
    context_.deck.ClearModified();
    document_.SetImported(false);
    stamp_ = ReadFileStamp(FileSystemPath(path));
    recovery_.Remove();
    return true;
}

DeckReadResult FileCommands::ReadWithFeedback(const std::filesystem::path& file, Deck& into,
                                              const QString& text) {
    const FileReadFeedback feedback(document_, context_.prompts, text, file);
    return ReadDeckFile(file, into, [&feedback](std::int64_t done, std::int64_t total) {
        return feedback.Advance(done, total);
    });
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
        const std::filesystem::path file = FileSystemPath(*path);
        const DeckReadResult result = ReadWithFeedback(
            file, deck, WorkText(QT_TRANSLATE_NOOP("tabula::LongWork", "Merging %1…"), *path));
        if (result.cards_read > 0 && !was_clean) {
            deck.SetModified();
        }
        context_.stack.RefreshStack();
        if (result.status != DeckReadResult::Status::kOk &&
            result.status != DeckReadResult::Status::kCancelled) {
            ReportFileError(context_.prompts, DeckReadText(result, *path));
        }
    }
    context_.stack.FocusEditor();
}

}  // namespace tabula
