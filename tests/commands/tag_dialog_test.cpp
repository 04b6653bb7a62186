#include "commands/tag_dialog.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <functional>

#include "commands/tag_list_model.h"
#include "commands/tag_row_delegate.h"
#include "gui_support/main_window_fixture.h"
#include "stack/card_editor.h"
#include "stack/transparent_bitmap.h"
#include "support/deck_builders.h"

namespace tabula::test {
namespace {

// Processes events until the condition holds; false when it never does. (QTRY_* report to
// QTest's own log, which a GoogleTest run never reads.)
bool Soon(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition);
}

std::vector<std::string> Indexes(int count) {
    std::vector<std::string> indexes;
    for (int i = 0; i < count; ++i) {
        indexes.push_back("card " + std::string(i < 10 ? "0" : "") + std::to_string(i));
    }
    return indexes;
}

std::vector<bool> Tags(const Deck& deck) {
    std::vector<bool> tags;
    for (int k = 0; k < deck.Count(); ++k) {
        tags.push_back(deck.At(k).Tagged());
    }
    return tags;
}

class TagDialogTest : public ::testing::Test {
  protected:
    // A deck of `count` cards and the dialog over it, shown.
    void Open(int count, const std::vector<int>& tagged = {}) {
        FillDeck(deck, Indexes(count));
        for (const int k : tagged) {
            deck.SetTagged(k, true);
        }
        Show();
    }
    void Show() {
        dialog = std::make_unique<TagDialog>(deck, nullptr);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    QListView& List() { return *dialog->List(); }
    std::vector<bool> Marks() {
        std::vector<bool> marks;
        for (int row = 0; row < dialog->Model()->rowCount(); ++row) {
            marks.push_back(dialog->Model()->Tagged(row));
        }
        return marks;
    }
    QPoint RowCentre(int row) { return List().visualRect(List().model()->index(row, 0)).center(); }
    void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(List().viewport(), Qt::LeftButton, modifiers, RowCentre(row));
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (const QModelIndex& index : List().selectionModel()->selectedIndexes()) {
            rows.push_back(index.row());
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    // A double-click as the platform delivers it: press, release, double-click, release.
    void DoubleClick(int row) {
        QWidget* viewport = List().viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, RowCentre(row));
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, RowCentre(row));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, RowCentre(row));
    }
    int RowsPerColumn() { return List().viewport()->height() / TagRowDelegate::kRowHeight; }

    Deck deck;
    std::unique_ptr<TagDialog> dialog;
};

