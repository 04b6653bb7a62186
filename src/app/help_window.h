#pragma once

#include <QWidget>

class QAction;
class QTextBrowser;

namespace tabula {

// The help pages, opened at their contents. Links between the pages are followed inside the
// window; the tool bar (and Alt+Left, Alt+Right, Alt+Home or F1) goes back, forward and to
// the contents, and Esc closes the window.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr const char* kContentsPage = "qrc:/tabula/help/contents.html";

    explicit HelpWindow(QWidget* parent);
    void ShowContents();
    QTextBrowser* Browser() const { return browser_; }
    QAction* BackAction() const { return back_; }
    QAction* ForwardAction() const { return forward_; }
    QAction* ContentsAction() const { return contents_; }

  private:
    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QAction* contents_;
};

}  // namespace tabula
