#include "app/command_table.h"

#include <array>

namespace tabula {

namespace {

using enum CommandId;

// The enabling rules.
constexpr bool Always(const CommandState&) {
    return true;
}
constexpr bool HasCards(const CommandState& s) {
    return s.count > 0;
}
// An imported deck is written only through Save As, so its Cardfile file is never overwritten.
constexpr bool CanSave(const CommandState& s) {
    return s.count > 0 && !s.imported;
}
constexpr bool CanSendCard(const CommandState& s) {
    return s.count > 0 && s.mail_available;
}
constexpr bool CanUndo(const CommandState& s) {
    return s.count > 0 && s.can_undo;
}
constexpr bool HasSelection(const CommandState& s) {
    return s.count > 0 && s.has_selection;
}
constexpr bool CanPaste(const CommandState& s) {
    return s.count > 0 && s.clipboard_has_text;
}

constexpr std::array kCommands{
    CommandEntry{kNew, "&New\tF2", "Create a new document", Always},
    CommandEntry{kOpen, "&Open...", "Open an existing document", Always},
    CommandEntry{kSave, "&Save\tF3", "Save the current document", CanSave},
    CommandEntry{kSaveAs, "Save &As...", "Save the active document in a different file", HasCards},
    CommandEntry{kMerge, "&Merge...", "Merge two .TBX files together", HasCards},
    CommandEntry{kImportCardfile, "Cardfile...", "Open a Cardfile file", Always},
    CommandEntry{kExportText, "Text file...", "Exports a ASCII text file", HasCards},
    CommandEntry{kExportCsv, "Comma Delimited Text...",
                 "Exports a file compatible with most Database programs", HasCards},
    CommandEntry{kPrintCard, "&Card...", "Print the front most card", HasCards},
    CommandEntry{kPrintList, "&List...", "Print a list of all indexes", HasCards},
    CommandEntry{kPrintTag, "Tag...", "Print tagged cards", Always},
    CommandEntry{kSendCard, "&Card...", "Email the front card", CanSendCard},
    CommandEntry{kSendList, "&List...", "Email a list of all indexes", Always},
    CommandEntry{kSendTag, "Tag...", "Email tagged cards", Always},
    CommandEntry{kExit, "E&xit", "Exit the application", Always},
    CommandEntry{kUndo, "&Undo\t", "Undo the last keystroke", CanUndo},
    CommandEntry{kCut, "Cu&t\tShift+Del", "Cut the selected text to the clipboard", HasSelection},
    CommandEntry{kCopy, "&Copy\tCtrl+Ins", "Copy the selected text to the clipboard", HasSelection},
    CommandEntry{kPaste, "&Paste\tShift+Ins", "Paste the clipboard text into card", CanPaste},
    CommandEntry{kIndex, "I&ndex...", "Edit the Index header of the front card", HasCards},
    CommandEntry{kGoTo, "&Go To...\tF5", "Bring a specific card to the front", HasCards},
    CommandEntry{kFind, "&Find...\tF4", "Find all occurences of specified text", HasCards},
    CommandEntry{kAdd, "&Add...\tF7", "Add a new card", Always},
    CommandEntry{kDelete, "&Delete...", "Delete the front card", HasCards},
    CommandEntry{kTag, "Tag...", "Select multiple cards to print or email", HasCards},
    CommandEntry{kRestore, "&Restore", "Restore the main window to the start up position", Always},
    CommandEntry{kHelpContents, "Contents...\tF1", "Engage Help Contents", Always},
    CommandEntry{kAbout, "&About", "Info about the author and copyright", Always},
};

}  // namespace

std::span<const CommandEntry> AllCommands() {
    return kCommands;
}

bool IsEnabled(CommandId id, const CommandState& state) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.id == id) {
            return entry.enabled(state);
        }
    }
    return false;
}

}  // namespace tabula
