#include "stack/card_button.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>

#include "stack/stack_geometry.h"

namespace tabula {

namespace {

QImage ForDarkFace(const QImage& bitmap) {
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            image.setPixelColor(
                x, y,
                QColor::fromHsl(c.hslHue(), c.hslSaturation(), 255 - c.lightness(), c.alpha()));
        }
    }
    return image;
}

}  // namespace

CardButton::CardButton(const QString& bitmap, const QString& hover_text, QWidget* parent)
    : QPushButton(parent), hover_text_(hover_text), bitmap_(bitmap) {
    setAccessibleName(hover_text);
    ShowBitmap();
    setIconSize(bitmap_.size());
    setFixedSize(kButtonSize, kButtonSize);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void CardButton::ShowBitmap() {
    const bool dark = palette().color(QPalette::Button).lightness() < 128;
    setIcon(QIcon(QPixmap::fromImage(dark ? ForDarkFace(bitmap_) : bitmap_)));
}

void CardButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        ShowBitmap();
    }
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
