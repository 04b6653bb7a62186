// Thousands of commands and key presses in random order against the main window, with every
// dialog answered at random from a seeded generator. After each step the deck must still be a
// turned sorted ring, the editor must show the front card's body, and the card count pane
// must be right by the next tick of its timer.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <random>

#include "app/main_window.h"
#include "app/status_panes.h"
#include "deck/card.h"
#include "deck/deck.h"
#include "gui_support/memory_settings.h"
#include "output/mail_transport.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"
#include "ui/prompts.h"

namespace tabula::test {
namespace {

constexpr int kSteps = 10000;
constexpr int kMaxCards = 120;  // Merge doubles a deck; beyond this it is not offered

// Answers every question at random: Yes, No or Cancel, a file of the session's folder or a
// cancelled dialog, an index text of a few letters or Cancel.
class RandomPrompts final : public Prompts {
  public:
    RandomPrompts(std::mt19937& random, const TempDir& dir) : random_(random), dir_(dir) {}

    Answer Message(const QString&, const QString&, MessageIcon, MessageButtons buttons) override {
        ++messages;
        switch (buttons) {
            case MessageButtons::kYesNoCancel:
                return Pick({Answer::kYes, Answer::kNo, Answer::kCancel});
            case MessageButtons::kYesNo:
            case MessageButtons::kYesNoDefaultNo:
            case MessageButtons::kRecoverDiscard:
                return Pick({Answer::kYes, Answer::kNo});
            case MessageButtons::kOkCancel:
                return Pick({Answer::kOk, Answer::kCancel});
            case MessageButtons::kOk:
                break;
        }
        return Answer::kOk;
    }
    std::optional<QString> OpenFile(const FileDialogRequest& request) override {
        if (Chance(10)) {
            return std::nullopt;
        }
        if (request.default_extension == "crd") {
            return Path(Pick({"cards.crd", "cut.crd", "other.tbx"}));
        }
        return Path(Pick({"one.tbx", "two.tbx", "saved.tbx", "notes.txt", "missing.tbx"}));
    }
    std::optional<QString> SaveFile(const FileDialogRequest& request) override {
        if (Chance(10)) {
            return std::nullopt;
        }
        if (request.default_extension == "txt") {
            return Path(Pick({"export.txt", "export", "no folder/export.txt"}));
        }
        return Path(Pick({"saved.tbx", "saved", "two.tbx", "no folder/x.tbx"}));
    }
    std::optional<std::string> IndexText(IndexMode, const std::string&) override {
        if (Chance(10)) {
            return std::nullopt;
        }
        static const char* const kTexts[] = {"apple", "Apple", "b",   "bank",  "Bird", "cherry",
                                             "",      "zebra", "a b", "Mango", "m"};
        return kTexts[random_() % std::size(kTexts)];
    }
    bool ChoosePrinter(QPrinter&) override { return false; }
    // Tag and About: Ok or Cancel at once.
    bool RunDialog(QDialog& dialog) override {
        random_() % 2 ? dialog.accept() : dialog.reject();
        return dialog.result() == QDialog::Accepted;
    }
    std::unique_ptr<ProgressPrompt> Progress(const QString&, const QString&) override {
        struct Never final : ProgressPrompt {
            bool Advance(std::int64_t, std::int64_t) override { return true; }
        };
        return std::make_unique<Never>();
    }

    int messages = 0;

  private:
    template <typename T>
    T Pick(std::initializer_list<T> items) {
        return items.begin()[random_() % items.size()];
    }
    bool Chance(unsigned percent) { return random_() % 100 < percent; }
    QString Path(const char* name) const { return QString::fromStdString((dir_ / name).string()); }

    std::mt19937& random_;
    const TempDir& dir_;
};

class RandomSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFileBytes(dir / "one.tbx", DeckFileBytes({{"pear", "green"},
                                                       {"apple", "red\r\nround"},
                                                       {"fig", "soft"},
                                                       {"Bird", "sings"}}));
        WriteFileBytes(dir / "two.tbx", DeckFileBytes({{"bank", "money"}, {"zebra", ""}}));
        WriteFileBytes(dir / "notes.txt", "not a deck");
        WriteFileBytes(dir / "cards.crd", MgcFileBytes({{"Zebra", "stripes"}, {"apple", "x"}}));
        std::string cut = MgcFileBytes({{"kiwi", "hairy"}, {"lime", "sour"}});
        cut.resize(cut.size() - 2);
        WriteFileBytes(dir / "cut.crd", cut);
        WriteFileBytes(dir / "other.tbx", DeckFileBytes({{"m", "not a cardfile"}}));

