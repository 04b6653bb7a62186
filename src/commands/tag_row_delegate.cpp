#include "commands/tag_row_delegate.h"

#include <QPainter>

#include "commands/tag_list_model.h"
#include "stack/transparent_bitmap.h"

namespace tabula {

TagRowDelegate::TagRowDelegate(QObject* parent)
    : QAbstractItemDelegate(parent), tagged_(TaggedMark()), untagged_(UntaggedMark()) {}

QImage TagRowDelegate::TaggedMark() {
    return QImage(QStringLiteral(":/tabula/bitmaps/tagged.png"));
}

QImage TagRowDelegate::UntaggedMark() {
    return QImage(QStringLiteral(":/tabula/bitmaps/untagged.png"));
}

void TagRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    // The system's colours do not change with the focus: a selected row looks the same
    // whether the list has the focus or not.
    const QPalette& palette = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    const QColor background =
        palette.color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base);
    const QColor text =
        palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
    const QImage& mark = index.data(TagListModel::kTaggedRole).toBool() ? tagged_ : untagged_;

    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, background);
    DrawTransparentBitmap(*painter, mark, option.rect.left(), option.rect.top(), Qt::white);
    painter->setPen(text);
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(mark.width() + 5, 0, 0, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize TagRowDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                               const QModelIndex& /*index*/) const {
    return {kColumnWidth, kRowHeight};
}

}  // namespace tabula
