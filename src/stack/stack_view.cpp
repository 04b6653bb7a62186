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
    // Installed first: naming the widget may already ask for its interface.
    InstallIndexRowsAccessibility();
    setAccessibleName(tr("Cards"));
}

int StackView::RowCount() const {
    return deck_.Count();
}

QString StackView::RowText(int row) const {
    return CardToQString(deck_.At(row).Index());
}

QRect StackView::RowRect(int row) const {
    const QRect card = CardRect(row, layout_height_);
    return QRect(card.topLeft() + QPoint(1, 1), QSize(kCardWidth - 2, kStripHeight)) & rect();
}

int StackView::RowAt(QPoint position) const {
    if (deck_.Empty()) {
        return -1;
    }
    if (CardRect(0, layout_height_).contains(position)) {
        return 0;
    }
    return BackCardAt(position, deck_.Count(), layout_height_);
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
