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
        dialog = std::make_unique<TagDialog>(deck, nullptr), dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    QListView& List() { return *dialog->List(); }
    // Adds the rows' marks in the dialog (1 tagged, 0 not), then | and the cards' tag fields,
    // then the rows selected and the dialog's result.
    void Mark() {
        for (int row = 0; row < dialog->Model()->rowCount(); ++row) {
            got += dialog->Model()->Tagged(row) ? '1' : '0';
        }
        got += '|' + Tags() + '|' +
               std::to_string(List().selectionModel()->selectedIndexes().size()) +
               std::to_string(dialog->result()) + ' ';
    }
    std::string Tags() {
        std::string tags;
        for (int k = 0; k < deck.Count(); ++k) {
            tags += std::to_string(deck.At(k).TaggedField());
        }
        return tags;
    }
    void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool twice = false) {
        const QPoint at = List().visualRect(List().model()->index(row, 0)).center();
        QTest::mouseClick(List().viewport(), Qt::LeftButton, modifiers, at);
        if (twice) {  // as the platform delivers it: press, release, double-click, release
            QTest::mouseDClick(List().viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseRelease(List().viewport(), Qt::LeftButton, Qt::NoModifier, at);
        }
    }

    std::unique_ptr<TagDialog> dialog;
    std::string got;
};

TEST_F(TagDialogTest, AllNoneCancelOkSelectedAndDoubleClick) {
    FillDeck(deck, {"apple", "berry", "cherry", "date"}),
        deck.SetTaggedField(1, 7);                       // a deck file may hold any non-zero value
    deck.BringToFront(1), deck.ClearModified(), Show();  // berry cherry date apple
    EXPECT_EQ(dialog->windowTitle() + List().model()->index(0, 0).data().toString() +
                  List().model()->index(3, 0).data().toString(),
              "Tag Cardsberryapple")
        << "the front card first";
    Mark(), dialog->AllAction()->trigger(), Mark();
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton), Mark();
    Show(), dialog->NoneAction()->trigger();
    QTest::keyClick(&List(), Qt::Key_Escape), Mark();
    Show(), Click(0), dialog->AllAction()->trigger();  // changed rows lose their selection
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton), Mark();  // stored as 1
    Show(), dialog->NoneAction()->trigger();
    QTest::keyClick(&List(), Qt::Key_Return), Mark();  // Enter is Ok
    // Tags alone never ask to be saved.
    EXPECT_EQ(got + (deck.Modified() ? "*" : ""),
              "1000|7000|00 1111|7000|00 1111|7000|00 0000|7000|00 1111|1111|01 0000|0000|01 ");

    // Selected tags the selected rows, and never untags; a double click toggles.
    got.clear(), deck.ClearDeck(), FillDeck(deck, {"a", "b", "c", "d", "e", "f"});
    deck.SetTagged(4, true), Show();
    Click(2), Click(4, Qt::ControlModifier), dialog->SelectedAction()->trigger(), Mark();
    Click(1), Click(3, Qt::ShiftModifier), dialog->SelectedAction()->trigger(), Mark();
    Click(2, Qt::NoModifier, true), Mark(), Click(2, Qt::NoModifier, true);
    Click(5, Qt::NoModifier, true), QTest::mouseClick(dialog->OkButton(), Qt::LeftButton), Mark();
    EXPECT_EQ(got, "001010|000010|00 011110|000010|00 010110|000010|00 011111|011111|01 ");
}

// Card > Tag: a modal dialog over the window; Ok writes the tags, Cancel not.
TEST_F(TagDialogTest, TheTagCommand) {
    Cards({"a", "b", "c"}), deck.ClearModified();
    for (const bool ok : {false, true}) {
        prompts.AnswerDialog([&, ok](QDialog& shown) {
            auto* tags = qobject_cast<TagDialog*>(&shown);
            ASSERT_NE(tags, nullptr);
            EXPECT_EQ(tags->parentWidget(), window.get());
            tags->Model()->Toggle(1), ok ? tags->OkButton()->click() : tags->reject();
        });
        Trigger(CommandId::kTag);
        EXPECT_EQ(Tags() + (deck.Modified() ? "*" : ""), ok ? "010" : "000");
    }
    EXPECT_EQ(window->focusWidget(), &Editor());
}

}  // namespace
}  // namespace tabula::test
