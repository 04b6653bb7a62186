#include "app/main_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "app/status_panes.h"
#include "gui_support/main_window_fixture.h"
#include "gui_support/wait_for.h"
#include "stack/card_button.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

using enum CommandId;
using MainWindowPlacementTest = MainWindowTest;

TEST_F(MainWindowPlacementTest, ThePlaceIsReadAtStartAndWrittenOnCloseUnlessMaximised) {
    const QRect start_up(100, 100, 412, 268);
    settings.values["MainWindowPos"] = "10:20:30";
    Open();
    EXPECT_EQ(window->frameGeometry(), start_up);
    window->move(30, 40);
    window->resize(QSize(500, 300) - (window->frameGeometry().size() - window->size()));
    Trigger(kExit);
    EXPECT_EQ(settings.values.value("MainWindowPos"), "0:1:30:40:530:340");
    Open();  // a new window, where the last one was
    Cards({"a", "b"});
    EXPECT_EQ(window->frameGeometry(), QRect(30, 40, 500, 300));
    Trigger(kRestore);
    TABULA_TRY_COMPARE(window->frameGeometry(), start_up);
    TABULA_TRY_COMPARE(Front().geometry().top(), window->ClientHeight() - 218);
    window->showMaximized();
    TABULA_TRY_VERIFY(window->isMaximized());
    window->close();
    EXPECT_EQ(settings.values.value("MainWindowPos"), "0:1:30:40:530:340");
}

using MainWindowPanesTest = MainWindowTest;

TEST_F(MainWindowPanesTest, TitleCountAndMessagesFollowTheWindow) {
    Open();
    // Even a disabled item shows its prompt while highlighted.
    QMenu* card = window->menuBar()->actions().at(2)->menu();
    card->popup(window->mapToGlobal(QPoint(10, 10)));
    card->setActiveAction(window->Action(kDelete));
    EXPECT_EQ(window->Status().Message(), "Delete the front card");
    card->close();
    TABULA_TRY_COMPARE(window->Status().Message(), "Ready");

    EXPECT_EQ(window->Action(kFind)->text(), "&Find...\tF4");  // the key it shows is its own
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    window->SetCurrentFile("/home/user/cards.tbx");
    EXPECT_EQ(window->windowTitle(), "Tabula - /home/user/cards.tbx");

    Cards({"a", "b", "c"});
    QSignalSpy tick(&window->Status().CountTimer(), &QTimer::timeout);
    ASSERT_TRUE(tick.wait());
    EXPECT_EQ(window->Status().Count(), "3 Cards");
    deck.RemoveFrontCard();
    ASSERT_TRUE(tick.wait());
    EXPECT_EQ(window->Status().Count(), "2 Cards");

    // A button's hover text stays until the message timer runs out.
    QTest::mouseMove(Front().PreviousButton());
    TABULA_TRY_COMPARE(window->Status().Message(), "Bring previous card to front");
    window->Status().MessageTimer().start(0);
    TABULA_TRY_COMPARE(window->Status().Message(), "Ready");
}

}  // namespace
}  // namespace tabula::test
