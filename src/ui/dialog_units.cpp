#include "ui/dialog_units.h"

#include <QFontMetrics>

namespace tabula {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    base_x_ = (letters / 26 + 1) / 2;
    base_y_ = metrics.height();
}

int DialogUnits::X(int units) const {
    return units * base_x_ / 4;
}

int DialogUnits::Y(int units) const {
    return units * base_y_ / 8;
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

QFont DialogFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

}  // namespace tabula
