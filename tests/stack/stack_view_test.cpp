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

using Strings = std::vector<std::string>;
using StackViewTest = MainWindowTest;

TEST_F(StackViewTest, ClicksAndButtonsTurnTheRingAndEditsStayWithTheirCard) {
    Cards({"a", "B", "c", "D", "e"});  // the ring ignores the case of A to Z
    deck.SetBody(2, "c1\r\nc2");
    window->Stack().RefreshStack();
    deck.ClearModified();
    const auto click = [this](QWidget* widget, QPoint at) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    };
    click(&View(), window->Stack().CardRectAt(2).topLeft() + QPoint(200, 12));  // its strip
    EXPECT_EQ(Ring(), (Strings{"c", "D", "e", "a", "B"}));
    EXPECT_EQ(Editor().toPlainText() + (deck.Modified() ? "*" : ""), "c1\nc2");
    QTest::keyClicks(&Editor(), "x");
    click(Front().PreviousButton(), {5, 5});
    EXPECT_EQ(Ring(), (Strings{"B", "c", "D", "e", "a"}));
    EXPECT_EQ(deck.At(1).Body(), "xc1\r\nc2");
    click(&View(), window->Stack().CardRectAt(1).topLeft() + QPoint(390, 100));  // its edge
    click(Front().NextButton(), {5, 5});
    EXPECT_EQ(deck.Front().Index(), "D");

    // A click on the front strip edits the index; cancelled, nothing changes.
    prompts.AnswerIndex(std::nullopt);
    prompts.AnswerIndex("f");
    deck.ClearModified();
    click(Front().Client(), {100, 10});
    EXPECT_FALSE(deck.Modified());
    click(Front().Client(), {100, 10});
    EXPECT_EQ(prompts.index_requests.at(1).text, "D");
    EXPECT_EQ(Ring(), (Strings{"f", "a", "B", "c", "e"}));
    EXPECT_TRUE(deck.Modified());
}

TEST_F(StackViewTest, AScreenReaderAndTheTooltipReadWholeIndexes) {
    const std::string index33(33, 'q');
    Cards({"alpha", "beta", index33});
    QAccessibleInterface* stack = QAccessible::queryAccessibleInterface(&View());
    ASSERT_EQ(stack->childCount(), 3);
    EXPECT_EQ(stack->child(1)->text(QAccessible::Name), "beta");
    for (CardButton* button : {Front().NextButton(), Front().PrintButton()}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                  button->HoverText());
    }
    window->Stack().BringToFront(2);
    QHelpEvent help(QEvent::ToolTip, {100, 10}, Front().Client()->mapToGlobal(QPoint(100, 10)));
    QCoreApplication::sendEvent(Front().Client(), &help);
    TABULA_TRY_VERIFY(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::fromStdString(index33));
    QToolTip::hideText();
}

}  // namespace
}  // namespace tabula::test
