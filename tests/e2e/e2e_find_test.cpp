// Find in the real program: F4 opens the Find window, the text is typed into it and each
// Return presses Find Next; what the user sees of each hit is checked on the window's pixels.
#include <QFile>
#include <QTest>

#include "e2e/program_test.h"
#include "support/deck_builders.h"

namespace tabula::test {
namespace {

using FindEndToEnd = ProgramTest;

// The selection's highlight; the card, the text and the frame are white, black and grey.
bool IsHighlight(QColor c) {
    return c.blue() - c.red() > 80;
}

// The horizontal extent of the highlighted pixels in an area, or a null rectangle.
QRect HighlightIn(const QImage& image, const QRect& area) {
    int left = -1;
    int right = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (IsHighlight(image.pixelColor(x, y))) {
                left = left < 0 ? x : std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return left < 0 ? QRect() : QRect(left, area.top(), right - left + 1, area.height());
}

TEST_F(FindEndToEnd, FindsATextAcrossCardsWithKeysInTheFindWindow) {
    const QString path = home_.filePath(QStringLiteral("animals.tbx"));
    {
        const std::string bytes = DeckFileBytes(
            {{"alpha", "the fox and the fox"}, {"beta", "no dogs here"}, {"gamma", "a red FOX"}});
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    const QString window = Launch({path}, QStringLiteral("Tabula - ") + path);
    ASSERT_FALSE(window.isEmpty());
    const unsigned long id = window.toULong();

    // The front card's index strip and the first line of its body, in the window.
    const QRect card(0, kHeight - 218, 400, 200);
    const QRect strip(card.left() + 3, card.top() + 2, 280, 22);
    const QRect first_line(card.left() + 2, card.top() + 28, 360, 14);
    const QImage before = GrabWhen(id, [&](const QImage& image) {
        return image.height() == kHeight && !HighlightIn(image, strip).isValid();
    });
    ASSERT_EQ(before.height(), kHeight);
    const QImage alpha_strip = before.copy(strip);

    Keys({"F4"});
    const QString find = WaitForWindow(QStringLiteral("Find"));
    ASSERT_FALSE(find.isEmpty());
    // Beside the main window, so that it hides none of the cards.
    Xdotool({"windowmove", "--sync", find, QString::number(kWidth + 20), "0"});
    Focus(find);
    Type(QStringLiteral("fox"));
    Keys({"Return"});

    // The first fox of the front card is selected...
    const QImage hit1 =
        GrabWhen(id, [&](const QImage& image) { return HighlightIn(image, first_line).isValid(); });
    const QRect fox1 = HighlightIn(hit1, first_line);
    ASSERT_TRUE(fox1.isValid()) << "no selection after the first Find Next";
    EXPECT_EQ(hit1.copy(strip), alpha_strip) << "the front card stays";
    EXPECT_GT(fox1.left(), first_line.left() + 10) << "'the ' comes before it";

    // ...then the second, further right on the same line.
    Focus(find);
    Keys({"Return"});
    const QImage hit2 = GrabWhen(id, [&](const QImage& image) {
        const QRect fox = HighlightIn(image, first_line);
        return fox.isValid() && fox.left() > fox1.right();
    });
    const QRect fox2 = HighlightIn(hit2, first_line);
    ASSERT_TRUE(fox2.isValid());
    EXPECT_GT(fox2.left(), fox1.right());
    EXPECT_EQ(fox2.width(), fox1.width()) << "the same three letters";
    EXPECT_EQ(hit2.copy(strip), alpha_strip);

    // The third Return brings gamma, the third card, to the front with its FOX selected.
    Focus(find);
    Keys({"Return"});
    const QImage hit3 = GrabWhen(id, [&](const QImage& image) {
        return image.copy(strip) != alpha_strip && HighlightIn(image, first_line).isValid();
    });
    EXPECT_NE(hit3.copy(strip), alpha_strip) << "gamma came to the front";
    const QRect fox3 = HighlightIn(hit3, first_line);
    ASSERT_TRUE(fox3.isValid());
    EXPECT_LT(fox3.left(), fox2.left()) << "'a red ' is shorter than 'the fox and the '";

    // The fourth reports the end of the pass and changes nothing.
    Focus(find);
    Keys({"Return"});
    const QString info = WaitForWindow(QStringLiteral("Tabula Info"));
    ASSERT_FALSE(info.isEmpty()) << "no \"End of Selection\"";
    Focus(info);
    Keys({"Return"});
    EXPECT_TRUE(WaitForNoWindow(QStringLiteral("Tabula Info")));
    const QImage after = x_.Grab(id);
    EXPECT_EQ(after.copy(strip), hit3.copy(strip));
    // The same selection; only the caret at its end may come and go.
    const QRect still = HighlightIn(after, first_line);
    EXPECT_EQ(still.left(), fox3.left());
    EXPECT_NEAR(still.right(), fox3.right(), 1);

    // Escape closes the Find window; the deck was only searched, so it closes unasked.
    Focus(find);
    Keys({"Escape"});
    EXPECT_TRUE(WaitForNoWindow(QStringLiteral("Find")));
    EXPECT_TRUE(Quit(window));
}

}  // namespace
}  // namespace tabula::test
