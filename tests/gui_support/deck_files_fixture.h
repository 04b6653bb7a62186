#pragma once

#include <sys/resource.h>

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "gui_support/main_window_fixture.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula::test {

// A main window, active, with a temporary folder for the files its commands read and write.
class DeckFilesTest : public MainWindowTest {
  protected:
    void SetUp() override;

    QString PathOf(std::string_view name) const {
        return QString::fromStdString((dir / name).string());
    }
    // Writes a deck file with these cards (file order as given) and returns its path.
    QString WriteDeck(std::string_view name, const std::vector<CardSpec>& cards) {
        WriteFileBytes(dir / name, DeckFileBytes(cards));
        return PathOf(name);
    }
    std::string Bytes(const QString& path) const { return ReadFileBytes(path.toStdString()); }
    // Puts these cards into the deck (front = smallest index) with their bodies and tags.
    void UseCards(const std::vector<CardSpec>& cards);
    // A change of the deck, as a key pressed in the editor makes it.
    void Change() { deck.SetModified(); }

    // Expects exactly this one message box so far, with one OK button.
    void ExpectOnlyMessage(const QString& text, const QString& caption, MessageIcon icon);
    void ExpectNoMessage();

    TempDir dir;
};

// While it lives, no file of this process may grow past `bytes`: a write beyond fails as on a
// full disk (even for root, who passes every permission check).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

}  // namespace tabula::test
