#include "gui_support/deck_files_fixture.h"

#include <QTest>
#include <csignal>

#include "app/status_panes.h"

namespace tabula::test {

void DeckFilesTest::SetUp() {
    Open();
    // The accelerators reach an active window only.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

QString DeckFilesTest::PathOf(std::string_view name) const {
    return QString::fromStdString((dir / name).string());
}

QString DeckFilesTest::WriteDeck(std::string_view name, const std::vector<CardSpec>& cards) {
    WriteFileBytes(dir / name, DeckFileBytes(cards));
    return PathOf(name);
}

std::string DeckFilesTest::Bytes(const QString& path) const {
    return ReadFileBytes(path.toStdString());
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

std::string DeckFilesTest::DeckBytes() const {
    std::vector<CardSpec> cards;
    for (int k = 0; k < deck.Count(); ++k) {
        const Card& card = deck.At(k);
        cards.push_back({std::string(card.Index()), std::string(card.Body()), card.TaggedField()});
    }
    return DeckFileBytes(cards);
}

void DeckFilesTest::Change() {
    deck.SetModified();
}

void DeckFilesTest::ExpectOnlyMessage(const QString& text, const QString& caption,
                                      MessageIcon icon) {
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, text);
    EXPECT_EQ(prompts.messages[0].caption, caption);
    EXPECT_EQ(prompts.messages[0].icon, icon);
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::kOk);
}

void DeckFilesTest::ExpectNoMessage() {
    for (const auto& message : prompts.messages) {
        ADD_FAILURE() << "unexpected message: " << message.text.toStdString();
    }
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
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
