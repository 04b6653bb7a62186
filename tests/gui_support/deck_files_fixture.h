#pragma once

#include <sys/resource.h>

#include <QString>
#include <csignal>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "gui_support/main_window_fixture.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula::test {

// A main window, open, with a temporary folder for the files its commands read and write.
class DeckFilesTest : public MainWindowTest {
  protected:
    void SetUp() override { Open(); }

    QString PathOf(std::string_view name) const { return QString((dir / name).c_str()); }
    // Writes a deck file with these cards (file order as given) and returns its path.
    QString WriteDeck(std::string_view name, const std::vector<CardSpec>& cards) {
        WriteFileBytes(dir / name, DeckFileBytes(cards));
        return PathOf(name);
    }
    std::string Bytes(const QString& path) const { return ReadFileBytes(path.toStdString()); }
    // Puts these cards into the deck (front = smallest index) with their bodies and tags.
    void UseCards(const std::vector<CardSpec>& cards) {
        for (const CardSpec& card : cards) {
            deck.CreateCard(card.index);
            deck.SetBody(deck.Count() - 1, card.body);
            deck.SetTaggedField(deck.Count() - 1, card.tagged);
        }
        deck.SortCards();
        window->Stack().RefreshStack();
    }
    // A change of the deck, as a key pressed in the editor makes it.
    void Change() { deck.SetModified(); }

    // Expects exactly this one message box so far, with one OK button.
    void ExpectOnlyMessage(const QString& text, const QString& caption, MessageIcon icon) {
        ASSERT_EQ(prompts.messages.size(), 1u);
        const auto& m = prompts.messages[0];
        EXPECT_EQ(std::tie(m.text, m.caption, m.icon, m.buttons),
                  std::make_tuple(text, caption, icon, MessageButtons::kOk));
    }
    void ExpectNoMessage() {
        EXPECT_EQ(prompts.messages.size(), 0u) << prompts.messages[0].text.toStdString();
    }

    TempDir dir;
};

// While it lives, no file of this process may grow past `bytes`: a write beyond fails as on a
// full disk (even for root, who passes every permission check).
// SIGXFSZ stays ignored: the write fails instead of ending the process.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old{};
};

}  // namespace tabula::test
