// The card commands and the stack view as the user meets them, on the offscreen platform: from
// the key press (or the click) through the real dialogs, shown and answered with key events, to
// the painted frame, on decks of 1,000 and 1,000,000 made-up cards. Read the CPU column: it is the
// time the program spends; the dialogs wait for nothing, so the wall time is the same.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <map>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "bench_data.h"
#include "commands/find_command.h"
#include "commands/find_dialog.h"
#include "deck/deck.h"
#include "output/mail_transport.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/card_menu.h"
#include "stack/card_stack.h"
#include "stack/front_card_window.h"
#include "stack/stack_view.h"
#include "ui/qt_prompts.h"
#include "ui/settings.h"

namespace tabula {
namespace {

class NoSettings final : public Settings {
  public:
    std::optional<QString> Value(const QString&) const override { return std::nullopt; }
    void SetValue(const QString&, const QString&) override {}
};

// Answers each modal dialog as soon as it is shown, as a user at the keyboard would: types
// the queued text into the field that has the focus, then presses Enter (the default button).
class KeyboardUser : public QObject {
  public:
    KeyboardUser() {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, &KeyboardUser::Look);
    }
    void Answer(const QString& typed) {
        answers_.push_back(typed);
        timer_.start();
    }
    bool Done() const { return answers_.empty(); }

  private:
    void Look() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible() || answers_.empty()) {
            return;
        }
        QWidget* field = dialog->focusWidget();
        if (field == nullptr) {
            field = dialog->findChild<QLineEdit*>();
        }
        const QString typed = answers_.front();
        answers_.pop_front();
        if (answers_.empty()) {
            timer_.stop();
        }
        if (!typed.isEmpty()) {
            QTest::keyClicks(field, typed);
        }
        QTest::keyClick(field != nullptr ? field : dialog, Qt::Key_Return);
    }

    std::deque<QString> answers_;
    QTimer timer_;
};

struct Fixture {
    Deck deck;
    NoSettings settings;
    QtPrompts prompts;
    NoMailTransport mail;
    std::unique_ptr<MainWindow> window;
    KeyboardUser user;

    // Lets the window paint what the command changed: the frame the user sees.
    static void PaintFrame() { QApplication::processEvents(); }
    // A key pressed in the main window, where its focus is (the card editor).
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus != nullptr ? focus : window.get(), key, modifiers);
    }
    // After a command, untimed: false, with the benchmark ended, when a dialog the command
    // should have shown was not. The offscreen platform gives no window the activation back
    // when a dialog closes, as a window manager would: that is done here.
    bool Check(benchmark::State& state) const {
        if (!user.Done()) {
            state.SkipWithError("a dialog was not shown");
            return false;
        }
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            state.SkipWithError("the window did not become active");
            return false;
        }
        return true;
    }
};

// Every index begins with M: Go To's group of candidates is then the whole deck.
void AddOneLetterCards(Deck& deck, int count) {
    bench::TextMaker texts(bench::kDeckSeed);
    for (int i = 0; i < count; ++i) {
        std::string index = texts.Index();
        index.front() = 'M';
        deck.CreateCard(index);
    }
    deck.SortCards();
}

// One shown window per deck, built once. A negative size asks for the deck whose indexes all
// begin with one letter.
Fixture& WindowWith(int cards) {
    static std::map<int, std::unique_ptr<Fixture>> fixtures;
    auto& slot = fixtures[cards];
    if (!slot) {
        slot = std::make_unique<Fixture>();
        if (cards < 0) {
            AddOneLetterCards(slot->deck, -cards);
        } else {
            bench::AddMadeUpCards(slot->deck, cards, bench::kDeckSeed);
        }
        slot->window =
            std::make_unique<MainWindow>(slot->deck, slot->settings, slot->prompts, slot->mail);
        slot->prompts.SetOwner(slot->window.get());
        slot->window->resize(1024, 768);
        slot->window->show();
        slot->window->Stack().RefreshStack();
        slot->window->Stack().FocusEditor();
        QApplication::processEvents();
    }
    // The accelerators reach an active window only; the last benchmark may have used another.
    slot->window->activateWindow();
    if (!QTest::qWaitForWindowActive(slot->window.get())) {
        bench::Fail("the window did not become active");
    }
    return *slot;
}

// A click on the front card's Next button.
void BM_Next(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QTest::mouseClick(f.window->Stack().Front()->NextButton(), Qt::LeftButton);
        f.PaintFrame();
    }
}
BENCHMARK(BM_Next)->Arg(bench::kSmallDeck)->Arg(bench::kLargeDeck)->Unit(benchmark::kMillisecond);

