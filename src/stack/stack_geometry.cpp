#include "stack/stack_geometry.h"

#include <algorithm>

namespace tabula {

namespace {

// Rounding towards minus infinity, for positions left of or above the client area.
int FloorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}
int CeilDiv(int a, int b) {
    return -FloorDiv(-a, b);
}

}  // namespace

QRect CardRect(int k, int h) {
    return QRect(kCascadeStep * k, h - kFrontBottomGap - kCardHeight - kCascadeStep * k, kCardWidth,
                 kCardHeight);
}

// Card k spans x in [25k, 25k + 400) and y in [h - 218 - 25k, h - 18 - 25k).
std::pair<int, int> BackCardsIn(const QRect& area, int count, int h) {
    if (area.isEmpty() || count < 2) {
        return {1, 0};
    }
    const int x0 = area.left();
    const int x1 = area.right() + 1;
    const int y0 = area.top();
    const int y1 = area.bottom() + 1;
    const int bottom0 = h - kFrontBottomGap;  // bottom edge of card 0, exclusive
    // 25k < x1, 25k + 400 > x0, bottom0 - 200 - 25k < y1, bottom0 - 25k > y0
    const int first = std::max({1, FloorDiv(x0 - kCardWidth, kCascadeStep) + 1,
                                FloorDiv(bottom0 - kCardHeight - y1, kCascadeStep) + 1});
    const int last = std::min(
        {count - 1, CeilDiv(x1, kCascadeStep) - 1, CeilDiv(bottom0 - y0, kCascadeStep) - 1});
    return {first, last};
}

int BackCardAt(QPoint p, int count, int h) {
    const auto [first, last] = BackCardsIn(QRect(p, QSize(1, 1)), count, h);
    return first <= last ? first : -1;
}

QString TruncateFrontIndex(const QString& index) {
    if (index.size() > kFrontIndexChars) {
        return index.left(kFrontIndexChars) + QStringLiteral("...");
    }
    return index;
}

FrontCardLayout MakeFrontCardLayout(bool mail_available) {
    FrontCardLayout layout;
    // From the right: Print, then E-mail when there is mail, then Previous, then Next.
    QRect button(370, 0, kButtonSize, kButtonSize);
    layout.print = button;
    if (mail_available) {
        button.translate(-kButtonSize, 0);
        layout.email = button;
    }
    button.translate(-kButtonSize, 0);
    layout.previous = button;
    button.translate(-kButtonSize, 0);
    layout.next = button;
    layout.strip_fill_right = layout.next.left();
    layout.tool = QRect(0, 0, layout.next.right() + 1, kStripHeight);
    return layout;
}

}  // namespace tabula