        window = std::make_unique<MainWindow>(deck, settings, prompts, mail);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // One tick after every step: the pane has to be right by then.
        window->Status().CountTimer().setInterval(0);
    }
    void TearDown() override { window.reset(); }

    CardEditor& Editor() { return *window->Stack().Editor(); }

    // One command, key press or click; false when none was made (a Merge held back).
    bool Step();
    void Check(int step);

    std::mt19937 random{20240611};
    TempDir dir;
    Deck deck;
    MemorySettings settings;
    RandomPrompts prompts{random, dir};
    NoMailTransport mail;
    std::unique_ptr<MainWindow> window;
};

bool RandomSessionTest::Step() {
    static const CommandId kCommands[] = {
        CommandId::kNew,        CommandId::kOpen,      CommandId::kSave,
        CommandId::kSaveAs,     CommandId::kMerge,     CommandId::kImportCardfile,
        CommandId::kExportText, CommandId::kExportCsv, CommandId::kUndo,
        CommandId::kCut,        CommandId::kCopy,      CommandId::kPaste,
        CommandId::kIndex,      CommandId::kGoTo,      CommandId::kDelete,
        CommandId::kExit,       CommandId::kRestore,   CommandId::kMerge,
        CommandId::kAdd,        CommandId::kAdd,       CommandId::kAdd,
        CommandId::kAdd,        CommandId::kAdd,       CommandId::kAdd,
        CommandId::kTag,        CommandId::kAbout,
    };
    static const Qt::Key kKeys[] = {Qt::Key_F2,     Qt::Key_F3,        Qt::Key_F5,
                                    Qt::Key_F7,     Qt::Key_Left,      Qt::Key_Right,
                                    Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete,
                                    Qt::Key_Insert, Qt::Key_Home,      Qt::Key_End};
    const unsigned roll = random() % 100;
    if (roll < 35) {
        const CommandId id = kCommands[random() % std::size(kCommands)];
        if (id == CommandId::kMerge && deck.Count() > kMaxCards) {
            return false;
        }
        window->UpdateActions();
        window->Action(id)->trigger();  // a disabled action does nothing, as in the menu
    } else if (roll < 55) {
        QTest::keyClick(&Editor(), kKeys[random() % std::size(kKeys)]);
    } else if (roll < 80) {
        QTest::keyClick(&Editor(), static_cast<char>('a' + random() % 26));
    } else if (roll < 87) {
        QTest::keyClick(&Editor(), static_cast<Qt::Key>(Qt::Key_A + random() % 26),
                        Qt::ControlModifier);
    } else if (roll < 93) {
        if (deck.Empty()) {
            return false;
        }
        QTest::mouseClick(random() % 2 ? window->Stack().Front()->NextButton()
                                       : window->Stack().Front()->PreviousButton(),
                          Qt::LeftButton);
    } else if (roll < 96) {
        Editor().selectAll();
    } else {
        QGuiApplication::clipboard()->setText(random() % 2 ? "pasted\ntext" : "x");
    }
    return true;
}

void RandomSessionTest::Check(int step) {
    const int n = deck.Count();
    int descents = 0;
    for (int k = 0; k < n && n > 1; ++k) {
        if (CompareIndex(deck.At(k).Index(), deck.At((k + 1) % n).Index()) > 0) {
            ++descents;
        }
    }
    ASSERT_LE(descents, 1) << "not a turned sorted ring after step " << step;
    if (n > 0) {
        ASSERT_TRUE(window->Stack().Front()->isVisible()) << step;
        // The editor holds one character more than a body keeps.
        ASSERT_EQ(Editor().StoredText().substr(0, kMaxBodyLength), deck.Front().Body())
            << "editor after step " << step;
    } else {
        ASSERT_FALSE(window->Stack().Front()->isVisible()) << step;
    }
    QSignalSpy tick(&window->Status().CountTimer(), &QTimer::timeout);
    ASSERT_TRUE(tick.wait(1000)) << step;
    ASSERT_EQ(window->Status().Count(), QStringLiteral("%1 Cards").arg(n)) << step;
}

TEST_F(RandomSessionTest, TenThousandStepsKeepTheDeckTheEditorAndTheCountInStep) {
    for (int step = 0; step < kSteps;) {
        if (!Step()) {
            continue;
        }
        ++step;
        if (!window->isVisible()) {
            // Closed by Exit with the deck let go: a new session in the same window.
            window->show();
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            window->Status().CountTimer().start();
        }
        Check(step);
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(prompts.messages, 0);
}

}  // namespace
}  // namespace tabula::test
