#include "stack/stack_view.h"
#include "gui_support/wait_for.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QImage>
#include <QTest>
#include <QToolTip>

#include "gui_support/main_window_fixture.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

class StackViewTest : public MainWindowTest {
  protected:
    // A point inside the index strip of card k, in the stack view.
    QPoint StripOf(int k) {
        const QRect r = window->Stack().CardRectAt(k);
        return r.topLeft() + QPoint(200, 12);
    }
    QImage Grab() { return window->centralWidget()->grab().toImage(); }
};

TEST_F(StackViewTest, TwelveCardsInAClientThreeHundredHigh) {
    Open();
    SetClientHeight(300);
    Cards({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"});
    EXPECT_EQ(window->Stack().LayoutHeight(), 300);
    EXPECT_EQ(Front().geometry(), QRect(0, 82, 400, 200));
    EXPECT_EQ(Editor().geometry(), QRect(1, 26, 398, 173));
    EXPECT_EQ(window->Stack().CardRectAt(11), QRect(275, 82 - 275, 400, 200));
}

TEST_F(StackViewTest, ResizingMovesEveryCardAndMinimisingDoesNot) {
    Open();
    SetClientHeight(300);
    Cards({"a", "b"});
    SetClientHeight(340);
    EXPECT_EQ(Front().geometry().top(), 122);
    EXPECT_EQ(window->Stack().CardRectAt(1).top(), 97);
}

TEST_F(StackViewTest, PaintedStripsOnAGrab) {
    Open();
    SetClientHeight(300);
    Cards({"alpha", "beta", "gamma"});
    const QImage image = Grab();
    const QColor face = Front().palette().color(QPalette::Button);
    ASSERT_NE(face, QColor(Qt::white));

    // Front card: border at (0, 82), strip inside from (1, 83).
    EXPECT_EQ(image.pixelColor(0, 150), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1 + 150, 83), QColor(Qt::white));        // raised frame, top
    EXPECT_EQ(image.pixelColor(1 + 150, 83 + 24), QColor(90, 90, 90));  // and bottom
    EXPECT_EQ(image.pixelColor(1 + 300, 83 + 12), face);                // fill left of buttons
    EXPECT_EQ(image.pixelColor(1 + 319, 83 + 12), face);                // reaches x 320
    EXPECT_EQ(image.pixelColor(1 + 396, 83 + 12), face);                // right of the buttons
    EXPECT_EQ(image.pixelColor(1 + 200, 83 + 100), Editor().palette().color(QPalette::Base));

    // Card 1 behind: border at (25, 57), white strip with its index in black at the left.
    EXPECT_EQ(image.pixelColor(25, 70), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(25 + 200, 57), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(25 + 300, 57 + 12), QColor(Qt::white));
    bool ink = false;
    for (int x = 28; x < 80 && !ink; ++x) {
        for (int y = 60; y < 78 && !ink; ++y) {
            ink = image.pixelColor(x, y).lightness() < 100;
        }
    }
    EXPECT_TRUE(ink) << "the index of card 1 is drawn in its strip";
    // Card 2's border and the right edge of card 1 beside the front card.
    EXPECT_EQ(image.pixelColor(50 + 200, 32), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(405, 57), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(405, 150), Front().palette().color(QPalette::Base));
    // Nothing left of the cascade above the front card.
    EXPECT_EQ(image.pixelColor(10, 20), Front().palette().color(QPalette::Base));

    // A dark theme: the front index and the arrow read on the dark face; a card behind is
    // still white paper.
    QPalette dark = window->palette();
    dark.setColor(QPalette::Button, QColor(45, 45, 45));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    window->setPalette(dark);
    const QImage night = Grab();
    const auto lightest = [&night](const QRect& area) {
        int most = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                most = std::max(most, night.pixelColor(x, y).lightness());
            }
        }
        return most;
    };
    EXPECT_GT(lightest(QRect(4, 86, 60, 18)), 180) << "the front index";
    EXPECT_GT(lightest(Front().NextButton()->geometry().translated(1, 83).adjusted(5, 5, -5, -5)),
              150)
        << "the Next arrow";
    EXPECT_EQ(night.pixelColor(25 + 300, 57 + 12), QColor(Qt::white));
}

