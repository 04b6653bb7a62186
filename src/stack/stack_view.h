#pragma once

#include <QWidget>

namespace tabula {

class Deck;

// Paints the cards behind the front one, only those that meet the area being painted, and
// reports a click on one of them. Covers the whole client area; the front card is a widget of
// its own lying on top of it.
class StackView : public QWidget {
    Q_OBJECT

  public:
    StackView(const Deck& deck, QWidget* parent);
    void SetLayoutHeight(int height) { layout_height_ = height; }
    int LayoutHeight() const { return layout_height_; }

  signals:
    void backCardClicked(int position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const Deck& deck_;
    int layout_height_ = 0;
};

}  // namespace tabula
