#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <QRect>
#include <QString>
#include <map>

namespace tabula {

// A widget that paints a list of index texts itself (the stack's index lines, the card menu)
// and so has no child widgets a screen reader could read.
class IndexRows {
  public:
    virtual ~IndexRows() = default;
    virtual int RowCount() const = 0;
    virtual QString RowText(int row) const = 0;
    // In the widget's coordinates; empty while the row is out of sight.
    virtual QRect RowRect(int row) const = 0;
    // The row under a point of the widget, or -1.
    virtual int RowAt(QPoint position) const = 0;
    // The row the keyboard is on, or -1.
    virtual int FocusRow() const { return -1; }
};

// Such a widget on the accessibility bus: a list whose items are its rows, named by their
// texts. Row interfaces are made when asked for and live as long as the list's.
class IndexRowsAccessible : public QAccessibleWidget {
  public:
    IndexRowsAccessible(QWidget* widget, const IndexRows& rows);
    ~IndexRowsAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

  private:
    const IndexRows& rows_;
    mutable std::map<int, QAccessible::Id> children_;
};

// Tells the accessibility bus that the keyboard moved to this row.
void ReportFocusRow(QWidget* widget, int row);

// Makes Qt build IndexRowsAccessible for every widget that is IndexRows. Once is enough.
void InstallIndexRowsAccessibility();

}  // namespace tabula
