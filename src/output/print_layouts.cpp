#include "output/print_layouts.h"

#include <string>
#include <vector>

#include "deck/ansi.h"
#include "deck/phrase.h"
#include "output/flow_text.h"

namespace tabula {

namespace {

// The list's header and index lines stand at these device units at any resolution.
constexpr int kListLeft = 25;
constexpr int kListHeaderTop = 60;
constexpr int kListBottomGap = 50;

std::string IndexLine(const PrintWords& words, const Card& card) {
    return FillPhrase(words.index_line, {AnsiToUtf8(card.Index())});
}

std::string PageHeader(const PrintWords& words, std::string_view file_name, int page) {
    return FillPhrase(words.page_header, {std::string(file_name), std::to_string(page)});
}

// A print job that is begun together with its first page. A layout with nothing to print
// therefore never opens a job: on a printer that starts the first sheet with the document,
// an opened empty job would still put out a blank page.
class Job {
  public:
    Job(PrintDevice& device, std::string_view document_name)
        : device_(device), document_name_(document_name) {}

    // False when the printer refused the job; the layout then stops.
    bool StartPage() {
        if (!begun_) {
            if (!device_.BeginDocument(document_name_)) {
                refused_ = true;
                return false;
            }
            begun_ = true;
        }
        device_.StartPage();
        return true;
    }
    void EndPage() { device_.EndPage(); }
    bool Refused() const { return refused_; }

    PrintResult Finish() {
        if (refused_) {
            return PrintResult::kRefused;
        }
        if (!begun_) {
            return PrintResult::kNoPages;
        }
        device_.EndDocument();
        return PrintResult::kPrinted;
    }

  private:
    PrintDevice& device_;
    std::string_view document_name_;
    bool begun_ = false;
    bool refused_ = false;
};

}  // namespace

PrintResult PrintCard(PrintDevice& device, const Deck& deck, std::string_view file_name,
                      const PrintWords& words) {
    Job job(device, file_name);
    if (deck.Empty()) {
        return job.Finish();
    }
    const PageMetrics m = device.Metrics();
    const int line = m.line_height;
    const int margin = 3 * line;
    if (job.StartPage()) {
        const Card& card = deck.Front();
        device.TextAt(margin, margin, file_name);
        device.TextAt(margin, margin + 2 * line, IndexLine(words, card));
        FlowText(card.Body(), {margin, margin + 3 * line, m.page_width - 3 * line}, m.char_width,
                 line, device.DrawingPen());
        job.EndPage();
    }
    return job.Finish();
}

PrintResult PrintList(PrintDevice& device, const Deck& deck, std::string_view file_name,
                      const PrintWords& words) {
    Job job(device, file_name);
    const PageMetrics m = device.Metrics();
    const int line = m.line_height;
    const int bottom = m.page_height - kListBottomGap - 3 * line;
    const int count = deck.Count();
    int page = 0;
    for (int i = 0; i < count && job.StartPage();) {
        ++page;
        device.TextAt(kListLeft, kListHeaderTop, PageHeader(words, file_name, page));
        // The test follows the line, so every page holds at least one index line.
        int y = 2 * line + kListHeaderTop;
        do {
            device.TextAt(kListLeft, y, IndexLine(words, deck.At(i)));
            y += line;
            ++i;
        } while (i < count && y < bottom);
        job.EndPage();
    }
    return job.Finish();
}

PrintResult PrintTagged(PrintDevice& device, const Deck& deck, std::string_view file_name,
                        const PrintWords& words) {
    Job job(device, file_name);
    const PageMetrics m = device.Metrics();
    const int line = m.line_height;
    const int margin = 3 * line;
    const int right = m.page_width - 3 * line;
    const int bottom = m.page_height - 6 * line;
    const int first_top = 5 * line;

    // Planning measures every character as W, so a page planned full is never overfull on
    // paper. The planned first body stands at 5L, a line above where it prints; every
    // further card is planned 3L below the previous card's last line, as it prints.
    std::vector<int> page_cards;
    int planned_top = first_top;
    int page = 0;
    const auto print_page = [&] {
        if (job.StartPage()) {
            ++page;
            device.TextAt(margin, margin, PageHeader(words, file_name, page));
            int y = margin;
            for (const int position : page_cards) {
                const Card& card = deck.At(position);
                y += 2 * line;
                device.TextAt(margin, y, IndexLine(words, card));
                y += line;
                y = FlowText(card.Body(), {margin, y, right}, m.char_width, line,
                             device.DrawingPen());
            }
            job.EndPage();
        }
        page_cards.clear();
        planned_top = first_top;
    };

    const int count = deck.Count();
    for (int i = 0; i < count && !job.Refused();) {
        const Card& card = deck.At(i);
        if (!card.Tagged()) {
            ++i;
            continue;
        }
        const int end = FlowText(card.Body(), {margin, planned_top, right}, m.char_width, line);
        if (end < bottom) {
            page_cards.push_back(i++);
            planned_top = end + margin;
        } else if (page_cards.empty()) {
            // Too long even for an empty page: waiting for a page it fits on would never
            // end, so it gets a page to itself.
            page_cards.push_back(i++);
            print_page();
        } else {
            // Starts the next page and is planned again there.
            print_page();
        }
    }
    if (!page_cards.empty()) {
        print_page();
    }
    return job.Finish();
}

}  // namespace tabula
