#include "ui/index_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "gui_support/scripted_prompts.h"
#include "gui_support/typing.h"

namespace tabula::test {
namespace {

TEST(IndexDialogTest, TypingReplacesTheIndexWithAtMost41StorableCharacters) {
    ScriptedPrompts prompts;
    IndexDialog dialog(IndexMode::kGoTo, "old index", prompts, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Goto Index");
    TypeText(dialog.Edit(), QString::fromUtf8("a\u2192b"));
    EXPECT_EQ(dialog.Text(), "a?b");
    QTest::keyClicks(dialog.Edit(), QString(45, u'k'));
    EXPECT_EQ(dialog.Text(), "a?b" + QString(38, u'k'));
    QTest::keyClick(dialog.Edit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(IndexDialogTest, AnIndexTooLongFromAFileMustBeShortenedBeforeOk) {
    ScriptedPrompts prompts;
    IndexDialog dialog(IndexMode::kEditIndex, QString(42, u'w'), prompts, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Edit Index");
    EXPECT_EQ(dialog.Text(), QString(42, u'w')) << "shown whole";
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption, "Tabula Warning");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kWarning);
    QTest::keyClick(dialog.Edit(), Qt::Key_End);
    QTest::keyClick(dialog.Edit(), Qt::Key_Backspace);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tabula::test
