#include "gui_support/deck_files_fixture.h"

#include <QTest>
#include <csignal>

namespace tabula::test {

void DeckFilesTest::SetUp() {
    Open();
    window->activateWindow();  // the accelerators reach an active window only
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void DeckFilesTest::UseCards(const std::vector<CardSpec>& cards) {
    for (const CardSpec& card : cards) {
        deck.CreateCard(card.index);
        deck.SetBody(deck.Count() - 1, card.body);
        deck.SetTaggedField(deck.Count() - 1, card.tagged);
    }
    deck.SortCards();
    window->Stack().RefreshStack();
}

void DeckFilesTest::ExpectOnlyMessage(const QString& text, const QString& caption,
                                      MessageIcon icon) {
    ASSERT_EQ(prompts.messages.size(), 1u);
    const auto& shown = prompts.messages[0];
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.caption, caption);
    EXPECT_EQ(shown.icon, icon);
    EXPECT_EQ(shown.buttons, MessageButtons::kOk);
}

void DeckFilesTest::ExpectNoMessage() {
    for (const auto& message : prompts.messages) {
        ADD_FAILURE() << "unexpected message: " << message.text.toStdString();
    }
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) : old_handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
}

}  // namespace tabula::test
