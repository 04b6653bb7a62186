#include "gui_support/main_window_fixture.h"
#include "gui_support/wait_for.h"

#include <QAction>
#include <QTest>

#include "stack/card_editor.h"
#include "stack/front_card_window.h"
#include "stack/stack_view.h"
#include "support/deck_builders.h"

namespace tabula::test {

void MainWindowTest::TearDown() {
    window.reset();
}

MainWindow& MainWindowTest::Open() {
    window = std::make_unique<MainWindow>(deck, settings, prompts, *mail_transport);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return *window;
}

void MainWindowTest::Cards(const std::vector<std::string>& indexes) {
    if (!window) {
        Open();
    }
    FillDeck(deck, indexes);
    window->Stack().RefreshStack();
}

void MainWindowTest::SetClientHeight(int height) {
    const int outside = window->height() - window->ClientHeight();
    window->resize(window->width(), height + outside);
    TABULA_TRY_COMPARE(window->ClientHeight(), height);
}

bool MainWindowTest::Trigger(CommandId id) {
    window->UpdateActions();
    if (!window->Action(id)->isEnabled()) {
        ADD_FAILURE() << "command " << static_cast<int>(id) << " is disabled";
        return false;
    }
    window->Action(id)->trigger();
    return true;
}

CardEditor& MainWindowTest::Editor() {
    return *window->Stack().Editor();
}

FrontCardWindow& MainWindowTest::Front() {
    return *window->Stack().Front();
}

StackView& MainWindowTest::View() {
    return *window->Stack().View();
}

std::vector<std::string> MainWindowTest::Ring() const {
    return RingIndexes(deck);
}

}  // namespace tabula::test
