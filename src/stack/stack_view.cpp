#include "stack/stack_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "deck/deck.h"
#include "stack/stack_geometry.h"
#include "stack/stack_painter.h"
#include "ui/card_text.h"

namespace tabula {

StackView::StackView(const Deck& deck, QWidget* parent) : QWidget(parent), deck_(deck) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StackView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Base);
    painter.fillRect(event->rect(), background);
    const auto [first, last] = BackCardsIn(event->rect(), deck_.Count(), layout_height_);
    // From the back, so each card covers the one behind it.
    for (int k = last; k >= first; --k) {
        PaintBackCard(painter, CardRect(k, layout_height_), CardToQString(deck_.At(k).Index()),
                      background);
    }
}

void StackView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int k = BackCardAt(event->position().toPoint(), deck_.Count(), layout_height_);
    if (k > 0) {
        emit backCardClicked(k);
    }
}

}  // namespace tabula
