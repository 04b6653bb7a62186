#pragma once

#include <QPushButton>

namespace tabula {

// A front-card button with a bitmap. Whenever the mouse moves over it, it reports its hover
// text, which the main window shows in the status bar.
class CardButton : public QPushButton {
    Q_OBJECT

  public:
    CardButton(const QString& bitmap, const QString& hover_text, QWidget* parent);
    const QString& HoverText() const { return hover_text_; }

  signals:
    void hovered(const QString& text);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QString hover_text_;
};

}  // namespace tabula
