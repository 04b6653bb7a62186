#include "stack/front_card_window.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "deck/deck.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/stack_painter.h"
#include "ui/card_text.h"

namespace tabula {

namespace {

CardButton* MakeButton(QWidget* parent, const QRect& place, const QString& bitmap,
                       const QString& hover, FrontCardWindow* window) {
    auto* button = new CardButton(bitmap, hover, parent);
    button->move(place.topLeft());
    QObject::connect(button, &CardButton::hovered, window, &FrontCardWindow::hovered);
    return button;
}

}  // namespace

FrontCardWindow::FrontCardWindow(Deck& deck, bool mail_available, QWidget* parent)
    : QWidget(parent), deck_(deck), layout_(MakeFrontCardLayout(mail_available)) {
    resize(kCardWidth, kCardHeight);
    // The client area inside the border clips the editor and buttons as the card's own
    // window would.
    client_ = new QWidget(this);
    client_->setGeometry(1, 1, kCardWidth - 2, kCardHeight - 2);
    client_->installEventFilter(this);
    client_->setMouseTracking(true);

    print_ = MakeButton(client_, layout_.print, QStringLiteral(":/tabula/bitmaps/print.png"),
                        tr("Print the front most card"), this);
    if (mail_available) {
        email_ = MakeButton(client_, layout_.email, QStringLiteral(":/tabula/bitmaps/email.png"),
                            tr("Email the front most card"), this);
        connect(email_, &QPushButton::clicked, this, &FrontCardWindow::emailClicked);
    }
    previous_ =
        MakeButton(client_, layout_.previous, QStringLiteral(":/tabula/bitmaps/backward.png"),
                   tr("Bring previous card to front"), this);
    next_ = MakeButton(client_, layout_.next, QStringLiteral(":/tabula/bitmaps/forward.png"),
                       tr("Bring next card to front"), this);
    connect(print_, &QPushButton::clicked, this, &FrontCardWindow::printClicked);
    connect(previous_, &QPushButton::clicked, this, &FrontCardWindow::previousClicked);
    connect(next_, &QPushButton::clicked, this, &FrontCardWindow::nextClicked);

    editor_ = new CardEditor(deck_, client_);
    editor_->setGeometry(layout_.editor);
}

void FrontCardWindow::RepaintStrip() {
    client_->repaint(QRect(0, 0, kCardWidth, kStripHeight));
}

void FrontCardWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintCardBorder(painter, rect());
}

bool FrontCardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != client_) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(client_);
            painter.fillRect(client_->rect(), palette().color(QPalette::Base));
            const QString index = deck_.Empty() ? QString() : CardToQString(deck_.Front().Index());
            PaintFrontStrip(painter, layout_.strip_fill_right, index,
                            palette().color(QPalette::Button),
                            palette().color(QPalette::ButtonText));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && !deck_.Empty()) {
                emit stripClicked();
            }
            return true;
        }
        case QEvent::ToolTip: {
            auto* help = static_cast<QHelpEvent*>(event);
            if (layout_.tool.contains(help->pos()) && !deck_.Empty()) {
                QToolTip::showText(help->globalPos(), CardToQString(deck_.Front().Index()), client_,
                                   layout_.tool);
            } else {
                QToolTip::hideText();
                event->ignore();
            }
            return true;
        }
        default:
            return QWidget::eventFilter(watched, event);
    }
}

}  // namespace tabula
