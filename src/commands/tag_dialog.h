#pragma once

#include <QDialog>

class QAction;
class QListView;
class QMenuBar;
class QPushButton;

namespace tabula {

class Deck;
class TagListModel;
struct CommandContext;

// Card > Tag: lists every card with its mark in 150-pixel columns that continue to the right,
// and lets the user change the marks one by one (double-click), all at once (Tag > All, Tag >
// None) or for the selected rows (Tag > Selected). The marks are the dialog's own until Ok
// writes them into the cards; Cancel drops them. Tags never mark the deck changed.
class TagDialog : public QDialog {
    Q_OBJECT

  public:
    TagDialog(Deck& deck, QWidget* owner);

    // Tag > All, None, Selected and the double-click. Each changed row loses its selection.
    void TagAll();
    void TagNone();
    void TagSelected();
    void ToggleCaretRow();

    QWidget* Client() const { return client_; }
    QListView* List() const { return list_; }
    TagListModel* Model() const { return model_; }
    QMenuBar* Menu() const { return menu_; }
    QAction* AllAction() const { return all_; }
    QAction* NoneAction() const { return none_; }
    QAction* SelectedAction() const { return selected_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  public slots:
    void accept() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QMenuBar* menu_;
    QAction* all_;
    QAction* none_;
    QAction* selected_;
    QWidget* client_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QListView* list_;
    TagListModel* model_;
};

// Card > Tag: runs the Tag dialog modally over `owner`.
void TagCards(CommandContext& context, QWidget* owner);

}  // namespace tabula
