#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <vector>

namespace tabula {

class Deck;

// The rows of the Tag dialog: row i is the card at deck position i, with its index as text and
// a mark that starts as the card's tag. The marks are the dialog's own copy until WriteTags;
// nothing is kept per card but one byte, and a row's text is read from the deck only when
// the list asks for it, so a deck of any size opens at once.
class TagListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    static constexpr int kTaggedRole = Qt::UserRole + 1;  // bool

    TagListModel(Deck& deck, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    bool Tagged(int row) const;
    void SetTagged(int first, int last, bool tagged);
    void SetAll(bool tagged);
    void Toggle(int row);
    // Sets every card's tag to 1 or 0 from its row's mark. The deck is not marked changed.
    void WriteTags();

  private:
    enum Mark : std::uint8_t { kAsCard = 0, kTagged = 1, kUntagged = 2 };

    Deck& deck_;
    std::vector<std::uint8_t> marks_;
};

}  // namespace tabula
