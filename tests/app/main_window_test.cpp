#include "app/main_window.h"
#include "gui_support/wait_for.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTest>

#include "app/status_panes.h"
#include "gui_support/main_window_fixture.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("---") : action->text());
    }
    return texts;
}

const QMenu* TopMenu(MainWindow& window, const QString& title) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

using PlacementTest = MainWindowTest;

TEST_F(PlacementTest, WithoutAValueTheWindowOpensAtTheStartUpRectangle) {
    Open();
    EXPECT_EQ(window->frameGeometry(), QRect(100, 100, 412, 268));
}

TEST_F(PlacementTest, AGoodValuePlacesTheWindow) {
    settings.values["MainWindowPos"] = "0:1:10:20:610:420";
    Open();
    EXPECT_EQ(window->frameGeometry(), QRect(10, 20, 600, 400));
}

TEST_F(PlacementTest, AValueOfThreeNumbersIsIgnored) {
    settings.values["MainWindowPos"] = "10:20:30";
    Open();
    EXPECT_EQ(window->frameGeometry(), QRect(100, 100, 412, 268));
}

TEST_F(PlacementTest, ClosingInTheNormalStateWritesThePlacement) {
    Open();
    window->move(30, 40);
    window->resize(QSize(500, 300) - (window->frameGeometry().size() - window->size()));
    Trigger(CommandId::kExit);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(settings.values.value("MainWindowPos"), "0:1:30:40:530:340");
}

TEST_F(PlacementTest, ClosingMaximisedLeavesTheValueAsItWas) {
    settings.values["MainWindowPos"] = "0:1:10:20:610:420";
    Open();
    window->showMaximized();
    TABULA_TRY_VERIFY(window->isMaximized());
    window->close();
    EXPECT_EQ(settings.values.value("MainWindowPos"), "0:1:10:20:610:420");
}

TEST_F(PlacementTest, RestorePutsTheWindowBackAndLaysTheCardsOut) {
    Cards({"a", "b"});
    window->move(300, 200);
    window->resize(700, 500);
    TABULA_TRY_COMPARE(window->size(), QSize(700, 500));
    Trigger(CommandId::kRestore);
    TABULA_TRY_COMPARE(window->frameGeometry(), QRect(100, 100, 412, 268));
    TABULA_TRY_COMPARE(Front().geometry().top(), window->ClientHeight() - 218);
}

using TitleAndStatusTest = MainWindowTest;

TEST_F(TitleAndStatusTest, TitleNamesTheFile) {
    Open();
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    window->SetCurrentFile("/home/user/cards.tbx");
    EXPECT_EQ(window->windowTitle(), "Tabula - /home/user/cards.tbx");
}

TEST_F(TitleAndStatusTest, CardCountFollowsWithinOneTick) {
    Open();
    EXPECT_EQ(window->Status().Count(), "0 Cards");
    EXPECT_EQ(window->Status().CountTimer().interval(), 500);
    Cards({"a", "b", "c"});
    QSignalSpy tick(&window->Status().CountTimer(), &QTimer::timeout);
    ASSERT_TRUE(tick.wait());
    EXPECT_EQ(window->Status().Count(), "3 Cards");

    deck.RemoveFrontCard();
    deck.RemoveFrontCard();
    ASSERT_TRUE(tick.wait());
    EXPECT_EQ(window->Status().Count(), "1 Cards");
}

TEST_F(TitleAndStatusTest, HoverTextGivesWayToReady) {
    Cards({"a", "b"});
    EXPECT_EQ(window->Status().Message(), "Ready");
    QTimer& timer = window->Status().MessageTimer();

    QTest::mouseMove(Front().NextButton());
    TABULA_TRY_COMPARE(window->Status().Message(), "Bring next card to front");
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 5000);
    EXPECT_TRUE(timer.isSingleShot());

    QTest::mouseMove(Front().PreviousButton());
    TABULA_TRY_COMPARE(window->Status().Message(), "Bring previous card to front");
    QTest::mouseMove(Front().PrintButton());
    TABULA_TRY_COMPARE(window->Status().Message(), "Print the front most card");
    EXPECT_TRUE(timer.isActive());

    // Let the 5 seconds run out at once.
    timer.start(0);
    TABULA_TRY_COMPARE(window->Status().Message(), "Ready");
    EXPECT_FALSE(timer.isActive());
}

