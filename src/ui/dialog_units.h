#pragma once

#include <QFont>
#include <QRect>

namespace tabula {

// The dialogs are laid out in dialog units of their font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;

  private:
    int base_x_;
    int base_y_;
};

// Arial 8 point, the font of the program's dialogs.
QFont DialogFont();

}  // namespace tabula
