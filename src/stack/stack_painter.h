#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace tabula {

// The drawing of the cards, shared by the stack view (cards behind) and the front card.
QFont IndexFont();
inline const QColor kCardBorder{0, 0, 0};
inline const QColor kFrameLight{255, 255, 255};
inline const QColor kFrameShadow{90, 90, 90};

// A card behind the front one: its whole rectangle in the background colour (it hides the
// cards behind it), a one-pixel border, and the index at (2, 2) of its area inside the border.
void PaintBackCard(QPainter& painter, const QRect& card, const QString& index,
                   const QColor& background);
// The one-pixel border of a card whose outer rectangle is `card`.
void PaintCardBorder(QPainter& painter, const QRect& card);
// The front card's index strip, in the front card's client coordinates: the button-face fill
// left of the buttons (to `fill_right`) and right of them (395..400), the raised frame, and
// the truncated index clipped at x 285, in the button text colour so it reads on any theme.
void PaintFrontStrip(QPainter& painter, int fill_right, const QString& index,
                     const QColor& button_face, const QColor& button_text);

}  // namespace tabula