TEST_F(TitleAndStatusTest, MenuPromptsShowInTheMessagePane) {
    Open();
    window->Action(CommandId::kAdd)->showStatusText(window.get());
    EXPECT_EQ(window->Status().Message(), "Add a new card");
    QStatusTipEvent closed{QString()};
    QCoreApplication::sendEvent(window.get(), &closed);
    EXPECT_EQ(window->Status().Message(), "Ready");

    // A disabled item takes the highlight and shows its prompt as well.
    QMenu* card = const_cast<QMenu*>(TopMenu(*window, "&Card"));
    card->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_FALSE(window->Action(CommandId::kDelete)->isEnabled());
    card->setActiveAction(window->Action(CommandId::kDelete));
    EXPECT_EQ(window->Status().Message(), "Delete the front card");
    card->close();
}

TEST_F(TitleAndStatusTest, TheMenuBarInItsOrder) {
    Open();
    QStringList titles;
    for (const QAction* action : window->menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&Card", "&Window", "&Help"}));
    EXPECT_EQ(MenuTexts(TopMenu(*window, "&File")),
              QStringList({"&New\tF2", "&Open...", "&Save\tF3", "Save &As...", "&Merge...", "---",
                           "&Import", "Export", "---", "&Print", "---", "Sen&d", "---", "E&xit"}));
    EXPECT_EQ(
        MenuTexts(TopMenu(*window, "&Edit")),
        QStringList({"&Undo\t", "---", "Cu&t\tShift+Del", "&Copy\tCtrl+Ins", "&Paste\tShift+Ins",
                     "---", "I&ndex...", "---", "&Go To...\tF5", "&Find...\tF4"}));
    EXPECT_EQ(MenuTexts(TopMenu(*window, "&Card")),
              QStringList({"&Add...\tF7", "---", "&Delete...", "---", "Tag..."}));
    EXPECT_EQ(MenuTexts(TopMenu(*window, "&Window")), QStringList({"&Restore"}));
    EXPECT_EQ(MenuTexts(TopMenu(*window, "&Help")),
              QStringList({"Contents...\tF1", "---", "&About"}));
    const QMenu* file = TopMenu(*window, "&File");
    EXPECT_EQ(MenuTexts(file->actions().at(9)->menu()),
              QStringList({"&Card...", "&List...", "Tag..."}));
    EXPECT_EQ(MenuTexts(file->actions().at(7)->menu()),
              QStringList({"Text file...", "Comma Delimited Text..."}));
}

TEST_F(TitleAndStatusTest, OpeningAMenuAppliesTheRules) {
    Open();
    QMenu* edit = const_cast<QMenu*>(TopMenu(*window, "&Edit"));
    emit edit->aboutToShow();
    EXPECT_FALSE(window->Action(CommandId::kGoTo)->isEnabled());
    EXPECT_FALSE(window->Action(CommandId::kIndex)->isEnabled());
    Cards({"a"});
    emit edit->aboutToShow();
    EXPECT_TRUE(window->Action(CommandId::kGoTo)->isEnabled());
    EXPECT_FALSE(window->Action(CommandId::kSendCard)->isEnabled());  // no mail yet
}

TEST_F(TitleAndStatusTest, AnAcceleratorOfADisabledCommandDoesNothing) {
    Open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F5);  // Go To needs a card
    EXPECT_TRUE(prompts.index_requests.empty());

    Cards({"apple"});
    prompts.AnswerIndex(std::nullopt);
    QTest::keyClick(&Editor(), Qt::Key_F5);
    ASSERT_EQ(prompts.index_requests.size(), 1u);
    EXPECT_EQ(prompts.index_requests[0].mode, IndexMode::kGoTo);

    prompts.AnswerIndex(std::nullopt);
    QTest::keyClick(&Editor(), Qt::Key_F7);
    ASSERT_EQ(prompts.index_requests.size(), 2u);
    EXPECT_EQ(prompts.index_requests[1].mode, IndexMode::kAddCard);
}

}  // namespace
}  // namespace tabula::test
