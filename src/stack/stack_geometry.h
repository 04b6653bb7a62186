#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <utility>

namespace tabula {

// The cascade, in pixels of the main window's client area. Card k (0 = front) of a layout
// made at client height h lies at left 25k, top h - 218 - 25k, 400 by 200; nothing scrolls, so
// cards far behind simply leave the area.
inline constexpr int kCardWidth = 400;
inline constexpr int kCardHeight = 200;
inline constexpr int kStripHeight = 25;
inline constexpr int kCascadeStep = 25;
inline constexpr int kFrontBottomGap = 18;
inline constexpr int kButtonSize = 25;
// The front card's index is cut to this many characters (then "...") and clipped at x 285.
inline constexpr int kFrontIndexChars = 32;
inline constexpr int kFrontIndexClip = 285;

QRect CardRect(int k, int client_height);

// The positions whose card rectangles meet `area`, as [first, last] within [1, count - 1];
// first > last when none does. The front card is not included: it is a widget of its own.
std::pair<int, int> BackCardsIn(const QRect& area, int count, int client_height);

// The lowest position k >= 1 whose rectangle holds the point, or -1.
int BackCardAt(QPoint point, int count, int client_height);

// The front card's index as its strip shows it.
QString TruncateFrontIndex(const QString& index);

// Places in the front card's client area (inside its one-pixel border).
struct FrontCardLayout {
    QRect editor{1, 26, 398, 173};
    QRect next;
    QRect previous;
    QRect email;  // empty without mail
    QRect print;
    int strip_fill_right = 0;  // the button-face fill of the strip ends here (295 or 320)
    QRect tool;                // where the tooltip with the whole index shows
};
FrontCardLayout MakeFrontCardLayout(bool mail_available);

}  // namespace tabula
