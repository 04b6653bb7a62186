#pragma once

#include <QColor>
#include <QImage>

class QPainter;

namespace tabula {

// Draws the bitmap with its top-left corner at (x, y), leaving the target's pixels unchanged
// wherever the bitmap's pixel has the colour `transparent` (its alpha not counted) and
// covering them with the bitmap's pixel everywhere else.
void DrawTransparentBitmap(QPainter& painter, const QImage& bitmap, int x, int y,
                           QColor transparent);

}  // namespace tabula
