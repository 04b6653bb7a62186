#pragma once

namespace tabula {

class CardEditor;
class Deck;

// Edit > Undo, Cut, Copy, Paste on the card editor. The editor stores every change of its
// text in the front card itself; Cut and Paste also mark the deck changed, and so does an
// Undo that changes the text.
void UndoEdit(CardEditor& editor, Deck& deck);
void CutText(CardEditor& editor, Deck& deck);
void CopyText(CardEditor& editor);
void PasteText(CardEditor& editor, Deck& deck);

}  // namespace tabula