TEST_F(StackViewTest, AScreenReaderReadsTheIndexLinesAndTheButtons) {
    Cards({"alpha", "beta", "gamma"});
    QAccessibleInterface* stack = QAccessible::queryAccessibleInterface(&View());
    ASSERT_NE(stack, nullptr);
    ASSERT_EQ(stack->childCount(), 3);
    EXPECT_EQ(stack->child(0)->text(QAccessible::Name), "alpha");
    QAccessibleInterface* beta = stack->child(1);
    EXPECT_EQ(beta->text(QAccessible::Name), "beta");
    EXPECT_EQ(stack->indexOfChild(beta), 1);
    EXPECT_EQ(stack->childAt(beta->rect().center().x(), beta->rect().center().y()), beta);
    for (const CardButton* button :
         {Front().NextButton(), Front().PreviousButton(), Front().PrintButton()}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(const_cast<CardButton*>(button))
                      ->text(QAccessible::Name),
                  button->HoverText());
    }
}

TEST_F(StackViewTest, TheTooltipShowsTheWholeIndex) {
    const std::string index33(33, 'q');
    Cards({index33});
    QHelpEvent help(QEvent::ToolTip, QPoint(100, 10),
                    Front().Client()->mapToGlobal(QPoint(100, 10)));
    QCoreApplication::sendEvent(Front().Client(), &help);
    TABULA_TRY_VERIFY(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::fromStdString(index33));
    QToolTip::hideText();
}

TEST_F(StackViewTest, ClickingACardBehindBringsItToTheFront) {
    Cards({"a", "b", "c", "d", "e"});
    QTest::mouseClick(&View(), Qt::LeftButton, {}, StripOf(2));
    EXPECT_EQ(Ring(), (std::vector<std::string>{"c", "d", "e", "a", "b"}));
    EXPECT_FALSE(deck.Modified());
    // The right edge of card 1 beside the front card.
    QTest::mouseClick(&View(), Qt::LeftButton, {},
                      window->Stack().CardRectAt(1).topLeft() + QPoint(390, 100));
    EXPECT_EQ(deck.Front().Index(), "d");
}

TEST_F(StackViewTest, NextAndPreviousWrapAround) {
    Cards({"a", "b", "c"});
    QTest::mouseClick(Front().NextButton(), Qt::LeftButton);
    EXPECT_EQ(deck.Front().Index(), "b");
    QTest::mouseClick(Front().NextButton(), Qt::LeftButton);
    QTest::mouseClick(Front().NextButton(), Qt::LeftButton);
    EXPECT_EQ(deck.Front().Index(), "a");
    QTest::mouseClick(Front().PreviousButton(), Qt::LeftButton);
    EXPECT_EQ(deck.Front().Index(), "c");
    EXPECT_EQ(Editor().toPlainText(), "");
}

TEST_F(StackViewTest, OneCardStaysAtTheFront) {
    Cards({"only"});
    QTest::mouseClick(Front().NextButton(), Qt::LeftButton);
    QTest::mouseClick(Front().PreviousButton(), Qt::LeftButton);
    EXPECT_EQ(deck.Front().Index(), "only");
}

TEST_F(StackViewTest, TheEditorShowsTheFrontCardsBody) {
    Open();
    deck.CreateCard("a");
    deck.CreateCard("b");
    deck.SortCards();
    deck.SetBody(1, "second\r\nline");
    window->Stack().RefreshStack();
    QTest::mouseClick(Front().NextButton(), Qt::LeftButton);
    EXPECT_EQ(Editor().toPlainText(), "second\nline");
    EXPECT_EQ(deck.Front().Body(), "second\r\nline");
}

TEST_F(StackViewTest, EditsReachTheCardBeforeTheRingTurns) {
    Cards({"a", "b", "c"});
    Editor().setFocus();
    QTest::keyClicks(&Editor(), "note");
    QTest::keyClick(&Editor(), Qt::Key_Home);
    QTest::keyClick(&Editor(), Qt::Key_Delete);  // makes no character
    QTest::mouseClick(&View(), Qt::LeftButton, {}, StripOf(2));
    EXPECT_EQ(deck.Front().Index(), "c");
    EXPECT_EQ(deck.At(1).Body(), "ote");  // card a, now behind
}

TEST_F(StackViewTest, AClickOnTheFrontStripEditsTheIndex) {
    Cards({"m", "x", "a"});
    deck.ClearModified();
    prompts.AnswerIndex(std::nullopt);
    QTest::mouseClick(Front().Client(), Qt::LeftButton, {}, QPoint(100, 10));
    ASSERT_EQ(prompts.index_requests.size(), 1u);
    EXPECT_EQ(prompts.index_requests[0].mode, IndexMode::kEditIndex);
    EXPECT_EQ(prompts.index_requests[0].text, "a");
    EXPECT_FALSE(deck.Modified()) << "cancelled from the strip: no change";

    prompts.AnswerIndex("n");
    QTest::mouseClick(Front().Client(), Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(Ring(), (std::vector<std::string>{"n", "x", "m"}));
    EXPECT_TRUE(deck.Modified());
}

}  // namespace
}  // namespace tabula::test
