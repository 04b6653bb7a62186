#include "commands/find_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ui/card_text.h"
#include "ui/dialog_units.h"

namespace tabula {

FindDialog::FindDialog(QWidget* owner) : QDialog(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("Find"));
    setFont(DialogFont());
    const DialogUnits du(font());
    setFixedSize(du.X(236), du.Y(62));

    auto* label = new QLabel(tr("Fi&nd what:"), this);
    label->setGeometry(du.Rect(4, 8, 42, 8));
    edit_ = new QLineEdit(this);
    edit_->setGeometry(du.Rect(47, 7, 128, 12));
    edit_->setMaxLength(kMaxLength);
    label->setBuddy(edit_);

    whole_word_ = new QCheckBox(tr("Match &whole word only"), this);
    whole_word_->setGeometry(du.Rect(4, 26, 100, 12));
    match_case_ = new QCheckBox(tr("Match &case"), this);
    match_case_->setGeometry(du.Rect(4, 42, 64, 12));

    auto* direction = new QGroupBox(tr("Direction"), this);
    direction->setGeometry(du.Rect(107, 26, 68, 28));
    up_ = new QRadioButton(tr("&Up"), direction);
    up_->setGeometry(du.Rect(4, 12, 25, 12));
    down_ = new QRadioButton(tr("&Down"), direction);
    down_->setGeometry(du.Rect(31, 12, 35, 12));
    down_->setChecked(true);

    find_next_ = new QPushButton(tr("&Find Next"), this);
    find_next_->setGeometry(du.Rect(182, 5, 50, 14));
    find_next_->setDefault(true);
    find_next_->setEnabled(false);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setGeometry(du.Rect(182, 23, 50, 14));

    connect(find_next_, &QPushButton::clicked, this, &FindDialog::findNextRequested);
    connect(cancel_, &QPushButton::clicked, this, &FindDialog::reject);
    connect(edit_, &QLineEdit::textEdited, this, &FindDialog::OnEdited);
    connect(edit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { find_next_->setEnabled(!text.isEmpty()); });
}

QString FindDialog::Text() const {
    return edit_->text();
}

void FindDialog::SetText(const QString& text) {
    edit_->setText(ReplaceUnstorable(text.left(kMaxLength)));
    edit_->selectAll();
}

void FindDialog::FocusText() {
    edit_->selectAll();
    edit_->setFocus(Qt::OtherFocusReason);
}

// What is searched is what the field shows: a character that no card can hold is shown as
// the '?' it would become.
void FindDialog::OnEdited(const QString& text) {
    const QString storable = ReplaceUnstorable(text);
    if (storable != text) {
        const int cursor =
            edit_->cursorPosition() - static_cast<int>(text.size() - storable.size());
        edit_->setText(storable);
        edit_->setCursorPosition(std::max(0, cursor));
    }
}

}  // namespace tabula
