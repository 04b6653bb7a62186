#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace tabula::test {

// Types any text, one character (or surrogate pair) per key event, as an input method would;
// QTest's own key helpers know only ASCII.
inline void TypeText(QWidget* widget, const QString& text) {
    for (qsizetype i = 0, n = 1; i < text.size(); i += n) {
        n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, text.mid(i, n));
            QApplication::sendEvent(widget, &event);
        }
    }
}

}  // namespace tabula::test
