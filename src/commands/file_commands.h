#pragma once

#include <QString>
#include <filesystem>
#include <optional>

#include "commands/recovery_copy.h"
#include "deck/deck_file.h"
#include "deck/replace_file.h"

namespace tabula {

struct CommandContext;
class Deck;
class DocumentHost;
class Settings;

// Whether a file opened by its path is remembered in `Last File`: File > Open and a drop write
// it; the file named on the command line only reads it.
enum class LastFile { kWrite, kKeep };

// A path from a dialog or the command line as the file system spells it.
std::filesystem::path FileSystemPath(const QString& path);

// New, Open, Save, Save As and Merge, the save prompt that guards an unsaved deck, and the
// file name and imported flag they keep in the main window.
//
// A deck is discarded (New, Open, Import, closing) only after the user has said so: Cancel
// at "Save Changes ?" keeps it, and so does Yes when the save then does not happen (the Save
// As dialog cancelled, the write failed), because Yes means the user wants it kept.
class FileCommands {
  public:
    FileCommands(CommandContext& context, Settings& settings, DocumentHost& document);

    void New();
    void Open();
    // The one way a file comes in (File > Open, a drop, the command line): the save prompt,
    // then the file at this path, a deck or a Cardfile file as its first bytes say. A
    // Cardfile file is imported as File > Import does it.
    void OpenDeck(const QString& path, LastFile last_file = LastFile::kWrite);
    // At a start without a file: offers the unsaved changes of an untitled deck of a program
    // that was killed.
    void RecoverUntitled();
    void Save();
    void SaveAs();
    void Merge();

    // Asked before the main window closes; false keeps the window and the deck.
    bool ConfirmClose() { return SettleChanges(); }
    // The save prompt, then an empty, untitled, unchanged deck. False when the deck stays.
    bool NewDeck();

    CommandContext& Context() { return context_; }
    Settings& AppSettings() { return settings_; }
    DocumentHost& Document() { return document_; }
    RecoveryCopy& Recovery() { return recovery_; }

    // "Save Changes ?" when the deck has changes: true when they are saved or the user lets
    // them go.
    bool SettleChanges();
    // The deck emptied, untitled and unchanged, without a question.
    void DiscardDeck();

  private:
    // Save and Save As without returning the focus; true when the file was written.
    bool SaveDeck();
    bool SaveDeckAs();
    bool WriteTo(const QString& path);
    // Reads the deck file in place of the deck; only a deck that was read becomes the current
    // file, so a later Save never writes over a file that was not a deck.
    void ReadDeck(const QString& path, LastFile last_file);
    // Reads a deck file's cards into `into` under the wait cursor and `text`, and for a large
    // file under a progress window whose Cancel leaves `into` as it was.
    DeckReadResult ReadWithFeedback(const std::filesystem::path& file, Deck& into,
                                    const QString& text);
    // "Recover unsaved changes to <name>?" when a program that was killed left a copy of the
    // deck at `path` (empty: untitled); true when the copy became the deck.
    bool OfferRecovery(const QString& path, LastFile last_file);
    // Whether another program wrote the file since this deck was read from it or written to
    // it; false for a file that is gone, which nothing can be lost from, or that is no file.
    bool ChangedOnDisk(const QString& path) const;

    CommandContext& context_;
    Settings& settings_;
    DocumentHost& document_;
    RecoveryCopy recovery_;
    // The current file as it was when read or last written; nothing for an untitled deck.
    std::optional<FileStamp> stamp_;
};

}  // namespace tabula
