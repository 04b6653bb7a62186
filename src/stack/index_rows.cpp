#include "stack/index_rows.h"

#include <QWidget>

namespace tabula {

namespace {

class IndexRowAccessible : public QAccessibleInterface {
  public:
    IndexRowAccessible(QWidget* list, const IndexRows& rows, int row)
        : list_(list), rows_(rows), row_(row) {}

    int Row() const { return row_; }
    QWidget* List() const { return list_; }

    bool isValid() const override { return list_ && row_ < rows_.RowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QAccessibleInterface* list = parent();
        return list ? list->window() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return list_ ? QAccessible::queryAccessibleInterface(list_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? rows_.RowText(row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect r = isValid() ? rows_.RowRect(row_) : QRect();
        return r.isEmpty() ? QRect() : QRect(list_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        state.invisible = !isValid() || rows_.RowRect(row_).isEmpty();
        const bool current = isValid() && rows_.FocusRow() == row_;
        state.selected = current;
        state.focused = current && list_->hasFocus();
        return state;
    }

  private:
    QPointer<QWidget> list_;
    const IndexRows& rows_;
    int row_;
};

QAccessibleInterface* Factory(const QString& /*class_name*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* rows = dynamic_cast<const IndexRows*>(object);
    return widget && rows ? new IndexRowsAccessible(widget, *rows) : nullptr;
}

}  // namespace

IndexRowsAccessible::IndexRowsAccessible(QWidget* widget, const IndexRows& rows)
    : QAccessibleWidget(widget, QAccessible::List), rows_(rows) {}

IndexRowsAccessible::~IndexRowsAccessible() {
    for (const auto& [row, id] : children_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

int IndexRowsAccessible::childCount() const {
    return rows_.RowCount();
}

QAccessibleInterface* IndexRowsAccessible::child(int index) const {
    if (index < 0 || index >= rows_.RowCount()) {
        return nullptr;
    }
    if (const auto found = children_.find(index); found != children_.end()) {
        return QAccessible::accessibleInterface(found->second);
    }
    auto* row = new IndexRowAccessible(widget(), rows_, index);
    children_[index] = QAccessible::registerAccessibleInterface(row);
    return row;
}

int IndexRowsAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* row = dynamic_cast<const IndexRowAccessible*>(child);
    return row && row->List() == widget() && row->isValid() ? row->Row() : -1;
}

QAccessibleInterface* IndexRowsAccessible::childAt(int x, int y) const {
    return child(rows_.RowAt(widget()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* IndexRowsAccessible::focusChild() const {
    return child(rows_.FocusRow());
}

void ReportFocusRow(QWidget* widget, int row) {
    if (QAccessible::isActive() && row >= 0) {
        QAccessibleEvent event(widget, QAccessible::Focus);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
}

void InstallIndexRowsAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace tabula
