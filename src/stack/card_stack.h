#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "stack/card_menu.h"
#include "stack/stack_geometry.h"

class QWidget;

namespace tabula {

class CardEditor;
class CardMenu;
class Deck;
class FrontCardWindow;
class StackView;

// What the stack needs of the main window.
class StackHost {
  public:
    virtual ~StackHost() = default;
    virtual void ShowStatusMessage(const QString& text) = 0;
    virtual void EditIndexFromStrip() = 0;
    virtual void PrintCard() = 0;
    virtual void SendCard() = 0;
    virtual void OvertypeChanged(bool on) = 0;
};

// The card stack view: the stack view painting the cards behind, and the one front card with
// the editor. Every rectangle is a function of the position and of the client height at the
// last layout, so nothing is kept per card.
class CardStack : public QObject {
    Q_OBJECT

  public:
    CardStack(Deck& deck, QWidget* client, StackHost& host, std::function<int()> client_height,
              bool mail_available);

    // After any change of order: repaint every index and load the front card's body into the
    // editor. Shows or hides the front card as the deck has cards or not.
    void RefreshStack();
    // After a resize: every card's place from the current client height.
    void LayoutStack();
    void FocusEditor();
    void BringToFront(int position);  // and RefreshStack
    void Next();
    void Previous();
    void JumpToLetter(char letter);
    void OpenCardMenu(QPoint global_position);

    int LayoutHeight() const { return layout_height_; }
    QRect CardRectAt(int position) const { return CardRect(position, layout_height_); }
    StackView* View() const { return view_; }
    FrontCardWindow* Front() const { return front_; }
    CardEditor* Editor() const;
    CardMenu* OpenMenu() const { return menu_; }

  private:
    void Place();

    Deck& deck_;
    QWidget* client_;
    StackHost& host_;
    std::function<int()> client_height_;
    int layout_height_ = 0;
    StackView* view_;
    FrontCardWindow* front_;
    QPointer<CardMenu> menu_;
};

}  // namespace tabula
