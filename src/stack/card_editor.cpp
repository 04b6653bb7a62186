#include "stack/card_editor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>
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

// What the user is told when a card could not keep all of what arrived.
QString LossMessage(int replaced, int cut) {
    QStringList parts;
    if (replaced > 0) {
        parts << (replaced == 1
                      ? QCoreApplication::translate("tabula::CardEditor",
                                                    "1 character could not be stored and became ?")
                      : QCoreApplication::translate(
                            "tabula::CardEditor", "%1 characters could not be stored and became ?")
                            .arg(replaced));
    }
    if (cut > 0) {
        parts << (cut == 1 ? QCoreApplication::translate("tabula::CardEditor",
                                                         "1 character did not fit on the card")
                           : QCoreApplication::translate("tabula::CardEditor",
                                                         "%1 characters did not fit on the card")
                                 .arg(cut));
    }
    return parts.join(QStringLiteral("; "));
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
    int replaced = 0;
    int cut = 0;
    const int end_of_text = document()->characterCount() - 1;  // without the final block end
    int end = std::min(position + added, end_of_text);
    if (end > position) {
        QTextCursor cursor(document());
        cursor.setPosition(position);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        const QString inserted = cursor.selectedText();
        const QString storable = ReplaceUnstorable(inserted, LineBreaks::kKeep);
        replaced = static_cast<int>(storable.count(u'?') - inserted.count(u'?'));
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
                ++cut;
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
    if (replaced > 0 || cut > 0) {
        emit textAdjusted(LossMessage(replaced, cut));
    }
}

void CardEditor::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    const int key = event->key();
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
        // The keyboard's way to the card menu, opened at the caret.
        event->accept();
        emit cardMenuRequested(viewport()->mapToGlobal(cursorRect().bottomLeft()));
        return;
    }
    if (key == Qt::Key_Alt || key == Qt::Key_F10 || (mods & Qt::AltModifier)) {
        // Alt, Alt with a key and F10 belong to the menus and the window, as system keys do
        // elsewhere: they neither edit the text nor mark the deck, so working the menus from
        // the keyboard never brings up "Save Changes ?" for a deck nobody touched.
        event->ignore();
        return;
    }
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
