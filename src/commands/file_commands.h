#pragma once

#include <QString>
#include <filesystem>

namespace tabula {

struct CommandContext;
class DocumentHost;
class Settings;

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
    // Open without the dialog, for a deck file dropped on the window: the save prompt, then
    // the deck read from this path.
    void OpenDeck(const QString& path);
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

  private:
    // "Save Changes ?" when the deck has changes: true when they are saved or the user lets
    // them go.
    bool SettleChanges();
    // Save and Save As without returning the focus; true when the file was written.
    bool SaveDeck();
    bool SaveDeckAs();
    bool WriteTo(const QString& path);

    CommandContext& context_;
    Settings& settings_;
    DocumentHost& document_;
};

}  // namespace tabula
