#include "ui/index_dialog.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>

#include "gui_support/scripted_prompts.h"
#include "gui_support/typing.h"

namespace tabula::test {
namespace {

TEST(IndexDialogTest, CaptionsOfTheThreeCommands) {
    EXPECT_EQ(IndexDialog::Caption(IndexMode::kEditIndex), "Edit Index");
    EXPECT_EQ(IndexDialog::Caption(IndexMode::kAddCard), "Add Card");
    EXPECT_EQ(IndexDialog::Caption(IndexMode::kGoTo), "Goto Index");
}

TEST(IndexDialogTest, TheTextIsSelectedSoTypingReplacesIt) {
    ScriptedPrompts prompts;
    IndexDialog dialog(IndexMode::kEditIndex, "old index", prompts, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Edit Index");
    EXPECT_EQ(dialog.Edit()->selectedText(), "old index");
    QTest::keyClicks(dialog.Edit(), "new");
    EXPECT_EQ(dialog.Text(), "new");
    QTest::keyClick(dialog.Edit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(IndexDialogTest, AtMost41CharactersAndOnlyStorableOnes) {
    ScriptedPrompts prompts;
    IndexDialog dialog(IndexMode::kAddCard, "", prompts, nullptr);
    dialog.show();
    QTest::keyClicks(dialog.Edit(), QString(45, QChar(u'k')));
    EXPECT_EQ(dialog.Text(), QString(41, QChar(u'k')));

    dialog.Edit()->clear();
    TypeText(dialog.Edit(), QString::fromUtf8("a\u2192b"));
    EXPECT_EQ(dialog.Text(), "a?b");
}

TEST(IndexDialogTest, AnIndexTooLongFromAFileMustBeShortenedBeforeOk) {
    ScriptedPrompts prompts;
    const QString index42(42, QChar(u'w'));
    IndexDialog dialog(IndexMode::kEditIndex, index42, prompts, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.Text(), index42) << "shown whole";
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
