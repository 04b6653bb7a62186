#pragma once

#include <QDialog>

#include "ui/prompts.h"

class QLineEdit;

namespace tabula {

// One line of index text: at most 41 characters, the whole text selected on opening so that
// typing replaces it. The caption says which command asks.
class IndexDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMaxLength = 41;

    IndexDialog(IndexMode mode, const QString& text, Prompts& prompts, QWidget* parent);
    QString Text() const;
    QLineEdit* Edit() const { return edit_; }
    static QString Caption(IndexMode mode);

  public slots:
    void accept() override;

  private:
    void OnEdited(const QString& text);

    Prompts& prompts_;
    QLineEdit* edit_;
    QString last_;
};

}  // namespace tabula
