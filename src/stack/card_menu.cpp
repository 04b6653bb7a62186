#include "stack/card_menu.h"

#include <QKeyEvent>
#include <QListView>
#include <QScreen>
#include <QVBoxLayout>

#include "app/card_text.h"
#include "deck/deck.h"

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

CardMenu::CardMenu(const Deck& deck, QWidget* parent)
    : QFrame(parent, Qt::Popup), model_(deck), view_(new QListView(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    view_->setModel(&model_);
    view_->setUniformItemSizes(true);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setMouseTracking(true);
    view_->setFrameStyle(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(view_);
    connect(view_, &QListView::clicked, this, &CardMenu::Choose);
    connect(view_, &QListView::activated, this, &CardMenu::Choose);
    connect(view_, &QListView::entered, view_,
            [this](const QModelIndex& index) { view_->setCurrentIndex(index); });
}

void CardMenu::Popup(QPoint global_position) {
    const int rows = std::min(model_.rowCount(), kVisibleRows);
    const int row_height = std::max(view_->sizeHintForRow(0), 1);
    const int width = view_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30;
    resize(width, rows * row_height + 2 * view_->frameWidth() + 2);
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
    view_->setCurrentIndex(model_.index(0));
    show();
    view_->setFocus();
}

void CardMenu::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void CardMenu::Choose(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    const int position = index.row();
    close();
    emit chosen(position);
}

}  // namespace tabula
