#include "stack/card_stack.h"

#include <QWidget>

#include "deck/deck.h"
#include "stack/card_editor.h"
#include "stack/card_menu.h"
#include "stack/front_card_window.h"
#include "stack/stack_view.h"

namespace tabula {

CardStack::CardStack(Deck& deck, QWidget* client, StackHost& host,
                     std::function<int()> client_height, bool mail_available)
    : QObject(client),
      deck_(deck),
      client_(client),
      host_(host),
      client_height_(std::move(client_height)),
      view_(new StackView(deck, client)),
      front_(new FrontCardWindow(deck, mail_available, client)) {
    front_->hide();
    front_->raise();
    connect(view_, &StackView::backCardClicked, this, &CardStack::BringToFront);
    connect(front_, &FrontCardWindow::nextClicked, this, &CardStack::Next);
    connect(front_, &FrontCardWindow::previousClicked, this, &CardStack::Previous);
    connect(front_, &FrontCardWindow::stripClicked, this, [this] { host_.EditIndexFromStrip(); });
    connect(front_, &FrontCardWindow::printClicked, this, [this] { host_.PrintCard(); });
    connect(front_, &FrontCardWindow::emailClicked, this, [this] { host_.SendCard(); });
    connect(front_, &FrontCardWindow::hovered, this,
            [this](const QString& text) { host_.ShowStatusMessage(text); });
    CardEditor* editor = front_->Editor();
    connect(editor, &CardEditor::jumpRequested, this, &CardStack::JumpToLetter);
    connect(editor, &CardEditor::cardMenuRequested, this, &CardStack::OpenCardMenu);
    connect(editor, &CardEditor::overtypeChanged, this,
            [this](bool on) { host_.OvertypeChanged(on); });
    connect(editor, &CardEditor::textAdjusted, this,
            [this](const QString& message) { host_.ShowStatusMessage(message); });
}

CardEditor* CardStack::Editor() const {
    return front_->Editor();
}

void CardStack::Place() {
    layout_height_ = client_height_();
    view_->SetLayoutHeight(layout_height_);
    view_->setGeometry(client_->rect());
    front_->move(CardRect(0, layout_height_).topLeft());
}

void CardStack::RefreshStack() {
    if (deck_.Empty()) {
        if (front_->isVisible()) {
            front_->hide();
            front_->Editor()->LoadFrontBody();
        }
        view_->repaint();
        return;
    }
    if (!front_->isVisible()) {
        // The first card of a deck sits at the bottom left of the client area as it is now.
        Place();
        front_->show();
    }
    front_->Editor()->LoadFrontBody();
    front_->RepaintStrip();
    view_->repaint();
}

void CardStack::LayoutStack() {
    if (deck_.Empty()) {
        view_->setGeometry(client_->rect());
        return;
    }
    Place();
    view_->repaint();
    FocusEditor();
}

void CardStack::FocusEditor() {
    if (!deck_.Empty()) {
        front_->Editor()->setFocus(Qt::OtherFocusReason);
    }
}

void CardStack::BringToFront(int position) {
    if (position < 0 || position >= deck_.Count()) {
        return;
    }
    deck_.BringToFront(position);
    RefreshStack();
}

void CardStack::Next() {
    if (deck_.Count() > 1) {
        BringToFront(1);
    }
    FocusEditor();
}

void CardStack::Previous() {
    if (deck_.Count() > 1) {
        BringToFront(deck_.Count() - 1);
    }
    FocusEditor();
}

void CardStack::JumpToLetter(char letter) {
    deck_.JumpToLetter(letter);
    RefreshStack();
}

void CardStack::OpenCardMenu(QPoint global_position) {
    if (deck_.Empty()) {
        return;
    }
    if (menu_) {
        menu_->close();
    }
    menu_ = new CardMenu(deck_, front_->Editor());
    connect(menu_, &CardMenu::chosen, this, &CardStack::BringToFront);
    menu_->Popup(global_position);
}

}  // namespace tabula
