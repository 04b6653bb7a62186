#include "stack/stack_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "stack/stack_geometry.h"

namespace tabula {

namespace {

void DrawIndex(QPainter& painter, QPoint client_origin, const QString& text) {
    const QFontMetrics metrics(painter.font());
    painter.drawText(client_origin + QPoint(2, 2 + metrics.ascent()), text);
}

}  // namespace

QFont IndexFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

void PaintCardBorder(QPainter& painter, const QRect& card) {
    painter.setPen(kCardBorder);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(card.adjusted(0, 0, -1, -1));
}

void PaintBackCard(QPainter& painter, const QRect& card, const QString& index,
                   const QColor& background) {
    painter.fillRect(card, background);
    PaintCardBorder(painter, card);
    const QRect client = card.adjusted(1, 1, -1, -1);
    painter.save();
    painter.setClipRect(client);
    // The strip is white whatever the theme: a card behind reads as paper.
    painter.fillRect(QRect(client.topLeft(), QSize(kCardWidth, kStripHeight)), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(IndexFont());
    DrawIndex(painter, client.topLeft(), index);
    painter.restore();
}

void PaintFrontStrip(QPainter& painter, int fill_right, const QString& index,
                     const QColor& button_face, const QColor& button_text) {
    painter.fillRect(QRect(0, 0, fill_right, kStripHeight), button_face);
    painter.fillRect(QRect(395, 0, 5, kStripHeight), button_face);
    // Raised frame around (0, 0, 400, 25).
    painter.setPen(kFrameLight);
    painter.drawLine(0, 0, kCardWidth - 1, 0);
    painter.drawLine(0, 0, 0, kStripHeight - 1);
    painter.setPen(kFrameShadow);
    painter.drawLine(0, kStripHeight - 1, kCardWidth - 1, kStripHeight - 1);
    painter.drawLine(kCardWidth - 1, 0, kCardWidth - 1, kStripHeight - 1);

    painter.save();
    painter.setClipRect(QRect(0, 0, kFrontIndexClip, kStripHeight));
    painter.setPen(button_text);
    painter.setFont(IndexFont());
    DrawIndex(painter, QPoint(0, 0), TruncateFrontIndex(index));
    painter.restore();
}

}  // namespace tabula
