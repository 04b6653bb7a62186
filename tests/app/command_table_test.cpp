#include "app/command_table.h"

#include <gtest/gtest.h>

#include <set>

namespace tabula {
namespace {

using enum CommandId;

TEST(CommandTableTest, AnEmptyDeckLeavesOnlyTheCommandsThatNeedNoCard) {
    const CommandState empty{.count = 0,
                             .imported = false,
                             .can_undo = true,
                             .has_selection = true,
                             .clipboard_has_text = true,
                             .mail_available = true};
    const std::set<CommandId> enabled{kNew,      kOpen,         kImportCardfile, kPrintTag,
                                      kSendList, kSendTag,      kExit,           kAdd,
                                      kRestore,  kHelpContents, kAbout};
    for (const CommandEntry& entry : AllCommands()) {
        EXPECT_EQ(IsEnabled(entry.id, empty), enabled.contains(entry.id))
            << static_cast<int>(entry.id);
    }
}

TEST(CommandTableTest, RulesThatReadMoreThanTheCount) {
    CommandState s{.count = 3};
    EXPECT_TRUE(IsEnabled(kSave, s));
    s.imported = true;
    EXPECT_FALSE(IsEnabled(kSave, s));
    EXPECT_TRUE(IsEnabled(kSaveAs, s));

    EXPECT_FALSE(IsEnabled(kSendCard, s));
    s.mail_available = true;
    EXPECT_TRUE(IsEnabled(kSendCard, s));

    EXPECT_FALSE(IsEnabled(kUndo, s));
    EXPECT_FALSE(IsEnabled(kCut, s));
    EXPECT_FALSE(IsEnabled(kCopy, s));
    EXPECT_FALSE(IsEnabled(kPaste, s));
    s.can_undo = true;
    s.has_selection = true;
    s.clipboard_has_text = true;
    EXPECT_TRUE(IsEnabled(kUndo, s));
    EXPECT_TRUE(IsEnabled(kCut, s));
    EXPECT_TRUE(IsEnabled(kCopy, s));
    EXPECT_TRUE(IsEnabled(kPaste, s));
}

}  // namespace
}  // namespace tabula
