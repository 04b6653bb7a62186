#include "stack/card_menu.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "deck/deck.h"
#include "ui/card_text.h"

namespace tabula {

CardMenuModel::CardMenuModel(const Deck& deck, QObject* parent)
    : QAbstractListModel(parent), deck_(deck) {}

int CardMenuModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : deck_.Count();
}

QVariant CardMenuModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= deck_.Count()) {
        return {};
    }
    return CardToQString(deck_.At(index.row()).Index());
}

CardMenuList::CardMenuList(QAbstractItemModel* model, QWidget* parent)
    : QAbstractScrollArea(parent), model_(model), row_height_(fontMetrics().height() + 4) {
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
    UpdateScrollBar();
    InstallIndexRowsAccessibility();
    setAccessibleName(tr("Cards"));
}

QString CardMenuList::RowText(int row) const {
    return model_->index(row, 0).data().toString();
}

QRect CardMenuList::RowRect(int row) const {
    const QRect in_viewport = visualRect(row);
    return in_viewport.isEmpty() ? QRect() : in_viewport.translated(viewport()->pos());
}

int CardMenuList::VisibleRows() const {
    return std::max(1, viewport()->height() / row_height_);
}

void CardMenuList::UpdateScrollBar() {
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, Count() - VisibleRows()));
    bar->setPageStep(VisibleRows());
}

void CardMenuList::SetCurrentRow(int row) {
    if (Count() == 0) {
        return;
    }
    current_ = std::clamp(row, 0, Count() - 1);
    QScrollBar* bar = verticalScrollBar();
    if (current_ < bar->value()) {
        bar->setValue(current_);
    } else if (current_ >= bar->value() + VisibleRows()) {
        bar->setValue(current_ - VisibleRows() + 1);
    }
    viewport()->update();
    ReportFocusRow(this, current_);
}

QRect CardMenuList::visualRect(int row) const {
    const int top = (row - verticalScrollBar()->value()) * row_height_;
    const QRect rect(0, top, viewport()->width(), row_height_);
    return rect.intersects(viewport()->rect()) ? rect : QRect();
}

int CardMenuList::RowAt(QPoint position) const {
    if (position.y() < 0) {
        return -1;
    }
    const int row = verticalScrollBar()->value() + position.y() / row_height_;
    return row < Count() ? row : -1;
}

void CardMenuList::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& colours = palette();
    painter.fillRect(viewport()->rect(), colours.color(QPalette::Base));
    const int first = verticalScrollBar()->value();
    const int last = std::min(Count() - 1, first + VisibleRows());
    for (int row = first; row <= last; ++row) {
        const QRect rect = visualRect(row);
        const bool current = row == current_;
        if (current) {
            painter.fillRect(rect, colours.color(QPalette::Highlight));
        }
        painter.setPen(colours.color(current ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(rect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         model_->index(row, 0).data().toString());
    }
}

void CardMenuList::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
}

void CardMenuList::mouseMoveEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint());
    if (row >= 0 && row != current_) {
        current_ = row;
        viewport()->update();
    }
}

void CardMenuList::mouseReleaseEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && row >= 0) {
        emit activated(row);
    }
}

void CardMenuList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            SetCurrentRow(current_ - 1);
            break;
        case Qt::Key_Down:
            SetCurrentRow(current_ + 1);
            break;
        case Qt::Key_PageUp:
            SetCurrentRow(current_ - VisibleRows());
            break;
        case Qt::Key_PageDown:
            SetCurrentRow(current_ + VisibleRows());
            break;
        case Qt::Key_Home:
            SetCurrentRow(0);
            break;
        case Qt::Key_End:
            SetCurrentRow(Count() - 1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit activated(current_);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
    }
}

CardMenu::CardMenu(const Deck& deck, QWidget* parent)
    : QFrame(parent, Qt::Popup), model_(deck), list_(new CardMenuList(&model_, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    connect(list_, &CardMenuList::activated, this, &CardMenu::Choose);
}

void CardMenu::Popup(QPoint global_position) {
    const int rows = std::min(model_.rowCount(), kVisibleRows);
    const int width = list_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30;
    resize(width, rows * list_->RowHeight() + 2);
    QRect place(global_position, size());
    if (const QScreen* screen = QWidget::screen()) {
        const QRect available = screen->availableGeometry();
        if (place.bottom() > available.bottom()) {
            place.moveBottom(available.bottom());
        }
        if (place.right() > available.right()) {
            place.moveRight(available.right());
        }
    }
    move(place.topLeft());
    list_->SetCurrentRow(0);
    show();
    list_->setFocus();
}

void CardMenu::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void CardMenu::Choose(int row) {
    close();
    emit chosen(row);
}

}  // namespace tabula
