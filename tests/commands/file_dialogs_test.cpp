#include "commands/file_dialogs.h"

#include <gtest/gtest.h>

#include "gui_support/memory_settings.h"
#include "ui/file_dialog.h"

namespace tabula::test {
namespace {

TEST(FileDialogsTest, ATypeListGivesOneEntryPerPair) {
    EXPECT_EQ(ParseFilterList(u"Tabula Files (*.tbx) |*.tbx||"),
              (std::vector<FileFilter>{{"Tabula Files (*.tbx) ", "*.tbx"}}));
    EXPECT_EQ(ParseFilterList(u"A (*.a)|*.a|B|*.b;*.c||ignored|*.x"),
              (std::vector<FileFilter>{{"A (*.a)", "*.a"}, {"B", "*.b;*.c"}}));
    EXPECT_TRUE(ParseFilterList(u"").empty());
    EXPECT_TRUE(ParseFilterList(u"no pattern").empty());
}

TEST(FileDialogsTest, TheInitialFolderIsTheTextBeforeTheLastSeparator) {
    EXPECT_EQ(InitialFolder("/home/user/decks/cards.tbx"), "/home/user/decks");
    EXPECT_EQ(InitialFolder("C:\\Cards\\Work\\cards.tbx"), "C:\\Cards\\Work");
    EXPECT_EQ(InitialFolder("/home/user\\odd/cards.tbx"), "/home/user\\odd");
    EXPECT_EQ(InitialFolder("cards.tbx"), "");
    EXPECT_EQ(InitialFolder(""), "");
}

TEST(FileDialogsTest, TheDefaultExtensionGoesOnlyOnANameWithoutOne) {
    EXPECT_EQ(WithDefaultExtension("/tmp/cards", "tbx"), "/tmp/cards.tbx");
    EXPECT_EQ(WithDefaultExtension("/tmp/cards.tbx", "tbx"), "/tmp/cards.tbx");
    EXPECT_EQ(WithDefaultExtension("/tmp/cards.csv", "txt"), "/tmp/cards.csv");
    EXPECT_EQ(WithDefaultExtension("/tmp/v1.2/cards", "txt"), "/tmp/v1.2/cards.txt");
    EXPECT_EQ(WithDefaultExtension("/tmp/.cards", "tbx"), "/tmp/.cards.tbx");
}

TEST(FileDialogsTest, EachKindOfFileHasItsDialog) {
    MemorySettings settings;
    settings.values["Last File"] = "/data/decks/work.tbx";
    const FileDialogRequest crd = FileRequest(FileKind::kCardfile, false, settings);
    EXPECT_EQ(crd.default_extension, "crd");
    EXPECT_EQ(crd.initial_name, "*.crd");
    EXPECT_EQ(crd.filters, (std::vector<FileFilter>{{"Cardfile Files (*.crd) ", "*.crd"}}));
    EXPECT_EQ(crd.initial_folder, "/data/decks");
    EXPECT_TRUE(crd.must_exist);
    EXPECT_FALSE(crd.overwrite_prompt);

    const FileDialogRequest txt = FileRequest(FileKind::kText, true, settings);
    EXPECT_EQ(txt.default_extension, "txt");
    EXPECT_EQ(txt.initial_name, "*.txt");
    EXPECT_EQ(txt.filters, (std::vector<FileFilter>{{"Text Files (*.txt) ", "*.txt"}}));
    EXPECT_FALSE(txt.must_exist);
    EXPECT_TRUE(txt.overwrite_prompt);

    // The dialogs open with the pattern in the name field; confirmed, it narrows the list
    // and names no file.
    EXPECT_EQ(FileDialog(nullptr, crd, false).NameFieldText(), "*.crd");
    FileDialog save(nullptr, txt, true);
    EXPECT_EQ(save.NameFieldText(), "*.txt");
    save.accept();
    EXPECT_EQ(save.result(), QDialog::Rejected);
    EXPECT_EQ(save.selectedNameFilter(), "Text Files (*.txt)");

    settings.values.clear();
    EXPECT_EQ(FileRequest(FileKind::kDeck, true, settings).initial_folder, "");
}

}  // namespace
}  // namespace tabula::test
