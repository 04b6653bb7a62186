#include "commands/tag_dialog.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>

#include "commands/command_context.h"
#include "commands/tag_list_model.h"
#include "commands/tag_row_delegate.h"
#include "deck/deck.h"
#include "stack/card_stack.h"
#include "ui/dialog_units.h"
#include "ui/prompts.h"

namespace tabula {

namespace {

// Where the list stands in the client area whatever its size: 55 pixels down, as wide as the
// client area and 50 pixels shorter, so its lowest 5 pixels lie below the client area.
QRect ListRect(const QSize& client) {
    return {0, 55, client.width(), client.height() - 50};
}

}  // namespace

TagDialog::TagDialog(Deck& deck, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(tr("Tag Cards"));
    setFont(DialogFont());
    setSizeGripEnabled(false);
    const DialogUnits du(font());

    menu_ = new QMenuBar(this);
    QMenu* tag = menu_->addMenu(tr("&Tag"));
    all_ = tag->addAction(tr("&All"));
    none_ = tag->addAction(tr("&None"));
    selected_ = tag->addAction(tr("&Selected"));
    connect(all_, &QAction::triggered, this, &TagDialog::TagAll);
    connect(none_, &QAction::triggered, this, &TagDialog::TagNone);
    connect(selected_, &QAction::triggered, this, &TagDialog::TagSelected);

    client_ = new QWidget(this);
    ok_ = new QPushButton(tr("Ok"), client_);
    ok_->setGeometry(du.Rect(27, 9, 50, 14));
    ok_->setDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), client_);
    cancel_->setGeometry(du.Rect(93, 9, 50, 14));
    connect(ok_, &QPushButton::clicked, this, &TagDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &TagDialog::reject);

    list_ = new QListView(client_);
    model_ = new TagListModel(deck, list_);
    list_->setItemDelegate(new TagRowDelegate(list_));
    list_->setViewMode(QListView::ListMode);
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setSpacing(0);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setModel(model_);
    list_->setGeometry(du.Rect(0, 33, 171, 139));
    connect(list_, &QListView::doubleClicked, this, &TagDialog::ToggleCaretRow);

    // The template's size is that of the client area; the menu bar comes on top of it.
    resize(du.X(171), du.Y(172) + menu_->sizeHint().height());
    list_->setFocus();
}

void TagDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int menu_height = menu_->sizeHint().height();
    menu_->setGeometry(0, 0, width(), menu_height);
    client_->setGeometry(0, menu_height, width(), height() - menu_height);
    list_->setGeometry(ListRect(client_->size()));
}

void TagDialog::TagAll() {
    model_->SetAll(true);
    list_->selectionModel()->clearSelection();
}

void TagDialog::TagNone() {
    model_->SetAll(false);
    list_->selectionModel()->clearSelection();
}

void TagDialog::TagSelected() {
    const QItemSelection selection = list_->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        model_->SetTagged(range.top(), range.bottom(), true);
    }
    list_->selectionModel()->clearSelection();
}

void TagDialog::ToggleCaretRow() {
    const QModelIndex caret = list_->currentIndex();
    if (!caret.isValid()) {
        return;
    }
    model_->Toggle(caret.row());
    list_->selectionModel()->select(caret, QItemSelectionModel::Deselect);
}

void TagDialog::accept() {
    model_->WriteTags();
    QDialog::accept();
}

void TagCards(CommandContext& context, QWidget* owner) {
    TagDialog dialog(context.deck, owner);
    context.prompts.RunDialog(dialog);
    context.stack.FocusEditor();
}

}  // namespace tabula
