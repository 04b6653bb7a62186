#pragma once

#include <QImage>
#include <QPushButton>

namespace tabula {

// A front-card button with a bitmap. Whenever the mouse moves over it, it reports its hover
// text, which the main window shows in the status bar; the same text is its accessible name.
// On a dark button face the bitmap is shown with its lightness turned round, so a dark blue
// arrow becomes a light blue one.
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
    void changeEvent(QEvent* event) override;

  private:
    void ShowBitmap();

    QString hover_text_;
    QImage bitmap_;
};

}  // namespace tabula
