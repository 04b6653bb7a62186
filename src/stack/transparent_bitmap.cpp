#include "stack/transparent_bitmap.h"

#include <QPainter>

namespace tabula {

void DrawTransparentBitmap(QPainter& painter, const QImage& bitmap, int x, int y,
                           QColor transparent) {
    // In RGB32 every pixel is opaque, so only its colour is compared. The pixels of that
    // colour get alpha 0 and every other pixel alpha 255: source-over then keeps or replaces
    // each target pixel exactly.
    QImage image = bitmap.convertToFormat(QImage::Format_RGB32);
    const QImage mask = image.createMaskFromColor(transparent.rgb(), Qt::MaskOutColor);
    image = image.convertToFormat(QImage::Format_ARGB32);
    image.setAlphaChannel(mask);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(x, y), image);
    painter.restore();
}

}  // namespace tabula
