#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tabula {

// The Find window: modeless, owned by the main window, deleted when it closes. It has the
// controls of the usual Find dialog (text, Match whole word, Match case, Up and Down, Find
// Next, Cancel); the search reads only its text, and every press of Find Next (or Enter) is
// one request for the next hit. Find Next is disabled while the text is empty.
class FindDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMaxLength = 127;

    explicit FindDialog(QWidget* owner);

    QString Text() const;
    // Replaces the text (cut to 127 characters, unstorable characters shown as '?') and
    // selects it, so typing replaces it.
    void SetText(const QString& text);
    // Gives the text field the focus with its text selected.
    void FocusText();

    QLineEdit* Edit() const { return edit_; }
    QPushButton* FindNextButton() const { return find_next_; }
    QPushButton* CancelButton() const { return cancel_; }
    QCheckBox* WholeWord() const { return whole_word_; }
    QCheckBox* MatchCase() const { return match_case_; }
    QRadioButton* Up() const { return up_; }
    QRadioButton* Down() const { return down_; }

  signals:
    void findNextRequested();

  private:
    void OnEdited(const QString& text);

    QLineEdit* edit_;
    QCheckBox* whole_word_;
    QCheckBox* match_case_;
    QRadioButton* up_;
    QRadioButton* down_;
    QPushButton* find_next_;
    QPushButton* cancel_;
};

}  // namespace tabula
