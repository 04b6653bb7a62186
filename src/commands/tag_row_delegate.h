#pragma once

#include <QAbstractItemDelegate>
#include <QImage>

namespace tabula {

// Draws one row of the Tag dialog's list: the background (highlight when selected), the mark
// at the row's top-left corner with white left transparent, and the index 5 pixels right of
// the mark, on one line, centred vertically. No focus rectangle is drawn. Every row is 150 by
// 15 pixels, so the list wraps into 150-pixel columns.
class TagRowDelegate : public QAbstractItemDelegate {
    Q_OBJECT

  public:
    static constexpr int kColumnWidth = 150;
    static constexpr int kRowHeight = 15;

    explicit TagRowDelegate(QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The two marks, 19 by 14 pixels on white.
    static QImage TaggedMark();
    static QImage UntaggedMark();

  private:
    QImage tagged_;
    QImage untagged_;
};

}  // namespace tabula
