#include "commands/find_command.h"

#include <QTextCursor>
#include <QWidget>

#include "deck/card.h"
#include "deck/deck.h"
#include "stack/card_editor.h"
#include "stack/card_stack.h"
#include "ui/card_text.h"
#include "ui/prompts.h"

namespace tabula {

namespace {

// The selection as the Find window can hold it: one line.
QString FirstLineOfSelection(const CardEditor& editor) {
    const QString selected = editor.textCursor().selectedText();
    for (qsizetype i = 0; i < selected.size(); ++i) {
        const QChar c = selected.at(i);
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n' ||
            c == u'\r') {
            return selected.left(i);
        }
    }
    return selected;
}

}  // namespace

int EditorPosition(std::string_view body, int offset) {
    int position = offset;
    for (int i = 0; i + 1 < offset && static_cast<std::size_t>(i + 1) < body.size(); ++i) {
        if (body[static_cast<std::size_t>(i)] == '\r' &&
            body[static_cast<std::size_t>(i + 1)] == '\n') {
            --position;
        }
    }
    return position;
}

FindCommand::FindCommand(const CommandContext& context, QWidget* owner)
    : QObject(owner), context_(context), owner_(owner) {
    context_.deck.SetRemovalObserver([this](const Card& card) { pass_.CardLeaving(card); });
}

FindCommand::~FindCommand() {
    context_.deck.SetRemovalObserver({});
}

void FindCommand::Find() {
    pass_.Start(context_.deck);
    const QString selection =
        context_.deck.Empty() ? QString() : FirstLineOfSelection(*context_.stack.Editor());
    if (!window_) {
        window_ = new FindDialog(owner_);
        connect(window_, &FindDialog::findNextRequested, this, &FindCommand::FindNext);
        connect(window_, &QDialog::finished, this, &FindCommand::WindowClosed);
        window_->SetText(selection);
    } else if (!selection.isEmpty()) {
        window_->SetText(selection);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    window_->FocusText();
}

void FindCommand::FindNext() {
    if (context_.deck.Empty() || !window_) {
        return;
    }
    const std::string text = CardFromQString(window_->Text());
    while (const std::optional<FindPass::Hit> hit = pass_.FindNext(text)) {
        const int position = context_.deck.PositionOf(*hit->card);
        if (position < 0) {
            continue;  // not in the deck after all: on to its next hit or the next card
        }
        context_.stack.BringToFront(position);
        Select(context_.deck.Front().Body(), *hit);
        owner_->activateWindow();
        context_.stack.FocusEditor();
        return;
    }
    context_.prompts.Message(tr("End of Selection"), tr("Tabula Info"), MessageIcon::kWarning,
                             MessageButtons::kOk);
}

void FindCommand::Select(std::string_view body, const FindPass::Hit& hit) {
    CardEditor& editor = *context_.stack.Editor();
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(EditorPosition(body, hit.offset));
    cursor.setPosition(EditorPosition(body, hit.offset + hit.length), QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

void FindCommand::WindowClosed() {
    // The window deletes itself; a Find from now on opens a new one.
    window_.clear();
    if (!context_.deck.Empty()) {
        owner_->activateWindow();
        context_.stack.FocusEditor();
    }
}

}  // namespace tabula
