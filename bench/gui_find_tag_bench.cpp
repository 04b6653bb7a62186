// Find and the Tag dialog at scale, on the offscreen platform: a Find Next that finds the next
// hit (with the repaint of the card it brings to the front), and the Tag dialog opening,
// scrolling and writing its marks, on decks of 1,000 and 1,000,000 made-up cards (bodies of 0
// to 511 characters).
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>

#include <map>
#include <memory>

#include "app/main_window.h"
#include "bench_data.h"
#include "commands/find_command.h"
#include "commands/tag_dialog.h"
#include "commands/tag_list_model.h"
#include "deck/deck.h"
#include "output/mail_transport.h"
#include "ui/prompts.h"
#include "ui/settings.h"

namespace tabula {
namespace {

class QuietPrompts final : public Prompts {
  public:
    Answer Message(const QString&, const QString&, MessageIcon, MessageButtons) override {
        ++messages;
        return Answer::kOk;
    }
    std::optional<QString> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> IndexText(IndexMode, const std::string&) override {
        return std::nullopt;
    }
    bool ChoosePrinter(QPrinter&) override { return false; }
    bool RunDialog(QDialog&) override { return false; }
    std::unique_ptr<ProgressPrompt> Progress(const QString&, const QString&) override {
        return nullptr;  // nothing here reads a file
    }

    int messages = 0;
};

class NoSettings final : public Settings {
  public:
    std::optional<QString> Value(const QString&) const override { return std::nullopt; }
    void SetValue(const QString&, const QString&) override {}
};

struct Fixture {
    Deck deck;
    NoSettings settings;
    QuietPrompts prompts;
    NoMailTransport mail;
    std::unique_ptr<MainWindow> window;
};

// One shown main window per deck size, built once and shared by the benchmarks.
Fixture& WindowWith(int cards) {
    static std::map<int, std::unique_ptr<Fixture>> fixtures;
    auto& slot = fixtures[cards];
    if (!slot) {
        slot = std::make_unique<Fixture>();
        bench::AddMadeUpCards(slot->deck, cards, bench::kDeckSeed);
        slot->window =
            std::make_unique<MainWindow>(slot->deck, slot->settings, slot->prompts, slot->mail);
        slot->window->resize(1024, 768);
        slot->window->show();
        QApplication::processEvents();
        slot->window->Stack().RefreshStack();
        QApplication::processEvents();
    }
    return *slot;
}

// Edit > Find with this text in the Find window: a new pass from the front card.
void StartFind(Fixture& f, const QString& text) {
    f.window->Find().Find();
    f.window->Find().Window()->Edit()->setText(text);
}

// Choosing Find: the pass takes the order of the whole ring.
void BM_FindCommand(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.window->Find().Find();
    }
}
BENCHMARK(BM_FindCommand)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMillisecond);

// A Find Next with a hit: the card comes to the front, is repainted and the hit selected.
void BM_FindNextHit(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    StartFind(f, QStringLiteral("son"));
    for (auto _ : state) {
        const int before = f.prompts.messages;
        f.window->Find().FindNext();
        if (f.prompts.messages != before) {
            state.PauseTiming();
            StartFind(f, QStringLiteral("son"));
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_FindNextHit)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMicrosecond);

// Card > Tag up to its first paint, and closing it again.
void BM_TagDialogOpens(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto dialog = std::make_unique<TagDialog>(f.deck, f.window.get());
        dialog->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog->List()->viewport()->grab());
        dialog.reset();
    }
}
BENCHMARK(BM_TagDialogOpens)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMillisecond);

// One dialog kept open per deck size for the scrolling benchmarks.
TagDialog& OpenTagDialog(int cards) {
    static std::map<int, std::unique_ptr<TagDialog>> dialogs;
    auto& slot = dialogs[cards];
    if (!slot) {
        Fixture& f = WindowWith(cards);
        slot = std::make_unique<TagDialog>(f.deck, f.window.get());
        slot->resize(640, 480);
        slot->show();
        QApplication::processEvents();
    }
    return *slot;
}

// Scrolling one page of columns to the right, with the repaint of the list.
void BM_TagDialogScrollsAPage(benchmark::State& state) {
    TagDialog& dialog = OpenTagDialog(static_cast<int>(state.range(0)));
    QScrollBar* bar = dialog.List()->horizontalScrollBar();
    QImage image(dialog.List()->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    bar->setValue(0);
    for (auto _ : state) {
        bar->setValue(
            bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
        dialog.List()->viewport()->render(&image);
    }
}
BENCHMARK(BM_TagDialogScrollsAPage)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMicrosecond);

// Dragging the scroll bar from one end to the other: the far columns painted at once.
void BM_TagDialogJumpsToTheEnd(benchmark::State& state) {
    TagDialog& dialog = OpenTagDialog(static_cast<int>(state.range(0)));
    QScrollBar* bar = dialog.List()->horizontalScrollBar();
    QImage image(dialog.List()->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bar->setValue(bar->value() == bar->maximum() ? 0 : bar->maximum());
        dialog.List()->viewport()->render(&image);
    }
}
BENCHMARK(BM_TagDialogJumpsToTheEnd)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMicrosecond);

// Tag > All with its repaint, and Ok writing every card's tag.
void BM_TagAllThenOk(benchmark::State& state) {
    Fixture& f = WindowWith(static_cast<int>(state.range(0)));
    QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        auto dialog = std::make_unique<TagDialog>(f.deck, f.window.get());
        dialog->resize(640, 480);
        dialog->show();
        QApplication::processEvents();
        state.ResumeTiming();
        dialog->TagAll();
        dialog->List()->viewport()->render(&image);
        dialog->Model()->WriteTags();
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TagAllThenOk)
    ->Arg(bench::kSmallDeck)
    ->Arg(bench::kLargeDeck)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabula
