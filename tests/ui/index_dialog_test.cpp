#include "ui/index_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "gui_support/scripted_prompts.h"
#include "gui_support/typing.h"

namespace tabula::test {
namespace {

// Typing replaces the index with at most 41 storable characters; an index too long from a
// file is shown whole and must be shortened before OK.
TEST(IndexDialogTest, TypingStoresAtMost41CharactersAndALongerIndexMustBeShortened) {
    ScriptedPrompts prompts;
    IndexDialog go_to(IndexMode::kGoTo, "old index", prompts, nullptr);
    go_to.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&go_to));
    TypeText(go_to.Edit(), QString::fromUtf8("a\u2192b"));
    QTest::keyClicks(go_to.Edit(), QString(45, u'k'));
    EXPECT_EQ(go_to.windowTitle() + '|' + go_to.Text(), "Goto Index|a?b" + QString(38, u'k'));
    QTest::keyClick(go_to.Edit(), Qt::Key_Return);
    EXPECT_EQ(go_to.result(), QDialog::Accepted);

    IndexDialog edit(IndexMode::kEditIndex, QString(42, u'w'), prompts, nullptr);
    edit.show();
    EXPECT_EQ(edit.windowTitle() + '|' + edit.Text(), "Edit Index|" + QString(42, u'w'));
    edit.accept();  // refused, with a warning
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption + QString::number(int(prompts.messages[0].icon)) +
                  (edit.isVisible() ? "|open" : "|closed"),
              "Tabula Warning" + QString::number(int(MessageIcon::kWarning)) + "|open");
    QTest::keyClick(edit.Edit(), Qt::Key_End);
    QTest::keyClick(edit.Edit(), Qt::Key_Backspace);
    edit.accept();
    EXPECT_EQ(edit.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tabula::test
