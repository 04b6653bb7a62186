#include "ui/index_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/card_text.h"
#include "ui/dialog_units.h"

namespace tabula {

IndexDialog::IndexDialog(IndexMode mode, const QString& text, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), last_(text) {
    setWindowTitle(Caption(mode));
    setFont(DialogFont());
    const DialogUnits du(font());
    setFixedSize(du.X(167), du.Y(58));

    auto* label = new QLabel(tr("Index Text"), this);
    label->setGeometry(du.Rect(15, 3, 40, 9));
    edit_ = new QLineEdit(text, this);
    edit_->setGeometry(du.Rect(13, 13, 139, 12));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(du.Rect(29, 31, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setGeometry(du.Rect(88, 31, 50, 14));
    connect(ok, &QPushButton::clicked, this, &IndexDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &IndexDialog::reject);
    // Not QLineEdit's own length limit: that would cut an over-long index read from a file
    // before the user sees it. Typing past 41 is refused instead.
    connect(edit_, &QLineEdit::textEdited, this, &IndexDialog::OnEdited);

    edit_->selectAll();
    edit_->setFocus();
}

QString IndexDialog::Caption(IndexMode mode) {
    switch (mode) {
        case IndexMode::kEditIndex:
            return tr("Edit Index");
        case IndexMode::kAddCard:
            return tr("Add Card");
        case IndexMode::kGoTo:
            return tr("Goto Index");
    }
    return {};
}

QString IndexDialog::Text() const {
    return edit_->text();
}

void IndexDialog::OnEdited(const QString& text) {
    const QString storable = ReplaceUnstorable(text);
    if (storable.size() > kMaxLength && storable.size() > last_.size()) {
        const int cursor = edit_->cursorPosition() - static_cast<int>(text.size() - last_.size());
        edit_->setText(last_);
        edit_->setCursorPosition(std::max(0, cursor));
        return;
    }
    if (storable != text) {
        const int cursor =
            edit_->cursorPosition() - static_cast<int>(text.size() - storable.size());
        edit_->setText(storable);
        edit_->setCursorPosition(std::max(0, cursor));
    }
    last_ = storable;
}

void IndexDialog::accept() {
    if (edit_->text().size() > kMaxLength) {
        prompts_.Message(tr("An index holds at most 41 characters. Please shorten it."),
                         tr("Tabula Warning"), MessageIcon::kWarning, MessageButtons::kOk);
        edit_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace tabula
