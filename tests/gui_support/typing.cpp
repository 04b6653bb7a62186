#include "gui_support/typing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tabula::test {

void TypeText(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString unit = text.mid(i, n);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, unit);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, unit);
        QApplication::sendEvent(widget, &release);
        i += n - 1;
    }
}

}  // namespace tabula::test
