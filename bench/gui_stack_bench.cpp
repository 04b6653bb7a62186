// The card commands and the stack view at scale: each command is timed with the repaint it
// causes (RefreshStack paints before it returns), on decks of 1,000 and 1,000,000 cards.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "app/main_window.h"
#include "commands/card_commands.h"
#include "deck/deck.h"
#include "output/mail_transport.h"
#include "stack/card_menu.h"
#include "stack/card_stack.h"
#include "stack/front_card_window.h"
#include "stack/stack_view.h"
#include "ui/prompts.h"
#include "ui/settings.h"

namespace tabula {
namespace {

// Answers every question at once: the Index dialog with `index_answer`, questions with Yes.
class AnsweringPrompts final : public Prompts {
  public:
    Answer Message(const QString&, const QString&, MessageIcon, MessageButtons) override {
        return Answer::kYes;
    }
    std::optional<QString> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> IndexText(IndexMode, const std::string&) override {
        return index_answer;
    }
    bool ChoosePrinter(QPrinter&) override { return false; }
    bool RunDialog(QDialog&) override { return false; }

    std::string index_answer;
};

class NoSettings final : public Settings {
  public:
    std::optional<QString> Value(const QString&) const override { return std::nullopt; }
    void SetValue(const QString&, const QString&) override {}
};

// Indexes spread over the alphabet like words: a letter, then random letters and a number.
std::string RandomIndex(std::mt19937& random) {
    std::uniform_int_distribution<int> letter(0, 25);
    std::uniform_int_distribution<int> length(4, 20);
    std::string index(1, static_cast<char>('A' + letter(random)));
    for (int i = length(random); i > 0; --i) {
        index += static_cast<char>('a' + letter(random));
    }
    return index + ' ' + std::to_string(random() % 100000);
}

struct Fixture {
    Deck deck;
    NoSettings settings;
    AnsweringPrompts prompts;
    NoMailTransport mail;
    std::unique_ptr<MainWindow> window;
    QImage frame;

    // Paints the whole client area, the front card and every visible card behind it, into
    // an image of the window's size: what the screen would get after the command. Counted in
    // every command's time, so no figure depends on when the platform flushes its repaints.
    void PaintFrame() { window->centralWidget()->render(&frame); }
};

// Every index begins with M: Go To's group of candidates is then the whole deck.
std::string OneLetterIndex(std::mt19937& random) {
    std::string index = RandomIndex(random);
    index.front() = 'M';
    return index;
}

// One window per deck, built once and shared by the benchmarks. A negative size asks for the
// deck whose indexes all begin with one letter.
Fixture& WindowWith(int cards) {
    static std::map<int, std::unique_ptr<Fixture>> fixtures;
    auto& slot = fixtures[cards];
    if (!slot) {
        slot = std::make_unique<Fixture>();
        std::mt19937 random(42);
        for (int i = 0; i < std::abs(cards); ++i) {
            slot->deck.CreateCard(cards < 0 ? OneLetterIndex(random) : RandomIndex(random));
        }
        slot->deck.SortCards();
        slot->window =
            std::make_unique<MainWindow>(slot->deck, slot->settings, slot->prompts, slot->mail);
        slot->window->resize(1024, 768);
        slot->window->show();
        QApplication::processEvents();
        slot->window->Stack().RefreshStack();
        QApplication::processEvents();
        slot->frame =
            QImage(slot->window->centralWidget()->size(), QImage::Format_ARGB32_Premultiplied);
    }
    return *slot;
}

void BM_Next(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.window->Stack().Next();
        f.PaintFrame();
    }
}
BENCHMARK(BM_Next)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_Previous(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.window->Stack().Previous();
        f.PaintFrame();
    }
}
BENCHMARK(BM_Previous)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// A real mouse click on the index strip of the fifth card behind the front one.
void BM_ClickBehind(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    StackView* view = f.window->Stack().View();
    const QPoint strip = f.window->Stack().CardRectAt(5).topLeft() + QPoint(200, 12);
    const QPoint global = view->mapToGlobal(strip);
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, strip, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, strip, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(view, &release);
        f.PaintFrame();
    }
}
BENCHMARK(BM_ClickBehind)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_AddCard(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    CommandContext& context = f.window->Context();
    std::mt19937 random(7);
    for (auto _ : state) {
        state.PauseTiming();
        f.prompts.index_answer = RandomIndex(random);
        state.ResumeTiming();
        AddCard(context);
        f.PaintFrame();
        state.PauseTiming();
        f.deck.RemoveFrontCard();  // keep the deck's size
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddCard)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_DeleteCard(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    CommandContext& context = f.window->Context();
    for (auto _ : state) {
        state.PauseTiming();
        const std::string index(f.deck.Front().Index());
        state.ResumeTiming();
        DeleteCard(context);
        f.PaintFrame();
        state.PauseTiming();
        f.deck.CreateCard(index);  // keep the deck's size
        f.deck.SortCards();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteCard)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Go To for a text that no card holds: every card whose first letter matches is examined,
// the most a search of this deck can cost.
void BM_GoToNotFound(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    CommandContext& context = f.window->Context();
    f.prompts.index_answer = "mzzzzzzzzzzzzzzzzzzzzzzzz";
    for (auto _ : state) {
        GoToCard(context);
        f.PaintFrame();
    }
}
// -1000000: a deck whose 1,000,000 indexes all begin with M, the worst case of the search.
BENCHMARK(BM_GoToNotFound)->Arg(1000)->Arg(1000000)->Arg(-1000000)->Unit(benchmark::kMicrosecond);

void BM_GoToFound(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    CommandContext& context = f.window->Context();
    const char letters[] = "qwertyuiopasdfghjklzxcvbnm";
    int i = 0;
    for (auto _ : state) {
        f.prompts.index_answer = std::string(1, letters[i++ % 26]);
        GoToCard(context);
        f.PaintFrame();
    }
}
BENCHMARK(BM_GoToFound)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// The editor's card menu: opened at the front card and closed again.
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
BENCHMARK(BM_OpenCardMenu)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Painting the whole client area: the visible cards only, whatever the deck's size.
void BM_PaintStack(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.PaintFrame();
    }
}
BENCHMARK(BM_PaintStack)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tabula
