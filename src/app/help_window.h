#pragma once

#include <QWidget>

class QTextBrowser;

namespace tabula {

// The help pages, opened at their contents.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent);
    void ShowContents();
    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace tabula
