#include "stack/stack_view.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "gui_support/main_window_fixture.h"
#include "gui_support/wait_for.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

using StackViewTest = MainWindowTest;

// Clicks on a card's strip or edge and the buttons turn the ring (which ignores the case of A
// to Z); a click on the front strip edits the index, and cancelled changes nothing.
TEST_F(StackViewTest, ClicksAndButtonsTurnTheRingEditsStayWithTheirCardAndIndexesReadWhole) {
    Cards({"a", "B", "c", "D", "e"});
    deck.SetBody(2, "c1\r\nc2");
    window->Stack().RefreshStack();
    deck.ClearModified();
    const auto click = [this](QWidget* widget, QPoint at) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        return test::Ring(deck) + (deck.Modified() ? "*" : "");
    };
    EXPECT_EQ(click(&View(), window->Stack().CardRectAt(2).topLeft() + QPoint(200, 12)),
              "c=c1\r\nc2|D|e|a|B");
    EXPECT_EQ(Editor().toPlainText(), "c1\nc2");
    QTest::keyClicks(&Editor(), "x");
    EXPECT_EQ(click(Front().PreviousButton(), {5, 5}), "B|c=xc1\r\nc2|D|e|a*");
    click(&View(), window->Stack().CardRectAt(1).topLeft() + QPoint(390, 100));
    EXPECT_EQ(click(Front().NextButton(), {5, 5}), "D|e|a|B|c=xc1\r\nc2*");
    const QString index33(33, u'q');
    prompts.AnswerIndex(std::nullopt);
    prompts.AnswerIndex(index33.toStdString());
    deck.ClearModified();
    EXPECT_EQ(click(Front().Client(), {100, 10}), "D|e|a|B|c=xc1\r\nc2");
    const std::string renamed = click(Front().Client(), {100, 10});
    EXPECT_EQ(renamed + prompts.index_requests.at(1).text,
              index33.toStdString() + "|a|B|c=xc1\r\nc2|e*D");

    // A screen reader and the tooltip read whole indexes.
    QAccessibleInterface* stack = QAccessible::queryAccessibleInterface(&View());
    ASSERT_EQ(stack->childCount(), 5);
    EXPECT_EQ(
        stack->child(0)->text(QAccessible::Name) + '|' + stack->child(1)->text(QAccessible::Name),
        index33 + "|a");
    for (CardButton* button : {Front().NextButton(), Front().PrintButton()}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                  button->HoverText());
    }
    QHelpEvent help(QEvent::ToolTip, {100, 10}, Front().Client()->mapToGlobal(QPoint(100, 10)));
    QCoreApplication::sendEvent(Front().Client(), &help);
    TABULA_TRY_VERIFY(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), index33);
    QToolTip::hideText();
}

}  // namespace
}  // namespace tabula::test
