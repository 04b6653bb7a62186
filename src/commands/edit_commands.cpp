#include "commands/edit_commands.h"

#include <string>

#include "deck/deck.h"
#include "stack/card_editor.h"

namespace tabula {

void UndoEdit(CardEditor& editor, Deck& deck) {
    const std::string before = editor.StoredText();
    editor.undo();
    // The card now holds the earlier text; a deck saved before the Undo no longer matches it.
    if (editor.StoredText() != before) {
        deck.SetModified();
    }
}

void CutText(CardEditor& editor, Deck& deck) {
    editor.cut();
    deck.SetModified();
}

void CopyText(CardEditor& editor) {
    editor.copy();
}

void PasteText(CardEditor& editor, Deck& deck) {
    editor.paste();
    deck.SetModified();
}

}  // namespace tabula
