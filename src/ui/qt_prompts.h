#pragma once

#include "ui/prompts.h"

class QWidget;

namespace tabula {

// The real dialogs: QMessageBox, QFileDialog, the Index dialog, QPrintDialog and the program's
// own dialogs, owned by the main window.
class QtPrompts final : public Prompts {
  public:
    explicit QtPrompts(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    Answer Message(const QString& text, const QString& caption, MessageIcon icon,
                   MessageButtons buttons) override;
    std::optional<QString> OpenFile(const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> IndexText(IndexMode mode, const std::string& text) override;
    bool ChoosePrinter(QPrinter& printer) override;
    bool RunDialog(QDialog& dialog) override;
    std::unique_ptr<ProgressPrompt> Progress(const QString& text, const QString& caption) override;

  private:
    Answer RecoverOrDiscard(const QString& text, const QString& caption, MessageIcon icon);
    QWidget* owner_;
};

}  // namespace tabula