TEST_F(TagDialogTest, OpensWithEveryCardFromTheFrontAndItsMark) {
    FillDeck(deck, {"apple", "berry", "cherry", "date"});
    deck.SetTagged(1, true);
    deck.BringToFront(1);  // berry cherry date apple
    Show();
    EXPECT_EQ(dialog->windowTitle(), "Tag Cards");
    ASSERT_EQ(dialog->Model()->rowCount(), 4);
    const QAbstractItemModel& model = *List().model();
    EXPECT_EQ(model.index(0, 0).data().toString(), "berry") << "the front card comes first";
    EXPECT_EQ(model.index(3, 0).data().toString(), "apple");
    EXPECT_EQ(Marks(), (std::vector<bool>{true, false, false, false}));

    ASSERT_EQ(dialog->Menu()->actions().size(), 1);
    EXPECT_EQ(dialog->Menu()->actions()[0]->text(), "&Tag");
    const QList<QAction*> items = dialog->Menu()->actions()[0]->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&All");
    EXPECT_EQ(items[1]->text(), "&None");
    EXPECT_EQ(items[2]->text(), "&Selected");
    EXPECT_EQ(dialog->OkButton()->text(), "Ok");
    EXPECT_EQ(dialog->CancelButton()->text(), "Cancel");
    EXPECT_TRUE(dialog->OkButton()->isDefault());
    EXPECT_EQ(List().selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(List().visualRect(model.index(1, 0)), QRect(0, 15, 150, 15));
}

TEST_F(TagDialogTest, CancelAndEscapeChangeNoCard) {
    FillDeck(deck, Indexes(3));
    deck.SetTaggedField(1, 7);  // a deck file may hold any non-zero value
    Show();
    EXPECT_EQ(Marks(), (std::vector<bool>{false, true, false}));
    dialog->AllAction()->trigger();
    EXPECT_EQ(Marks(), std::vector<bool>(3, true));
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(Tags(deck), (std::vector<bool>{false, true, false}));

    Show();
    dialog->NoneAction()->trigger();
    QTest::keyClick(&List(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(deck.At(1).TaggedField(), 7);
}

TEST_F(TagDialogTest, OkWritesOneOrZeroToEveryCardWithoutMarkingTheDeckChanged) {
    FillDeck(deck, Indexes(4));
    deck.SetTaggedField(2, 7);
    deck.ClearModified();
    Show();
    dialog->AllAction()->trigger();
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(deck.At(k).TaggedField(), 1);
    }

    Show();
    dialog->NoneAction()->trigger();
    QTest::keyClick(&List(), Qt::Key_Return);  // Enter is Ok
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Tags(deck), std::vector<bool>(4, false));
    EXPECT_FALSE(deck.Modified()) << "tags alone never ask to be saved";
}

TEST_F(TagDialogTest, SelectedTagsTheSelectedRowsOnlyAndNeverUntags) {
    Open(6, {4});
    Click(2);
    Click(4, Qt::ControlModifier);
    ASSERT_EQ(SelectedRows(), (std::vector<int>{2, 4}));
    dialog->SelectedAction()->trigger();
    EXPECT_EQ(Marks(), (std::vector<bool>{false, false, true, false, true, false}));
    EXPECT_TRUE(SelectedRows().empty()) << "changed rows lose their selection";

    // A range with Shift, then Selected again: row 3 joins, rows 2 and 4 stay tagged.
    Click(2);
    Click(4, Qt::ShiftModifier);
    ASSERT_EQ(SelectedRows(), (std::vector<int>{2, 3, 4}));
    dialog->SelectedAction()->trigger();
    EXPECT_EQ(Marks(), (std::vector<bool>{false, false, true, true, true, false}));
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(Tags(deck), (std::vector<bool>{false, false, true, true, true, false}));
}

TEST_F(TagDialogTest, AllAndNoneClearTheSelection) {
    Open(3);
    Click(0);
    Click(1, Qt::ControlModifier);
    dialog->AllAction()->trigger();
    EXPECT_TRUE(SelectedRows().empty());
    Click(2);
    dialog->NoneAction()->trigger();
    EXPECT_TRUE(SelectedRows().empty());
    EXPECT_EQ(Marks(), std::vector<bool>(3, false));
}

TEST_F(TagDialogTest, DoubleClickTogglesTheRowTwice) {
    Open(4, {1});
    DoubleClick(1);
    EXPECT_EQ(Marks(), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(List().currentIndex().row(), 1);
    EXPECT_TRUE(SelectedRows().empty());
    DoubleClick(1);
    EXPECT_EQ(Marks(), (std::vector<bool>{false, true, false, false}));
    DoubleClick(3);
    EXPECT_EQ(Marks(), (std::vector<bool>{false, true, false, true}));
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(Tags(deck), (std::vector<bool>{false, true, false, false}));
}

TEST_F(TagDialogTest, MoreRowsThanFitContinueInFurtherColumns) {
    Open(100);
    const int per_column = RowsPerColumn();
    ASSERT_GT(per_column, 3);
    ASSERT_LT(per_column, 100);
    const QAbstractItemModel& model = *List().model();
    EXPECT_EQ(List().visualRect(model.index(per_column - 1, 0)),
              QRect(0, 15 * (per_column - 1), 150, 15));
    EXPECT_EQ(List().visualRect(model.index(per_column, 0)), QRect(150, 0, 150, 15));
    EXPECT_EQ(List().visualRect(model.index(2 * per_column + 1, 0)), QRect(300, 15, 150, 15));
    QScrollBar* bar = List().horizontalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    ASSERT_GT(bar->maximum(), 0);
    // At the far right the last row is in view.
    bar->setValue(bar->maximum());
    const QRect last = List().visualRect(model.index(99, 0));
    EXPECT_TRUE(List().viewport()->rect().intersects(last));
    EXPECT_EQ(List().indexAt(last.center()).row(), 99);
}

TEST_F(TagDialogTest, TheListFollowsTheSizeOfTheDialog) {
    Open(100);
    const QSize client = dialog->Client()->size();
    const QRect ok = dialog->OkButton()->geometry();
    EXPECT_EQ(List().geometry(), QRect(0, 55, client.width(), client.height() - 50));
    const int per_column = RowsPerColumn();

    dialog->resize(dialog->width() + 100, dialog->height() + 150);
    EXPECT_TRUE(Soon([&] { return dialog->Client()->height() == client.height() + 150; }));
    EXPECT_EQ(List().geometry(), QRect(0, 55, client.width() + 100, client.height() + 100));
    EXPECT_EQ(dialog->OkButton()->geometry(), ok) << "the buttons keep their places";
    EXPECT_TRUE(Soon([&] { return RowsPerColumn() == per_column + 10; }));
    EXPECT_EQ(List().visualRect(List().model()->index(per_column + 10, 0)).topLeft(),
              QPoint(150, 0));
}

// The marks as the list draws them: each pixel of the mark where it is not white, the row's
// background where it is.
TEST_F(TagDialogTest, TheMarksAreDrawnWithWhiteLeftTransparent) {
    Open(3, {1});
    const QImage tagged = TagRowDelegate::TaggedMark();
    const QImage untagged = TagRowDelegate::UntaggedMark();
    ASSERT_EQ(tagged.size(), QSize(19, 14));
    ASSERT_EQ(untagged.size(), QSize(19, 14));
    Click(2);  // row 2 selected: its background is the highlight
    const QImage grab = List().viewport()->grab().toImage();
    const QColor base = List().palette().color(QPalette::Active, QPalette::Base);
    const QColor highlight = List().palette().color(QPalette::Active, QPalette::Highlight);
    ASSERT_NE(base.rgb(), highlight.rgb());

    struct Row {
        int row;
        const QImage& mark;
        QColor background;
    };
    for (const Row& r :
         {Row{0, untagged, base}, Row{1, tagged, base}, Row{2, untagged, highlight}}) {
        const QColor background = r.background;
        const QPoint corner = List().visualRect(List().model()->index(r.row, 0)).topLeft();
        int white = 0;
        int ink = 0;
        for (int y = 0; y < 14; ++y) {
            for (int x = 0; x < 19; ++x) {
                const QRgb mark = r.mark.pixel(x, y) & RGB_MASK;
                const QRgb shown = grab.pixel(corner + QPoint(x, y)) & RGB_MASK;
                if (mark == (QColor(Qt::white).rgb() & RGB_MASK)) {
                    ++white;
                    ASSERT_EQ(shown, background.rgb() & RGB_MASK)
                        << "row " << r.row << " at " << x << "," << y;
                } else {
                    ++ink;
                    ASSERT_EQ(shown, mark) << "row " << r.row << " at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(white, 0);
        EXPECT_GT(ink, 0);
        // The row's 15th pixel line and the gap before the text are background.
        for (int x = 0; x < 24; ++x) {
            ASSERT_EQ(grab.pixel(corner + QPoint(x, 14)) & RGB_MASK, background.rgb() & RGB_MASK);
        }
    }
    // The tagged mark is green, the untagged one red.
    const QColor card = tagged.pixelColor(9, 8);
    EXPECT_GT(card.green(), card.red() + 100);
    const QColor cross = untagged.pixelColor(9, 6);
    EXPECT_GT(cross.red(), cross.green() + 100);
}

TEST(TransparentBitmapTest, LeavesTheTargetWhereTheBitmapHasTheTransparentColour) {
    QImage target(6, 4, QImage::Format_RGB32);
    target.fill(QColor(200, 10, 10));
    target.setPixel(2, 1, qRgb(1, 2, 3));
    QImage bitmap(3, 2, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    bitmap.setPixel(0, 0, qRgb(0, 128, 0));
    bitmap.setPixel(2, 1, qRgb(254, 255, 255));  // nearly white is not white
    {
        QPainter painter(&target);
        DrawTransparentBitmap(painter, bitmap, 1, 1, Qt::white);
    }
    EXPECT_EQ(target.pixel(1, 1), qRgb(0, 128, 0));
    EXPECT_EQ(target.pixel(2, 1), qRgb(1, 2, 3)) << "white left the target as it was";
    EXPECT_EQ(target.pixel(3, 2), qRgb(254, 255, 255));
    EXPECT_EQ(target.pixel(2, 2), qRgb(200, 10, 10));
    EXPECT_EQ(target.pixel(0, 0), qRgb(200, 10, 10)) << "nothing outside the bitmap";
    EXPECT_EQ(target.pixel(4, 1), qRgb(200, 10, 10));
}

// Card > Tag from the main window: a modal dialog over it; Ok writes the tags, Cancel not.
class TagCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        Open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Runs Card > Tag; `act` works the dialog once it is up.
    void RunTag(const std::function<void(TagDialog&)>& act) {
        bool acted = false;
        prompts.AnswerDialog([&](QDialog& shown) {
            auto* dialog = qobject_cast<TagDialog*>(&shown);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->parentWidget(), window.get());
            acted = true;
            act(*dialog);
        });
        ASSERT_TRUE(Trigger(CommandId::kTag));
        EXPECT_TRUE(acted);
    }
};

TEST_F(TagCommandTest, OkWritesTheTagsAndCancelDropsThem) {
    Cards({"a", "b", "c"});
    deck.ClearModified();
    RunTag([](TagDialog& d) {
        d.AllAction()->trigger();
        d.reject();
    });
    EXPECT_EQ(Tags(deck), std::vector<bool>(3, false));
    RunTag([](TagDialog& d) {
        d.Model()->Toggle(1);
        d.OkButton()->click();
    });
    EXPECT_EQ(Tags(deck), (std::vector<bool>{false, true, false}));
    EXPECT_FALSE(deck.Modified()) << "tags alone never ask to be saved";
    EXPECT_EQ(window->focusWidget(), &Editor());

    deck.ClearDeck();
    window->Stack().RefreshStack();
    window->UpdateActions();
    EXPECT_FALSE(window->Action(CommandId::kTag)->isEnabled());
}

}  // namespace
}  // namespace tabula::test
