#pragma once

#include <QString>
#include <span>
#include <string_view>

#include "app/command_ids.h"

namespace tabula {

// What the enabling rules read: a snapshot of the program taken right before a menu opens or
// an accelerator runs.
struct CommandState {
    int count = 0;
    bool imported = false;
    bool can_undo = false;
    bool has_selection = false;
    bool clipboard_has_text = false;
    bool mail_available = false;
};

// The texts are the English source texts of the translation context "tabula::Commands";
// MenuText and PromptText give them in the user's language.
struct CommandEntry {
    CommandId id;
    const char* menu_text;                 // '&' marks the mnemonic, '\t' the shortcut's name
    const char* prompt;                    // shown in the status bar while the item is highlighted
    bool (*enabled)(const CommandState&);  // read before a menu opens and before each run
};

std::span<const CommandEntry> AllCommands();
bool IsEnabled(CommandId id, const CommandState& state);
QString MenuText(const CommandEntry& entry);
QString PromptText(const CommandEntry& entry);

}  // namespace tabula
