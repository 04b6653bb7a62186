#include "stack/transparent_bitmap.h"

#include <QPainter>

namespace tabula {

QImage WithTransparentColour(const QImage& bitmap, QColor transparent) {
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb() & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = (line[x] & RGB_MASK) == key ? 0u : (line[x] | ~RGB_MASK);
        }
    }
    return image;
}

void DrawTransparentBitmap(QPainter& painter, const QImage& bitmap, int x, int y,
                           QColor transparent) {
    // Every pixel is either fully transparent or fully opaque, so the usual source-over
    // drawing keeps or replaces each target pixel exactly.
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(x, y), WithTransparentColour(bitmap, transparent));
    painter.restore();
}

}  // namespace tabula
