#include "app/command_table.h"

#include <array>
#include <cassert>

namespace tabula {

namespace {

using enum CommandId;

constexpr std::array kCommands{
    CommandEntry{kNew, "&New\tF2", "Create a new document"},
    CommandEntry{kOpen, "&Open...", "Open an existing document"},
    CommandEntry{kSave, "&Save\tF3", "Save the current document"},
    CommandEntry{kSaveAs, "Save &As...", "Save the active document in a different file"},
    CommandEntry{kMerge, "&Merge...", "Merge two .TBX files together"},
    CommandEntry{kImportCardfile, "Cardfile...", "Open a Cardfile file"},
    CommandEntry{kExportText, "Text file...", "Exports a ASCII text file"},
    CommandEntry{kExportCsv, "Comma Delimited Text...",
                 "Exports a file compatible with most Database programs"},
    CommandEntry{kPrintCard, "&Card...", "Print the front most card"},
    CommandEntry{kPrintList, "&List...", "Print a list of all indexes"},
    CommandEntry{kPrintTag, "Tag...", "Print tagged cards"},
    CommandEntry{kSendCard, "&Card...", "Email the front card"},
    CommandEntry{kSendList, "&List...", "Email a list of all indexes"},
    CommandEntry{kSendTag, "Tag...", "Email tagged cards"},
    CommandEntry{kExit, "E&xit", "Exit the application"},
    CommandEntry{kUndo, "&Undo\t", "Undo the last keystroke"},
    CommandEntry{kCut, "Cu&t\tShift+Del", "Cut the selected text to the clipboard"},
    CommandEntry{kCopy, "&Copy\tCtrl+Ins", "Copy the selected text to the clipboard"},
    CommandEntry{kPaste, "&Paste\tShift+Ins", "Paste the clipboard text into card"},
    CommandEntry{kIndex, "I&ndex...", "Edit the Index header of the front card"},
    CommandEntry{kGoTo, "&Go To...\tF5", "Bring a specific card to the front"},
    CommandEntry{kFind, "&Find...\tF4", "Find all occurences of specified text"},
    CommandEntry{kAdd, "&Add...\tF7", "Add a new card"},
    CommandEntry{kDelete, "&Delete...", "Delete the front card"},
    CommandEntry{kTag, "Tag...", "Select multiple cards to print or email"},
    CommandEntry{kRestore, "&Restore", "Restore the main window to the start up position"},
    CommandEntry{kHelpContents, "Contents...\tF1", "Engage Help Contents"},
    CommandEntry{kAbout, "&About", "Info about the author and copyright"},
};

}  // namespace

std::span<const CommandEntry> AllCommands() {
    return kCommands;
}

const CommandEntry& EntryFor(CommandId id) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.id == id) {
            return entry;
        }
    }
    assert(false && "every command id is in the table");
    return kCommands.front();
}

bool IsEnabled(CommandId id, const CommandState& s) {
    const bool cards = s.count > 0;
    switch (id) {
        case kSave:
            return cards && !s.imported;
        case kSaveAs:
        case kMerge:
        case kExportText:
        case kExportCsv:
        case kPrintCard:
        case kPrintList:
        case kIndex:
        case kGoTo:
        case kFind:
        case kDelete:
        case kTag:
            return cards;
        case kSendCard:
            return cards && s.mail_available;
        case kUndo:
            return cards && s.can_undo;
        case kCut:
        case kCopy:
            return cards && s.has_selection;
        case kPaste:
            return cards && s.clipboard_has_text;
        case kNew:
        case kOpen:
        case kImportCardfile:
        case kPrintTag:
        case kSendList:
        case kSendTag:
        case kExit:
        case kAdd:
        case kRestore:
        case kHelpContents:
        case kAbout:
            return true;
    }
    return true;
}

}  // namespace tabula
