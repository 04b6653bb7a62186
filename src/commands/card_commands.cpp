#include "commands/card_commands.h"

#include <QCoreApplication>
#include <QString>
#include <string>

#include "commands/command_context.h"
#include "commands/go_to_match.h"
#include "deck/card.h"
#include "deck/deck.h"
#include "stack/card_stack.h"
#include "stack/front_card_window.h"
#include "ui/card_text.h"
#include "ui/prompts.h"

namespace tabula {

namespace {

void Warn(CommandContext& c, const QString& text, const QString& caption = {}) {
    c.prompts.Message(text,
                      caption.isEmpty()
                          ? QCoreApplication::translate("tabula::CardCommands", "Tabula Warning")
                          : caption,
                      MessageIcon::kWarning, MessageButtons::kOk);
}

// The text as the 42-byte index field would hold it.
std::string AsIndexField(const std::string& text) {
    return std::string(Card(text).Index());
}

}  // namespace

void AddCard(CommandContext& c) {
    const std::optional<std::string> text = c.prompts.IndexText(IndexMode::kAddCard, {});
    if (text) {
        const std::string index = AsIndexField(*text);
        if (index.empty()) {
            Warn(c, QCoreApplication::translate("tabula::CardCommands", "Did Not Create Card"));
            return;
        }
        c.deck.CreateCard(index);
        c.deck.SortCards();
        c.deck.BringMatchToFront(index);
        c.stack.RefreshStack();
        c.deck.SetModified();
    }
    c.stack.FocusEditor();
}

void EditIndex(CommandContext& c, IndexOrigin origin) {
    if (c.deck.Empty()) {
        return;
    }
    const std::optional<std::string> text =
        c.prompts.IndexText(IndexMode::kEditIndex, std::string(c.deck.Front().Index()));
    const std::string index = text ? AsIndexField(*text) : std::string();
    if (text && index.empty()) {
        Warn(c, QCoreApplication::translate("tabula::CardCommands", "Did Not Change Text"));
    } else {
        if (text) {
            c.deck.SetFrontIndex(index);
            c.deck.SortCards();
            c.deck.BringExactToFront(index);
            c.stack.RefreshStack();
            c.deck.SetModified();
        }
        c.stack.Front()->RepaintStrip();
        c.stack.FocusEditor();
    }
    if (origin == IndexOrigin::kMenu) {
        // Choosing the command counts as a change, whatever the answer.
        c.deck.SetModified();
    }
}

void GoToCard(CommandContext& c) {
    const std::optional<std::string> text = c.prompts.IndexText(IndexMode::kGoTo, {});
    if (!text) {
        c.stack.FocusEditor();
        return;
    }
    const std::string wanted = AsIndexField(*text);
    if (wanted.empty()) {
        Warn(c, QCoreApplication::translate("tabula::CardCommands", "Text Not Found"),
             QCoreApplication::translate("tabula::CardCommands", "Tabula Warning..."));
        return;
    }
    const int found = FindGoToMatch(c.deck, wanted);
    if (found > 0) {
        c.stack.BringToFront(found);
        return;
    }
    Warn(c, QCoreApplication::translate("tabula::CardCommands", "\"%1\" Not Found")
                .arg(CardToQString(wanted)));
    c.stack.FocusEditor();
}

void DeleteCard(CommandContext& c) {
    if (c.deck.Empty()) {
        return;
    }
    const QString question = QCoreApplication::translate("tabula::CardCommands", "Delete \"%1\" ?")
                                 .arg(CardToQString(c.deck.Front().Index()));
    if (c.prompts.Message(question,
                          QCoreApplication::translate("tabula::CardCommands", "Delete Card"),
                          MessageIcon::kQuestion, MessageButtons::kYesNo) == Answer::kYes) {
        c.deck.RemoveFrontCard();
        c.stack.RefreshStack();
    }
    c.stack.FocusEditor();
}

}  // namespace tabula
