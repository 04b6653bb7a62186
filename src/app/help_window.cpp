#include "app/help_window.h"

#include <QAction>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace tabula {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Tabula Help"));
    // Follows the pages' relative links itself, within the resources.
    browser_ = new QTextBrowser(this);

    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    contents_ = tools->addAction(tr("Contents"));
    contents_->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Home), QKeySequence(Qt::Key_F1)});
    back_ = tools->addAction(tr("Back"));
    back_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    back_->setEnabled(false);
    forward_ = tools->addAction(tr("Forward"));
    forward_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    forward_->setEnabled(false);
    for (QAction* action : {contents_, back_, forward_}) {
        action->setToolTip(QStringLiteral("%1 (%2)").arg(
            action->text(), action->shortcut().toString(QKeySequence::NativeText)));
    }

    connect(contents_, &QAction::triggered, this, &HelpWindow::ShowContents);
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    // The title bar names the page, so the window can be told apart in the task bar.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Tabula Help") : title);
    });
    auto* close_key = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close_key, &QShortcut::activated, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(browser_);
    resize(560, 480);
}

void HelpWindow::ShowContents() {
    browser_->setSource(QUrl(QString::fromLatin1(kContentsPage)));
    show();
    raise();
    activateWindow();
    // The reader's keys (arrows, Page Up and Down, Tab to the next link) belong to the page.
    browser_->setFocus();
}

}  // namespace tabula