// F7, the Add dialog, a new index typed and Enter.
void BM_Add(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    int n = 0;
    for (auto _ : state) {
        f.user.Answer(QStringLiteral("Added card %1").arg(++n));
        f.Press(Qt::Key_F7);
        f.PaintFrame();
        state.PauseTiming();
        if (!f.Check(state)) {
            break;
        }
        f.deck.RemoveFrontCard();  // keep the deck's size
        f.window->Stack().RefreshStack();
        f.PaintFrame();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Add)->Arg(bench::kSmallDeck)->Arg(bench::kLargeDeck)->Unit(benchmark::kMillisecond);

// Alt+C, D (Card > Delete), and Enter at "Delete ... ?".
void BM_Delete(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        const std::string index(f.deck.Front().Index());
        const int count = f.deck.Count();
        state.ResumeTiming();
        f.user.Answer({});
        f.Press(Qt::Key_C, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_D);
        f.PaintFrame();
        state.PauseTiming();
        if (!f.Check(state) || f.deck.Count() != count - 1) {
            state.SkipWithError("the card was not deleted");
            break;
        }
        f.deck.CreateCard(index);  // keep the deck's size
        f.deck.SortCards();
        f.window->Stack().RefreshStack();
        f.window->Stack().FocusEditor();
        f.PaintFrame();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Delete)->Arg(bench::kSmallDeck)->Arg(bench::kLargeDeck)->Unit(benchmark::kMillisecond);

// F5, a letter typed in the Go To dialog and Enter: the card comes to the front.
void BM_GoToFound(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    const char letters[] = "qwertyuiopasdfghjklzxcvbnm";
    int i = 0;
    for (auto _ : state) {
        f.user.Answer(QString(QChar(letters[i++ % 26])));
        f.Press(Qt::Key_F5);
        f.PaintFrame();
        state.PauseTiming();
        if (!f.Check(state)) {
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GoToFound)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMillisecond);

// F5 for a text no card holds, among indexes that all begin with its letter: every card is
// examined, the most a Go To can cost; then Enter at the message that says so.
void BM_GoToNotFound(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.user.Answer(QStringLiteral("mzzzzzzzzzzzzzzzzzzz"));
        f.user.Answer({});
        f.Press(Qt::Key_F5);
        f.PaintFrame();
        state.PauseTiming();
        if (!f.Check(state)) {
            break;
        }
        state.ResumeTiming();
    }
}
// Negative: the deck whose indexes all begin with M.
BENCHMARK(BM_GoToNotFound)
    ->Arg(-bench::kSmallDeck)
    ->Arg(-bench::kLargeDeck)
    ->Unit(benchmark::kMillisecond);

// Enter in the Find window for a text no body holds: the whole pass, then Enter at "End of
// Selection".
void BM_FindNextFindsNothing(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.Press(Qt::Key_F4);  // a new pass from the front card
        FindDialog* find = f.window->Find().Window();
        if (find == nullptr) {
            state.SkipWithError("the Find window did not open");
            break;
        }
        find->Edit()->setText(QStringLiteral("qqxqq"));
        f.PaintFrame();
        state.ResumeTiming();
        f.user.Answer({});
        QTest::keyClick(find->Edit(), Qt::Key_Return);
        f.PaintFrame();
        state.PauseTiming();
        if (!f.Check(state)) {
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FindNextFindsNothing)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMillisecond);

// A real mouse click on the index strip of the fifth card behind the front one.
void BM_ClickBehind(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    StackView* view = f.window->Stack().View();
    const QPoint strip = f.window->Stack().CardRectAt(5).topLeft() + QPoint(200, 12);
    for (auto _ : state) {
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, strip);
        f.PaintFrame();
    }
}
BENCHMARK(BM_ClickBehind)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMillisecond);

// The editor's card menu: opened at the front card, painted and closed again.
void BM_OpenCardMenu(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    const QPoint at = f.window->mapToGlobal(QPoint(50, 50));
    for (auto _ : state) {
        f.window->Stack().OpenCardMenu(at);
        CardMenu* menu = f.window->Stack().OpenMenu();
        menu->repaint();
        menu->close();
    }
    QApplication::processEvents();  // the closed menus delete themselves
}
BENCHMARK(BM_OpenCardMenu)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMillisecond);

// Painting the whole client area: the visible cards only, whatever the deck's size.
void BM_PaintStack(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    QImage frame(f.window->centralWidget()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        f.window->centralWidget()->render(&frame);
    }
}
BENCHMARK(BM_PaintStack)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabula
