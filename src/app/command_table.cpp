#include "app/command_table.h"

#include <array>
#include <cassert>

namespace tabula {

namespace {

using enum CommandId;

constexpr std::array kCommands{
    CommandSpec{kNew, "&New\tF2", "Create a new document"},
    CommandSpec{kOpen, "&Open...", "Open an existing document"},
    CommandSpec{kSave, "&Save\tF3", "Save the current document"},
    CommandSpec{kSaveAs, "Save &As...", "Save the active document in a different file"},
    CommandSpec{kMerge, "&Merge...", "Merge two .TBX files together"},
    CommandSpec{kImportCardfile, "Cardfile...", "Open a Cardfile file"},
    CommandSpec{kExportText, "Text file...", "Exports a ASCII text file"},
    CommandSpec{kExportCsv, "Comma Delimited Text...",
                "Exports a file compatible with most Database programs"},
    CommandSpec{kPrintCard, "&Card...", "Print the front most card"},
    CommandSpec{kPrintList, "&List...", "Print a list of all indexes"},
    CommandSpec{kPrintTag, "Tag...", "Print tagged cards"},
    CommandSpec{kSendCard, "&Card...", "Email the front card"},
    CommandSpec{kSendList, "&List...", "Email a list of all indexes"},
    CommandSpec{kSendTag, "Tag...", "Email tagged cards"},
    CommandSpec{kExit, "E&xit", "Exit the application"},
    CommandSpec{kUndo, "&Undo\t", "Undo the last keystroke"},
    CommandSpec{kCut, "Cu&t\tShift+Del", "Cut the selected text to the clipboard"},
    CommandSpec{kCopy, "&Copy\tCtrl+Ins", "Copy the selected text to the clipboard"},
    CommandSpec{kPaste, "&Paste\tShift+Ins", "Paste the clipboard text into card"},
    CommandSpec{kIndex, "I&ndex...", "Edit the Index header of the front card"},
    CommandSpec{kGoTo, "&Go To...\tF5", "Bring a specific card to the front"},
    CommandSpec{kFind, "&Find...\tF4", "Find all occurences of specified text"},
    CommandSpec{kAdd, "&Add...\tF7", "Add a new card"},
    CommandSpec{kDelete, "&Delete...", "Delete the front card"},
    CommandSpec{kTag, "Tag...", "Select multiple cards to print or email"},
    CommandSpec{kRestore, "&Restore", "Restore the main window to the start up position"},
    CommandSpec{kHelpContents, "Contents...\tF1", "Engage Help Contents"},
    CommandSpec{kAbout, "&About", "Info about the author and copyright"},
};

}  // namespace

std::span<const CommandSpec> AllCommands() {
    return kCommands;
}

const CommandSpec& Spec(CommandId id) {
    for (const CommandSpec& spec : kCommands) {
        if (spec.id == id) {
            return spec;
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
