#pragma once

#include <QString>

class QWidget;

namespace tabula::test {

// Types any text, one character (or surrogate pair) per key event, as an input method would;
// QTest's own key helpers know only ASCII.
void TypeText(QWidget* widget, const QString& text);

}  // namespace tabula::test
