#pragma once

#include <QWidget>

#include "stack/index_rows.h"

namespace tabula {

class Deck;

// Paints the cards behind the front one, only those that meet the area being painted, and
// reports a click on one of them. Covers the whole client area; the front card is a widget of
// its own lying on top of it. To a screen reader it is the list of every card's index line,
// front card first.
class StackView : public QWidget, public IndexRows {
    Q_OBJECT

  public:
    StackView(const Deck& deck, QWidget* parent);
    void SetLayoutHeight(int height) { layout_height_ = height; }
    int LayoutHeight() const { return layout_height_; }

    int RowCount() const override;
    QString RowText(int row) const override;
    QRect RowRect(int row) const override;
    int RowAt(QPoint position) const override;

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
