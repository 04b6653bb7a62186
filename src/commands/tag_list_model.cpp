#include "commands/tag_list_model.h"

#include <algorithm>

#include "deck/card.h"
#include "deck/deck.h"
#include "ui/card_text.h"

namespace tabula {

TagListModel::TagListModel(Deck& deck, QObject* parent)
    : QAbstractListModel(parent), deck_(deck), marks_(static_cast<std::size_t>(deck.Count())) {}

int TagListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(marks_.size());
}

QVariant TagListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return CardToQString(deck_.At(index.row()).Index());
        case kTaggedRole:
            return Tagged(index.row());
        default:
            return {};
    }
}

bool TagListModel::Tagged(int row) const {
    switch (marks_[static_cast<std::size_t>(row)]) {
        case kTagged:
            return true;
        case kUntagged:
            return false;
        default:
            return deck_.At(row).Tagged();
    }
}

void TagListModel::SetTagged(int first, int last, bool tagged) {
    if (first > last) {
        return;
    }
    std::fill(marks_.begin() + first, marks_.begin() + last + 1, tagged ? kTagged : kUntagged);
    emit dataChanged(index(first), index(last), {kTaggedRole});
}

void TagListModel::SetAll(bool tagged) {
    SetTagged(0, rowCount() - 1, tagged);
}

void TagListModel::Toggle(int row) {
    SetTagged(row, row, !Tagged(row));
}

void TagListModel::WriteTags() {
    for (int row = 0; row < rowCount(); ++row) {
        deck_.SetTagged(row, Tagged(row));
    }
}

}  // namespace tabula
