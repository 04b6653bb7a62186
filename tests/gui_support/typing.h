#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace tabula::test {

// Types the text, one character per key event, as an input method would; QTest's own key
// helpers know only ASCII.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, c);
            QApplication::sendEvent(widget, &event);
        }
    }
}

}  // namespace tabula::test
