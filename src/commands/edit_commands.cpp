#include "commands/edit_commands.h"

#include "deck/deck.h"
#include "stack/card_editor.h"

namespace tabula {

void UndoEdit(CardEditor& editor) {
    editor.undo();
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
