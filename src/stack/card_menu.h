#pragma once

#include <QAbstractListModel>
#include <QAbstractScrollArea>
#include <QFrame>

#include "stack/index_rows.h"

namespace tabula {

class Deck;

// Rows are ring positions, built only when asked for.
class CardMenuModel : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit CardMenuModel(const Deck& deck, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    const Deck& deck_;
};

// A list that paints only the rows in sight and keeps nothing per row, so it opens at once and
// scrolls at any size (a QListView lays out every row when it gets its model).
class CardMenuList : public QAbstractScrollArea, public IndexRows {
    Q_OBJECT

  public:
    CardMenuList(QAbstractItemModel* model, QWidget* parent);

    QAbstractItemModel* model() const { return model_; }
    int RowHeight() const { return row_height_; }
    int CurrentRow() const { return current_; }
    void SetCurrentRow(int row);
    // In viewport coordinates; empty when the row is out of sight.
    QRect visualRect(int row) const;
    int RowAt(QPoint viewport_position) const override;

    int RowCount() const override { return Count(); }
    QString RowText(int row) const override;
    QRect RowRect(int row) const override;
    int FocusRow() const override { return Count() > 0 ? current_ : -1; }

  signals:
    void activated(int row);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int Count() const { return model_->rowCount(); }
    int VisibleRows() const;
    void UpdateScrollBar();

    QAbstractItemModel* model_;
    int row_height_;
    int current_ = 0;
};

// The editor's card menu: every card by index, front card first. Choosing an entry reports
// its position; the menu closes on any choice or when the user clicks elsewhere.
class CardMenu : public QFrame {
    Q_OBJECT

  public:
    static constexpr int kVisibleRows = 20;

    CardMenu(const Deck& deck, QWidget* parent);
    void Popup(QPoint global_position);
    CardMenuList* View() const { return list_; }

  signals:
    void chosen(int position);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Choose(int row);

    CardMenuModel model_;
    CardMenuList* list_;
};

}  // namespace tabula
