#include "stack/card_editor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>

#include "deck/deck.h"
#include "ui/card_text.h"

namespace tabula {

namespace {

bool IsLineBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n';
}

// Characters of `text`, each counted as the card stores it.
int StoredLengthOf(const QString& text) {
    int length = 0;
    for (const QChar c : text) {
        length += IsLineBreak(c) ? 2 : 1;
    }
    return length;
}

}  // namespace

CardEditor::CardEditor(Deck& deck, QWidget* parent) : QPlainTextEdit(parent), deck_(deck) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setTabChangesFocus(false);
    connect(document(), &QTextDocument::contentsChange, this, &CardEditor::OnContentsChange);
}

void CardEditor::LoadFrontBody() {
    loading_ = true;
    setPlainText(deck_.Empty() ? QString() : BodyToEditorText(deck_.Front().Body()));
    loading_ = false;
}

std::string CardEditor::StoredText() const {
    return EditorTextToBody(document()->toRawText());
}

int CardEditor::StoredLength() const {
    return StoredLengthOf(document()->toRawText());
}

void CardEditor::StoreBody() {
    if (!deck_.Empty()) {
        deck_.StoreFrontBody(StoredText());
    }
}

// Holds every change to what a card can store, then stores it. The repair joins the user's
// own edit block, so one Undo takes back both.
void CardEditor::OnContentsChange(int position, int /*removed*/, int added) {
    if (loading_ || fixing_) {
        return;
    }
    fixing_ = true;
    const int end_of_text = document()->characterCount() - 1;  // without the final block end
    int end = std::min(position + added, end_of_text);
    if (end > position) {
        QTextCursor cursor(document());
        cursor.setPosition(position);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        const QString inserted = cursor.selectedText();
        const QString storable = ReplaceUnstorable(inserted, LineBreaks::kKeep);
        if (storable != inserted) {
            cursor.joinPreviousEditBlock();
            cursor.insertText(storable);
            cursor.endEditBlock();
            end = position + static_cast<int>(storable.size());
        }
        int excess = StoredLength() - kLimit;
        if (excess > 0) {
            // Take back the end of what just arrived.
            int cut_from = end;
            const QString text = document()->toRawText();
            while (excess > 0 && cut_from > position) {
                --cut_from;
                excess -= IsLineBreak(text.at(cut_from)) ? 2 : 1;
            }
            cursor.setPosition(cut_from);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            cursor.joinPreviousEditBlock();
            cursor.removeSelectedText();
            cursor.endEditBlock();
        }
    }
    fixing_ = false;
    StoreBody();
}

void CardEditor::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    const int key = event->key();
    if ((mods & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        // Ctrl with a letter jumps to a card and never edits the text.
        deck_.SetModified();
        event->accept();
        emit jumpRequested(static_cast<char>('a' + (key - Qt::Key_A)));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
    if (key == Qt::Key_Insert && !(mods & Qt::KeypadModifier) && !event->isAutoRepeat() &&
        !(mods & (Qt::ShiftModifier | Qt::ControlModifier))) {
        overtype_ = !overtype_;
        setOverwriteMode(overtype_);
        emit overtypeChanged(overtype_);
    }
    // Every key counts as a change of the deck, arrows and modifiers included.
    deck_.SetModified();
}

void CardEditor::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit cardMenuRequested(event->globalPosition().toPoint());
        return;
    }
    QPlainTextEdit::mousePressEvent(event);
}

void CardEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QPlainTextEdit::mouseDoubleClickEvent(event);
}

void CardEditor::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

void CardEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    StoreBody();
}

void CardEditor::dropEvent(QDropEvent* event) {
    QPlainTextEdit::dropEvent(event);
    // A dropped text changes the card as typing does.
    deck_.SetModified();
}

}  // namespace tabula
