#include "app/deck_drop.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace tabula {

std::optional<QString> DroppedDeck(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return std::nullopt;
    }
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
    const QString path = url.toLocalFile();
    if (!path.endsWith(QStringLiteral(".tbx"), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return path;
}

DeckDropFilter::DeckDropFilter(QWidget* window, std::function<void(const QString&)> open)
    : QObject(window), window_(window), open_(std::move(open)) {
    // Drops over parts that take none themselves (the stack, the status bar) reach the window.
    window_->setAcceptDrops(true);
    // The card editor is built anew with each front card: watching the whole program catches
    // drops on whichever editor there is now.
    qApp->installEventFilter(this);
}

bool DeckDropFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<QString> path = DroppedDeck(drop->mimeData());
    // Never taken as a move: a file manager would delete the deck once it was "moved" here.
    const Qt::DropActions offered = drop->possibleActions();
    const Qt::DropAction action = offered.testFlag(Qt::CopyAction)   ? Qt::CopyAction
                                  : offered.testFlag(Qt::LinkAction) ? Qt::LinkAction
                                                                     : Qt::IgnoreAction;
    if (!path || action == Qt::IgnoreAction) {
        return false;
    }
    drop->setDropAction(action);
    drop->accept();
    if (type == QEvent::Drop) {
        QTimer::singleShot(0, this, [this, file = *path] { open_(file); });
    }
    return true;
}

}  // namespace tabula
