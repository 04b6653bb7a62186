#include "commands/tag_dialog.h"

#include <QAction>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "commands/tag_list_model.h"
#include "gui_support/main_window_fixture.h"
#include "stack/card_editor.h"
#include "support/deck_builders.h"

namespace tabula::test {
namespace {

class TagDialogTest : public MainWindowTest {
  protected:
    void Show() {
        dialog = std::make_unique<TagDialog>(deck, nullptr);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    QListView& List() { return *dialog->List(); }
    // The rows' marks in the dialog, then | and the cards' tags: 1 tagged, 0 not.
    std::string Marks() {
        std::string marks;
        for (int row = 0; dialog && row < dialog->Model()->rowCount(); ++row) {
            marks += dialog->Model()->Tagged(row) ? '1' : '0';
        }
        return marks + '|' + Tags();
    }
    std::string Tags() {
        std::string tags;
        for (int k = 0; k < deck.Count(); ++k) {
            tags += deck.At(k).Tagged() ? '1' : '0';
        }
        return tags;
    }
    QPoint Centre(int row) { return List().visualRect(List().model()->index(row, 0)).center(); }
    void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(List().viewport(), Qt::LeftButton, modifiers, Centre(row));
    }
    // As the platform delivers it: press, release, double-click, release.
    void DoubleClick(int row) {
        Click(row);
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, Qt::NoModifier, Centre(row));
        QTest::mouseRelease(List().viewport(), Qt::LeftButton, Qt::NoModifier, Centre(row));
    }
    int Selected() { return static_cast<int>(List().selectionModel()->selectedIndexes().size()); }

    std::unique_ptr<TagDialog> dialog;
};

TEST_F(TagDialogTest, AllNoneCancelAndOk) {
    FillDeck(deck, {"apple", "berry", "cherry", "date"});
    deck.SetTaggedField(1, 7);  // a deck file may hold any non-zero value
    deck.BringToFront(1);       // berry cherry date apple
    deck.ClearModified();
    Show();
    EXPECT_EQ(dialog->windowTitle(), "Tag Cards");
    EXPECT_EQ(List().model()->index(0, 0).data().toString() +
                  List().model()->index(3, 0).data().toString(),
              "berryapple")
        << "the front card first";
    EXPECT_EQ(Marks(), "1000|1000");
    dialog->AllAction()->trigger();
    EXPECT_EQ(Marks(), "1111|1000");
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(deck.At(0).TaggedField(), 7);
    Show();
    dialog->NoneAction()->trigger();
    QTest::keyClick(&List(), Qt::Key_Escape);
    EXPECT_EQ(Tags(), "1000");
    Show();
    Click(0);
    dialog->AllAction()->trigger();
    EXPECT_EQ(Selected(), 0) << "changed rows lose their selection";
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(deck.At(0).TaggedField() + deck.At(1).TaggedField() + deck.At(2).TaggedField() +
                  deck.At(3).TaggedField(),
              4)
        << "stored as 1";
    Show();
    dialog->NoneAction()->trigger();
    EXPECT_EQ(Marks(), "0000|1111");
    QTest::keyClick(&List(), Qt::Key_Return);  // Enter is Ok
    EXPECT_EQ(Tags(), "0000");
    EXPECT_FALSE(deck.Modified()) << "tags alone never ask to be saved";
}

TEST_F(TagDialogTest, SelectedTagsTheSelectedRowsAndDoubleClickToggles) {
    FillDeck(deck, {"a", "b", "c", "d", "e", "f"});
    deck.SetTagged(4, true);
    Show();
    Click(2);
    Click(4, Qt::ControlModifier);
    dialog->SelectedAction()->trigger();
    EXPECT_EQ(Marks(), "001010|000010") << "never untags";
    EXPECT_EQ(Selected(), 0);
    Click(1);
    Click(3, Qt::ShiftModifier);
    dialog->SelectedAction()->trigger();
    EXPECT_EQ(Marks(), "011110|000010");
    DoubleClick(2);
    EXPECT_EQ(Marks(), "010110|000010");
    DoubleClick(2);
    DoubleClick(5);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(Marks(), "011111|011111");
}

// Card > Tag: a modal dialog over the window; Ok writes the tags, Cancel not.
TEST_F(TagDialogTest, TheTagCommand) {
    Cards({"a", "b", "c"});
    deck.ClearModified();
    for (const bool ok : {false, true}) {
        prompts.AnswerDialog([&, ok](QDialog& shown) {
            auto* tags = qobject_cast<TagDialog*>(&shown);
            ASSERT_NE(tags, nullptr);
            EXPECT_EQ(tags->parentWidget(), window.get());
            tags->Model()->Toggle(1);
            ok ? tags->OkButton()->click() : tags->reject();
        });
        ASSERT_TRUE(Trigger(CommandId::kTag));
        EXPECT_EQ(Tags() + std::to_string(prompts.dialog_answers.size()), ok ? "0100" : "0000");
    }
    EXPECT_FALSE(deck.Modified());
    EXPECT_EQ(window->focusWidget(), &Editor());
}

}  // namespace
}  // namespace tabula::test
