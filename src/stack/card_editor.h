#pragma once

#include <QPlainTextEdit>
#include <string>

namespace tabula {

class Deck;

// The front card's body. Every change of its text is stored in the front card at once, so
// nothing that later turns the ring or reloads the editor can lose an edit. Every key pressed
// marks the deck changed, except the menus' own keys (Alt, Alt with a key, F10); Ctrl with a
// letter asks for a jump instead of editing; the right button, the Menu key and Shift+F10 ask
// for the card menu without moving the caret.
//
// The text is held to what a card can store: at most 511 characters counted as stored (a
// line break is CR LF, two), and only characters of Windows-1252; any other character is
// replaced by '?' as it arrives. So what the editor shows is always what the card keeps: a
// 512th character, which the card could not keep, is refused as it is typed.
class CardEditor : public QPlainTextEdit {
    Q_OBJECT

  public:
    static constexpr int kLimit = 511;

    CardEditor(Deck& deck, QWidget* parent);

    // Shows the front card's body (or nothing when the deck is empty) without storing it back.
    void LoadFrontBody();
    // The text as the card stores it (CR LF line breaks, Windows-1252).
    std::string StoredText() const;
    int StoredLength() const;
    bool Overtype() const { return overtype_; }

  signals:
    void jumpRequested(char letter);
    void cardMenuRequested(QPoint global_position);
    void overtypeChanged(bool on);
    // Some of what arrived could not be kept: how much was replaced by '?' or cut off.
    void textAdjusted(const QString& message);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void OnContentsChange(int position, int removed, int added);
    void StoreBody();

    Deck& deck_;
    bool loading_ = false;
    bool fixing_ = false;
    bool overtype_ = false;
};

}  // namespace tabula
