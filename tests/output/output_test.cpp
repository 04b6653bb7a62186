// The output folder's checks: the page layouts and the flow of card text on a recording
// printer, and what goes to the mail program.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "output/flow_text.h"
#include "output/mail_file.h"
#include "output/mail_message.h"
#include "output/mail_transport.h"
#include "output/print_layouts.h"
#include "output/xdg_email.h"
#include "support/temp_dir.h"

namespace tabula {
namespace {

using S = std::string;

// A printer that keeps what it was asked to do as text: the document's name, "[", each line as
// "x,y text" with " | " between, "]" at the end of a page, and "end". Its pen moves by
// its W per character; a line that moves the pen but draws nothing leaves no text. What the pen
// draws is kept by line, too.
struct RecordingDevice : PrintDevice, Pen {
    RecordingDevice(PageMetrics metrics, bool refuse = false) : metrics(metrics), refuse(refuse) {}
    PageMetrics Metrics() const override { return metrics; }
    bool BeginDocument(std::string_view name) override { return log += S(name) + " ", !refuse; }
    void StartPage() override { log += "["; }
    void EndPage() override { log += "] "; }
    void EndDocument() override { log += "end"; }
    void TextAt(int x, int y, std::string_view text) override { Line(x, y), log += text; }
    // FlowText moves the pen to the start of every line it draws.
    Pen& DrawingPen() override { return *this; }
    void MoveTo(int x, int y) override { pen_x = x, pen_y = y, open = false; }
    int Draw(std::string_view text) override {
        if (!open)
            Line(pen_x, pen_y), open = true;
        for (const char c : text)  // a character's first byte moves the pen
            pen_x += (c & 0xC0) != 0x80 ? metrics.char_width : 0;
        return log += text, lines[pen_y] += text, pen_x;
    }
    void Line(int x, int y) {
        log += (log.empty() || log.back() == '[' ? "" : " | ") + std::to_string(x) + "," +
               std::to_string(y) + " ";
    }
    PageMetrics metrics;
    int pen_x = 0, pen_y = 0;
    bool open = false, refuse = false;
    S log;
    std::map<int, S> lines;
};

// Box 0..200 with W = 10 and L = 20: the soft limit is 170 (a blank in column 17 or later
// ends the line), the hard limit 190 (column 19 ends it whatever it is).
constexpr FlowBox kBox{0, 100, 200};

// The lines from the top to the last one measured, "|" between them, as a pen of width W
// drew them (the same arithmetic as measuring, so the drawn breaks are the measured ones).
S Flow(std::string_view text) {
    RecordingDevice pen({20, 10, 0, 0});
    const int measured = FlowText(text, kBox, 10, 20);
    EXPECT_EQ(FlowText(text, kBox, 10, 20, pen), measured);
    S lines = pen.lines[kBox.top];
    for (int y = kBox.top + 20; y <= measured; y += 20)
        lines += "|" + pen.lines[y];
    return lines;
}

TEST(FlowText, BreaksAtLineEndsAndBlanksInTheLastTenthAndCutsAtTheHardLimitAndDraws) {
    const S a15(15, 'a'), a16 = a15 + 'a', x19(19, 'x');
    // clang-format off
    for (const auto& [text, lines] : std::vector<std::pair<S, S>>{
             {"", ""}, {"one two", "one two"}, {a16 + " bb", a16 + " |bb"},
             {a15 + " bbbbb", a15 + " bbb|bb"},  // a blank before the soft zone
             {"aaaaaaaaaaaaaa longword", "aaaaaaaaaaaaaa long|word"},  // no measuring ahead
             {S(25, 'x'), x19 + "|xxxxxx"}, {S(38, 'x'), x19 + "|" + x19 + "|"},
             {x19 + " y", x19 + "|y"},  // one blank after a line end is dropped
             {a16 + "  b", a16 + " |b"}, {a16 + "   b", a16 + " | b"},
             {"one\r\n two", "one|two"}, {"one\n  two", "one| two"}, {"one\r\n\r\ntwo", "one||two"},
             {"\n\n", "||"}, {"end\r\n", "end|"}, {"one\rtwo", "one|two"}, {"a\r\r\nb", "a||b"},
             {x19 + "\r\nz", x19 + "||z"},  // a line ended by a limit still gets its own line end
             {a16 + " \r\nz", a16 + " ||z"}, {S("ab\0cd", 5), "ab"}, {"caf\xE9", "caf\xC3\xA9"},
             {"a\tb", "a  b"}, {"a" + S(9, '\t') + "b", "a" + S(18, ' ') + "|b"},  // no tab stops
             {a16 + "\tbcd", a16 + "  b|cd"}})  // and no blank to break at
        EXPECT_EQ(Flow(text), lines) << text;
    // clang-format on
    // The text is the first three bytes: what follows in memory is never drawn.
    EXPECT_EQ(Flow(std::string_view("ab\rXYZ").substr(0, 3)), "ab|");
    RecordingDevice narrow({20, 5, 0, 0});
    EXPECT_EQ(FlowText(S(25, 'x'), kBox, 10, 20, narrow), 100) << "drawn by the real widths";
}

// L = W = 10; every layout starts at the front card. Print > List: the bottom limit PH - 50 - 3L is
// 2L + 60 + 10L, ten lines a page.
constexpr PageMetrics kListPage{10, 10, 330, 260};
// Print > Tag: margin 30, body box 30..300 (a line holds 26 characters), bottom limit
// 200 - 60 = 140 and the first card planned at 50: three one-line cards fit on a page.
constexpr PageMetrics kTagPage{10, 10, 330, 200};

// Fills the deck with these cards ("*" after an index tags it, "=" goes before its body) and
// brings the one at `front` to the front.
void Fill(Deck& deck, const std::vector<S>& cards, int front) {
    for (const S& card : cards) {
        const std::size_t star = card.find('*'), body = std::min(card.find('='), card.size());
        deck.CreateCard(card.substr(0, std::min(star, body)),
                        card.substr(body + (body < card.size())))
            .SetTagged(star < body);
    }
    deck.SortCards();
    if (front)
        deck.BringToFront(front);
}

// Prints a deck of these cards from the one at `front`: the result, then what the printer was
// asked to do.
S Print(auto layout, const std::vector<S>& cards, const S& name, PageMetrics page = kTagPage,
        int front = 0, bool refuse = false) {
    Deck deck;
    Fill(deck, cards, front);
    RecordingDevice printer(page, refuse);
    const char* results[] = {"printed ", "no pages ", "refused "};
    return results[static_cast<int>(layout(printer, deck, name, {}))] + printer.log;
}

TEST(PrintLayouts, PlaceEachLineFromTheFrontCardOnWholeCardsToAPage) {
    std::vector<S> indexes;
    S list = "printed d.tbx ", big = "big*=1", lines = " | 30,60 1";
    for (int k = 0; k < 25; ++k) {
        indexes.push_back("card " + std::to_string(100 + k));
        list += (k % 10 ? S() : (k ? "] [" : "[") + S("25,60 d.tbx - page ") + "123"[k / 10]) +
                " | 25," + std::to_string(80 + 10 * (k % 10)) + " Index: " + indexes.back();
    }
    for (int k = 2; k <= 12; ++k)
        big += "\r\n" + std::to_string(k % 10),
            lines += " | 30," + std::to_string(50 + 10 * k) + " " + std::to_string(k % 10);
    EXPECT_EQ(Print(PrintList, indexes, "d.tbx", kListPage), list + "] end");
    EXPECT_EQ(Print(PrintCard, {"Abe", "Smith=" + S(30, 'x') + "\r\nTel", "Zed"},
                    "/home/u/work.tbx", kTagPage, 1),
              "printed /home/u/work.tbx [30,30 /home/u/work.tbx | 30,50 Index: Smith | 30,60 " +
                  S(26, 'x') + " | 30,70 xxxx | 30,80 Tel] end");
    EXPECT_EQ(Print(PrintTagged, {"a*=body a", "b*=body b", "c*=body c", "d*=body d", "e"}, "t",
                    kTagPage, 2),
              "printed t [30,30 t - page 1 | 30,50 Index: c | 30,60 body c | 30,80 Index: d "
              "| 30,90 body d | 30,110 Index: a | 30,120 body a] [30,30 t - page 2 | 30,50 Index: "
              "b | 30,60 body b] end");
    // A card that never fits takes a page of its own, cut at nothing.
    EXPECT_EQ(Print(PrintTagged, {"a*=short", big, "z*"}, "t"),
              "printed t [30,30 t - page 1 | 30,50 Index: a | 30,60 short] [30,30 t - page 2 "
              "| 30,50 Index: big" +
                  lines + "] [30,30 t - page 3 | 30,50 Index: z] end");
    EXPECT_EQ(
        Print(PrintList, {}, "x") + Print(PrintCard, {}, "x") + Print(PrintTagged, {"a"}, "x"),
        "no pages no pages no pages ");
    for (const auto layout : {PrintList, PrintTagged, PrintCard})
        EXPECT_EQ(Print(layout, {"a", "b*"}, "x", kListPage, 0, true), "refused x ");
}

using Args = std::vector<S>;

TEST(Mail, TheMessageItsFileAndTheMailProgramsArgumentsAndAnswers) {
    // 41 characters: the subject keeps 31, a body 511; then Windows-1252 goes as UTF-8.
    EXPECT_EQ(XdgEmailArguments(MailMessage::Note("Caf\xE9 notes for the planning committees",
                                                  "one\r\ntwo\rthree\nf\xE9")),
              (Args{"--utf8", "--subject", "Caf\xC3\xA9 notes for the planning com", "--body",
                    "one\ntwo\nthree\nf\xC3\xA9"}));
    EXPECT_EQ(MailMessage::Note("a", S(600, 'b')).NoteText(), S(511, 'b'));
    const MailMessage file = MailMessage::Attachment("/tmp/m/Untitled.txt");
    EXPECT_EQ(XdgEmailArguments(file), (Args{"--utf8", "--attach", "/tmp/m/Untitled.txt"}));
    S names = file.AttachmentName() + " ", messages;
    for (const char* path : {"/u/decks/work.tbx", "C:\\decks\\work.tbx", "work.tbx", "", "/u/"})
        names += MailFileName(path) + " ";
    EXPECT_EQ(names,
              "Untitled.txt work.tbx.txt work.tbx.txt work.tbx.txt Untitled.txt Untitled.txt ");
    // 1 is a usage error of xdg-email, but a cancel in the mail programs' own answers.
    for (const MailOutcome& outcome :
         {MailOutcome::Returned(0), MailOutcome::Returned(1), MailOutcome::Returned(3),
          MailOutcome::Returned(2), MailOutcome::Returned(26), MailOutcome::Returned(-1),
          MailOutcome::NoEntryPoint(), XdgEmailOutcome(true, 0), XdgEmailOutcome(false, 0),
          XdgEmailOutcome(true, 3), XdgEmailOutcome(true, 1)})
        messages += S(MailOutcomeMessage(outcome)) + "|";
    const S failed = "Failed To Send\nPlease verify your email setup in Control Panel|";
    EXPECT_EQ(messages, "|||" + failed + failed + failed +
                            "Invalid Mapi32.DLL\nThe mail program cannot take messages||Load "
                            "Fail\nThe xdg-email command was not found (it comes with xdg-utils)|"
                            "Load Fail\nNo mail program is set for mailto links|" +
                            failed);

    // The list and the tagged cards from the front card on, with CR LF.
    Deck deck;
    Fill(deck, {"a*=one\r\ntwo", "b", "m", "z*"}, 2);
    std::ostringstream list, tagged;
    ASSERT_TRUE(WriteMailList(list, deck) && WriteMailTagged(tagged, deck));
    const S rule = S(60, '-') + "\r\n\r\n";
    EXPECT_EQ(list.str() + "/" + tagged.str(),
              "m\r\nz\r\na\r\nb\r\n/z\r\n\r\n" + rule + "a\r\none\r\ntwo\r\n" + rule);
    test::TempDir dir;
    const auto path = dir / "work.tbx.txt";
    test::WriteFileBytes(path, "an older and longer mail file");
    ASSERT_TRUE(WriteMailFile(path, deck, MailContents::kList));
    EXPECT_EQ(test::ReadFileBytes(path), list.str());
    deck.SetTagged(1, false);
    deck.SetTagged(2, false);
    ASSERT_TRUE(WriteMailFile(path, deck, MailContents::kTagged));
    EXPECT_EQ(test::ReadFileBytes(path), "");
    EXPECT_FALSE(WriteMailFile(dir / "missing" / "m.txt", deck, MailContents::kList) ||
                 WriteMailFile(dir.path(), deck, MailContents::kList));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

}  // namespace
}  // namespace tabula
