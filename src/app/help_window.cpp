#include "app/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace tabula {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Tabula Help"));
    browser_ = new QTextBrowser(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(480, 400);
}

void HelpWindow::ShowContents() {
    browser_->setSource(QUrl(QStringLiteral("qrc:/tabula/help/contents.html")));
    show();
    raise();
    activateWindow();
}

}  // namespace tabula
