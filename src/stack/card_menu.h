#pragma once

#include <QAbstractListModel>
#include <QFrame>

class QListView;

namespace tabula {

class Deck;

// Rows are ring positions, built only when the view asks for them, so the menu opens at once
// whatever the size of the deck.
class CardMenuModel : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit CardMenuModel(const Deck& deck, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    const Deck& deck_;
};

// The editor's card menu: every card by index, front card first. Choosing an entry reports
// its position; the menu closes on any choice or when the user clicks elsewhere.
class CardMenu : public QFrame {
    Q_OBJECT

  public:
    static constexpr int kVisibleRows = 20;

    CardMenu(const Deck& deck, QWidget* parent);
    void Popup(QPoint global_position);
    QListView* View() const { return view_; }

  signals:
    void chosen(int position);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Choose(const QModelIndex& index);

    CardMenuModel model_;
    QListView* view_;
};

}  // namespace tabula
