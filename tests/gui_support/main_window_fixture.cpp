#include "gui_support/main_window_fixture.h"

#include <QAction>
#include <QTest>

#include "support/deck_builders.h"

namespace tabula::test {

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

bool MainWindowTest::Trigger(CommandId id) {
    window->UpdateActions();
    if (!window->Action(id)->isEnabled()) {
        ADD_FAILURE() << "command " << static_cast<int>(id) << " is disabled";
        return false;
    }
    window->Action(id)->trigger();
    return true;
}

std::vector<std::string> MainWindowTest::Ring() const {
    return RingIndexes(deck);
}

}  // namespace tabula::test
