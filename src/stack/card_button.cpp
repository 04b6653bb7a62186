#include "stack/card_button.h"

#include <QIcon>
#include <QPixmap>

#include "stack/stack_geometry.h"

namespace tabula {

CardButton::CardButton(const QString& bitmap, const QString& hover_text, QWidget* parent)
    : QPushButton(parent), hover_text_(hover_text) {
    const QPixmap pixmap(bitmap);
    setIcon(QIcon(pixmap));
    setIconSize(pixmap.size());
    setFixedSize(kButtonSize, kButtonSize);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void CardButton::enterEvent(QEnterEvent* event) {
    emit hovered(hover_text_);
    QPushButton::enterEvent(event);
}

void CardButton::mouseMoveEvent(QMouseEvent* event) {
    emit hovered(hover_text_);
    QPushButton::mouseMoveEvent(event);
}

}  // namespace tabula
