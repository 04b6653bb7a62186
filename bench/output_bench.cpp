// The print layouts and the mail file over whole decks: what Print > List, Print > Tag and
// Send > List / Tag cost on the program's side, before the printer or the mail program takes
// over. The printer is a device that only counts what it is asked to draw.
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>
#include <string_view>

#include "bench_data.h"
#include "deck/deck.h"
#include "output/mail_file.h"
#include "output/print_device.h"
#include "output/print_layouts.h"

namespace tabula::bench {
namespace {

// A 300 dpi page: L = 51, W = 56, about 8.3 by 11.7 inches printable.
constexpr PageMetrics kPage{51, 56, 2480, 3508};

class CountingDevice final : public PrintDevice, public Pen {
  public:
    PageMetrics Metrics() const override { return kPage; }
    bool BeginDocument(std::string_view) override { return true; }
    void StartPage() override { ++pages; }
    void EndPage() override {}
    void EndDocument() override {}
    void TextAt(int, int, std::string_view text) override { drawn += text.size(); }
    Pen& DrawingPen() override { return *this; }
    void MoveTo(int x, int) override { x_ = x; }
    int Draw(std::string_view text) override {
        drawn += text.size();
        return x_ += 20 * static_cast<int>(text.size());
    }

    long pages = 0;
    std::size_t drawn = 0;

  private:
    int x_ = 0;
};

using Layout = PrintResult (*)(PrintDevice&, const Deck&, std::string_view, const PrintWords&);

// Print > List, and Print > Tag with about one card in ten tagged: every card is looked at,
// every tagged one planned with FlowText and drawn.
void BM_PrintLayout(benchmark::State& state, Layout layout) {
    const Deck& deck = SharedDeck(static_cast<int>(state.range(0)));
    long pages = 0;
    for (auto _ : state) {
        CountingDevice device;
        benchmark::DoNotOptimize(layout(device, deck, "/home/user/cards.tbx", {}));
        pages = device.pages;
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK_CAPTURE(BM_PrintLayout, List, &PrintList)
    ->Arg(kSmallDeck)
    ->Arg(kMediumDeck)
    ->Arg(kLargeDeck)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrintLayout, Tag, &PrintTagged)
    ->Arg(kSmallDeck)
    ->Arg(kMediumDeck)
    ->Arg(kLargeDeck)
    ->Unit(benchmark::kMillisecond);

// The mail file's contents, into a stream that drops them: the cost of building them.
class NullBuffer final : public std::streambuf {
  protected:
    int overflow(int ch) override { return ch; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_MailFileContents(benchmark::State& state) {
    const Deck& deck = SharedDeck(static_cast<int>(state.range(0)));
    const bool tagged = state.range(1) != 0;
    NullBuffer buffer;
    std::ostream out(&buffer);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tagged ? WriteMailTagged(out, deck) : WriteMailList(out, deck));
    }
    state.SetLabel(tagged ? "tagged" : "list");
}
BENCHMARK(BM_MailFileContents)
    ->Args({kLargeDeck, 0})
    ->Args({kLargeDeck, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabula::bench
