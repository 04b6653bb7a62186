#pragma once

#include <QObject>
#include <QPointer>
#include <string_view>

#include "commands/command_context.h"
#include "commands/find_dialog.h"
#include "commands/find_pass.h"

class QWidget;

namespace tabula {

// Edit > Find (F4) and the Find window's Find Next: the search state of the main window.
//
// There is one Find window at a time. Choosing Find while it is open brings it forward and
// starts a new pass from the current front card; it takes the editor's selection as its
// text when there is one and otherwise keeps what the user typed.
class FindCommand : public QObject {
    Q_OBJECT

  public:
    // `owner` (the main window) owns the Find window; the deck tells this object of every card
    // that leaves it, so a pass never reads a card that is gone.
    FindCommand(const CommandContext& context, QWidget* owner);
    ~FindCommand() override;

    void Find();
    void FindNext();

    FindDialog* Window() const { return window_; }
    const FindPass& Pass() const { return pass_; }

  private:
    void WindowClosed();
    void Select(std::string_view body, const FindPass::Hit& hit);

    CommandContext context_;
    QWidget* owner_;
    QPointer<FindDialog> window_;
    FindPass pass_;
};

// The editor's character position of a byte offset into a body: the editor shows each line
// break (CR LF, or a lone CR) as one character.
int EditorPosition(std::string_view body, int offset);

}  // namespace tabula
