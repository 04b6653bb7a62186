#include "ui/qt_prompts.h"

#include <algorithm>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>

#include "ui/card_text.h"
#include "ui/file_dialog.h"
#include "ui/index_dialog.h"

namespace tabula {

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kInformation:
            return QMessageBox::Information;
        case MessageIcon::kWarning:
            return QMessageBox::Warning;
        case MessageIcon::kStop:
            return QMessageBox::Critical;
        case MessageIcon::kQuestion:
            return QMessageBox::Question;
        case MessageIcon::kNone:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::kOkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::kYesNo:
        case MessageButtons::kYesNoDefaultNo:
        case MessageButtons::kRecoverDiscard:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::kYesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::kOk:
            break;
    }
    return QMessageBox::Ok;
}

std::optional<QString> RunFileDialog(QWidget* owner, const FileDialogRequest& r, bool save) {
    FileDialog dialog(owner, r, save);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

// Window-modal, so that while the bar moves the events that reach the program are the
// Cancel button's and the repaints, never a command in the window behind.
class QtProgress final : public ProgressPrompt {
  public:
    QtProgress(const QString& text, const QString& caption, QWidget* owner)
        : dialog_(text, QCoreApplication::translate("tabula::QtPrompts", "Cancel"), 0, kSteps,
                  owner) {
        dialog_.setWindowTitle(caption);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(0);
        dialog_.setAutoReset(false);
        dialog_.setAutoClose(false);
        dialog_.show();
        dialog_.setValue(0);
    }

    // The dialog takes in events at each new value: only a visible step is worth that.
    bool Advance(std::int64_t done, std::int64_t total) override {
        const int step = total > 0 ? static_cast<int>(std::min(done, total) * kSteps / total) : 0;
        if (step != dialog_.value()) {
            dialog_.setValue(step);
        }
        return !dialog_.wasCanceled();
    }

  private:
    static constexpr int kSteps = 100;
    QProgressDialog dialog_;
};

}  // namespace

Answer QtPrompts::Message(const QString& text, const QString& caption, MessageIcon icon,
                          MessageButtons buttons) {
    if (buttons == MessageButtons::kRecoverDiscard) {
        return RecoverOrDiscard(text, caption, icon);
    }
    QMessageBox box(ToQt(icon), caption, text, ToQt(buttons), owner_);
    if (buttons == MessageButtons::kYesNoDefaultNo) {
        box.setDefaultButton(QMessageBox::No);
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::kYes;
        case QMessageBox::No:
            return Answer::kNo;
        case QMessageBox::Ok:
            return Answer::kOk;
        default:
            return buttons == MessageButtons::kOk ? Answer::kOk : Answer::kCancel;
    }
}

// Discard deletes what Recover would bring back: it is never the answer of Escape or of the
// window's close button, which the box has neither of.
Answer QtPrompts::RecoverOrDiscard(const QString& text, const QString& caption, MessageIcon icon) {
    QMessageBox box(ToQt(icon), caption, text, QMessageBox::NoButton, owner_);
    QPushButton* recover = box.addButton(
        QCoreApplication::translate("tabula::QtPrompts", "Recover"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(
        QCoreApplication::translate("tabula::QtPrompts", "Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(recover);
    box.exec();
    if (box.clickedButton() == recover) {
        return Answer::kYes;
    }
    return box.clickedButton() == discard ? Answer::kNo : Answer::kCancel;
}

std::optional<QString> QtPrompts::OpenFile(const FileDialogRequest& request) {
    return RunFileDialog(owner_, request, false);
}

std::optional<QString> QtPrompts::SaveFile(const FileDialogRequest& request) {
    return RunFileDialog(owner_, request, true);
}

std::optional<std::string> QtPrompts::IndexText(IndexMode mode, const std::string& text) {
    IndexDialog dialog(mode, CardToQString(text), *this, owner_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return CardFromQString(dialog.Text());
}

bool QtPrompts::ChoosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, owner_);
    // Every job prints all its pages: no page range, no selection, no current page. Print to
    // File stays, the only choice on a machine without a print system.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompts::RunDialog(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<ProgressPrompt> QtPrompts::Progress(const QString& text, const QString& caption) {
    return std::make_unique<QtProgress>(text, caption, owner_);
}

}  // namespace tabula
