#include "app/command_table.h"

#include <QCoreApplication>
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
    CommandEntry{kNew, QT_TRANSLATE_NOOP("tabula::Commands", "&New\tF2"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Create a new document"), Always},
    CommandEntry{kOpen, QT_TRANSLATE_NOOP("tabula::Commands", "&Open..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Open an existing document"), Always},
    CommandEntry{kSave, QT_TRANSLATE_NOOP("tabula::Commands", "&Save\tF3"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Save the current document"), CanSave},
    CommandEntry{
        kSaveAs, QT_TRANSLATE_NOOP("tabula::Commands", "Save &As..."),
        QT_TRANSLATE_NOOP("tabula::Commands", "Save the active document in a different file"),
        HasCards},
    CommandEntry{kMerge, QT_TRANSLATE_NOOP("tabula::Commands", "&Merge..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Merge two .TBX files together"), HasCards},
    CommandEntry{kImportCardfile, QT_TRANSLATE_NOOP("tabula::Commands", "Cardfile..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Open a Cardfile file"), Always},
    CommandEntry{kExportText, QT_TRANSLATE_NOOP("tabula::Commands", "Text file..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Exports a ASCII text file"), HasCards},
    CommandEntry{kExportCsv, QT_TRANSLATE_NOOP("tabula::Commands", "Comma Delimited Text..."),
                 QT_TRANSLATE_NOOP("tabula::Commands",
                                   "Exports a file compatible with most Database programs"),
                 HasCards},
    CommandEntry{kPrintCard, QT_TRANSLATE_NOOP("tabula::Commands", "&Card..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Print the front most card"), HasCards},
    CommandEntry{kPrintList, QT_TRANSLATE_NOOP("tabula::Commands", "&List..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Print a list of all indexes"), HasCards},
    CommandEntry{kPrintTag, QT_TRANSLATE_NOOP("tabula::Commands", "Tag..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Print tagged cards"), Always},
    CommandEntry{kSendCard, QT_TRANSLATE_NOOP("tabula::Commands", "&Card..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Email the front card"), CanSendCard},
    CommandEntry{kSendList, QT_TRANSLATE_NOOP("tabula::Commands", "&List..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Email a list of all indexes"), Always},
    CommandEntry{kSendTag, QT_TRANSLATE_NOOP("tabula::Commands", "Tag..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Email tagged cards"), Always},
    CommandEntry{kExit, QT_TRANSLATE_NOOP("tabula::Commands", "E&xit"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Exit the application"), Always},
    CommandEntry{kUndo, QT_TRANSLATE_NOOP("tabula::Commands", "&Undo\t"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Undo the last keystroke"), CanUndo},
    CommandEntry{kCut, QT_TRANSLATE_NOOP("tabula::Commands", "Cu&t\tShift+Del"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Cut the selected text to the clipboard"),
                 HasSelection},
    CommandEntry{kCopy, QT_TRANSLATE_NOOP("tabula::Commands", "&Copy\tCtrl+Ins"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Copy the selected text to the clipboard"),
                 HasSelection},
    CommandEntry{kPaste, QT_TRANSLATE_NOOP("tabula::Commands", "&Paste\tShift+Ins"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Paste the clipboard text into card"),
                 CanPaste},
    CommandEntry{kIndex, QT_TRANSLATE_NOOP("tabula::Commands", "I&ndex..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Edit the Index header of the front card"),
                 HasCards},
    CommandEntry{kGoTo, QT_TRANSLATE_NOOP("tabula::Commands", "&Go To...\tF5"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Bring a specific card to the front"),
                 HasCards},
    CommandEntry{kFind, QT_TRANSLATE_NOOP("tabula::Commands", "&Find...\tF4"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Find all occurences of specified text"),
                 HasCards},
    CommandEntry{kAdd, QT_TRANSLATE_NOOP("tabula::Commands", "&Add...\tF7"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Add a new card"), Always},
    CommandEntry{kDelete, QT_TRANSLATE_NOOP("tabula::Commands", "&Delete..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Delete the front card"), HasCards},
    CommandEntry{kTag, QT_TRANSLATE_NOOP("tabula::Commands", "Tag..."),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Select multiple cards to print or email"),
                 HasCards},
    CommandEntry{
        kRestore, QT_TRANSLATE_NOOP("tabula::Commands", "&Restore"),
        QT_TRANSLATE_NOOP("tabula::Commands", "Restore the main window to the start up position"),
        Always},
    CommandEntry{kHelpContents, QT_TRANSLATE_NOOP("tabula::Commands", "Contents...\tF1"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Engage Help Contents"), Always},
    CommandEntry{kAbout, QT_TRANSLATE_NOOP("tabula::Commands", "&About"),
                 QT_TRANSLATE_NOOP("tabula::Commands", "Info about the author and copyright"),
                 Always},
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

QString MenuText(const CommandEntry& entry) {
    return QCoreApplication::translate("tabula::Commands", entry.menu_text);
}

QString PromptText(const CommandEntry& entry) {
    return QCoreApplication::translate("tabula::Commands", entry.prompt);
}

}  // namespace tabula
