#pragma once

#include <QWidget>

#include "stack/stack_geometry.h"

namespace tabula {

class CardButton;
class CardEditor;
class Deck;

// The front card: a bordered 400 by 200 widget whose client area holds the index strip, the
// Next, Previous, (E-mail,) Print buttons and the editor. A click on the strip asks for Edit
// Index; hovering the strip left of the buttons shows the whole index as a tooltip.
class FrontCardWindow : public QWidget {
    Q_OBJECT

  public:
    FrontCardWindow(Deck& deck, bool mail_available, QWidget* parent);

    CardEditor* Editor() const { return editor_; }
    CardButton* NextButton() const { return next_; }
    CardButton* PreviousButton() const { return previous_; }
    CardButton* PrintButton() const { return print_; }
    CardButton* EmailButton() const { return email_; }  // null without mail
    QWidget* Client() const { return client_; }
    const FrontCardLayout& Layout() const { return layout_; }
    // Repaints the strip at once.
    void RepaintStrip();

  signals:
    void stripClicked();
    void nextClicked();
    void previousClicked();
    void printClicked();
    void emailClicked();
    void hovered(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Deck& deck_;
    FrontCardLayout layout_;
    QWidget* client_;
    CardEditor* editor_;
    CardButton* next_;
    CardButton* previous_;
    CardButton* print_;
    CardButton* email_ = nullptr;
};

}  // namespace tabula
