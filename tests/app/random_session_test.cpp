// Thousands of commands and key presses in random order against the main window, with every
// question answered at random from a seeded generator. After each step the deck must still be
// a turned sorted ring, the editor must show the front card's body, and the card count pane
// must be right by the next tick of its timer.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <random>

#include "app/status_panes.h"
#include "gui_support/main_window_fixture.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula::test {
namespace {

using enum CommandId;

class RandomPrompts final : public Prompts {
  public:
    RandomPrompts(std::mt19937& random, const TempDir& dir) : random_(random), dir_(dir) {}
    Answer Message(const QString&, const QString&, MessageIcon, MessageButtons buttons) override {
        ++messages;
        using enum Answer;
        switch (buttons) {
            case MessageButtons::kYesNoCancel:
                return Pick({kYes, kNo, kCancel});
            case MessageButtons::kOkCancel:
                return Pick({kOk, kCancel});
            case MessageButtons::kOk:
                return kOk;
            default:
                return Pick({kYes, kNo});
        }
    }
    std::optional<QString> OpenFile(const FileDialogRequest& request) override {
        if (request.default_extension == "crd") {
            return File({"cards.crd", "cut.crd", "other.tbx"});
        }
        return File({"one.tbx", "two.tbx", "saved.tbx", "notes.txt", "missing.tbx"});
    }
    std::optional<QString> SaveFile(const FileDialogRequest& request) override {
        if (request.default_extension == "txt") {
            return File({"export.txt", "export", "no folder/export.txt"});
        }
        return File({"saved.tbx", "saved", "two.tbx", "no folder/x.tbx"});
    }
    std::optional<std::string> IndexText(IndexMode, const std::string&) override {
        if (random_() % 100 < 10) {
            return std::nullopt;
        }
        return Pick<std::string>(
            {"apple", "Apple", "b", "bank", "Bird", "cherry", "", "zebra", "a b", "Mango", "m"});
    }
    bool ChoosePrinter(QPrinter&) override { return false; }
    bool RunDialog(QDialog& dialog) override {  // Tag and About: Ok or Cancel at once
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
    // A file of the session's folder, or a cancelled dialog.
    std::optional<QString> File(std::initializer_list<const char*> names) {
        if (random_() % 100 < 10) {
            return std::nullopt;
        }
        return QString::fromStdString((dir_ / Pick(names)).string());
    }

    std::mt19937& random_;
    const TempDir& dir_;
};

class RandomSessionTest : public MainWindowTest {
  protected:
    bool Step();  // false when nothing was done (a Merge held back, no card to click)
    void Check(int step);

    std::mt19937 random{20240611};
    TempDir dir;
    RandomPrompts random_prompts{random, dir};
    NoMailTransport no_mail;
};

bool RandomSessionTest::Step() {
    static const CommandId kCommands[] = {
        kNew,        kOpen,      kSave,   kSaveAs, kMerge,   kImportCardfile,
        kExportText, kExportCsv, kUndo,   kCut,    kCopy,    kPaste,
        kIndex,      kGoTo,      kDelete, kExit,   kRestore, kMerge,
        kAdd,        kAdd,       kAdd,    kAdd,    kAdd,     kAdd,
        kTag,        kAbout};
    static const Qt::Key kKeys[] = {Qt::Key_F2,     Qt::Key_F3,        Qt::Key_F5,
                                    Qt::Key_F7,     Qt::Key_Left,      Qt::Key_Right,
                                    Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete,
                                    Qt::Key_Insert, Qt::Key_Home,      Qt::Key_End};
    const unsigned roll = random() % 100;
    if (roll < 35) {
        const CommandId id = kCommands[random() % std::size(kCommands)];
        if (id == kMerge && deck.Count() > 120) {  // Merge doubles a deck
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
        QTest::mouseClick(random() % 2 ? Front().NextButton() : Front().PreviousButton(),
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
        descents += CompareIndex(deck.At(k).Index(), deck.At((k + 1) % n).Index()) > 0;
    }
    ASSERT_LE(descents, 1) << "not a turned sorted ring after step " << step;
    ASSERT_EQ(Front().isVisible(), n > 0) << step;
    if (n > 0) {  // the editor holds one character more than a body keeps
        ASSERT_EQ(Editor().StoredText().substr(0, kMaxBodyLength), deck.Front().Body()) << step;
    }
    QSignalSpy tick(&window->Status().CountTimer(), &QTimer::timeout);
    ASSERT_TRUE(tick.wait(1000)) << step;
    ASSERT_EQ(window->Status().Count(), QString("%1 Cards").arg(n)) << step;
}

TEST_F(RandomSessionTest, TenThousandStepsKeepTheDeckTheEditorAndTheCountInStep) {
    WriteFileBytes(
        dir / "one.tbx",
        DeckFileBytes(
            {{"pear", "green"}, {"apple", "red\r\nround"}, {"fig", "soft"}, {"Bird", "sings"}}));
    WriteFileBytes(dir / "two.tbx", DeckFileBytes({{"bank", "money"}, {"zebra", ""}}));
    WriteFileBytes(dir / "notes.txt", "not a deck");
    WriteFileBytes(dir / "cards.crd", MgcFileBytes({{"Zebra", "stripes"}, {"apple", "x"}}));
    const std::string cut = MgcFileBytes({{"kiwi", "hairy"}, {"lime", "sour"}});
    WriteFileBytes(dir / "cut.crd", cut.substr(0, cut.size() - 2));
    WriteFileBytes(dir / "other.tbx", DeckFileBytes({{"m", "not a cardfile"}}));
    window = std::make_unique<MainWindow>(deck, settings, random_prompts, no_mail);
    const auto show = [this] {  // at the start, and after Exit let the deck go
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->Status().CountTimer().setInterval(0);  // one tick after every step
        window->Status().CountTimer().start();
    };
    show();
    for (int step = 1; step <= 10000 && !HasFatalFailure(); ++step) {
        while (!Step()) {
        }
        if (!window->isVisible()) {
            show();
        }
        Check(step);
    }
    EXPECT_GT(random_prompts.messages, 0);
}

}  // namespace
}  // namespace tabula::test
