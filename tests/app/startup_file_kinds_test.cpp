#include <QCoreApplication>
#include <QDir>

#include "app/application.h"
#include "gui_support/main_window_fixture.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula::test {
namespace {

// The desktop hands the program decks and Cardfile files alike, by path on the command line.
class StartupFileKindsTest : public MainWindowTest {
  protected:
    void TearDown() override {
        QDir::setCurrent(previous_dir_);
        MainWindowTest::TearDown();
    }
    QString Path(const char* name) const { return QString::fromStdString((dir_ / name).string()); }
    void Write(const char* name, const std::string& bytes) const {
        WriteFileBytes(dir_ / name, bytes);
    }

    TempDir dir_;
    QString previous_dir_ = QDir::currentPath();
};

TEST_F(StartupFileKindsTest, AFileNamedLikeAnOptionOpensAsAPath) {
    Write("--help", DeckFileBytes({{"pear", "", 0}, {"apple", "", 1}}));
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir_.path().string())));
    Open();
    LoadStartupFile(*window, deck, prompts, QStringLiteral("./--help"));
    EXPECT_EQ(Ring(), (std::vector<std::string>{"apple", "pear"}));
    EXPECT_EQ(window->windowTitle(), "Tabula - ./--help");
    EXPECT_FALSE(window->Imported());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(StartupFileKindsTest, ACardfileFileIsImportedSoThatSaveCannotOverwriteIt) {
    // Named like a deck on purpose: the first bytes decide, not the name.
    Write("old.tbx", MgcFileBytes({{"Zebra", "stripes"}, {"ant", "small"}}));
    Open();
    LoadStartupFile(*window, deck, prompts, Path("old.tbx"));
    EXPECT_EQ(Ring(), (std::vector<std::string>{"ant", "Zebra"}));
    EXPECT_TRUE(window->Imported());
    EXPECT_FALSE(deck.Modified());
    EXPECT_EQ(window->windowTitle(), "Tabula - " + Path("old.tbx"));
    window->UpdateActions();
    EXPECT_FALSE(window->Action(CommandId::kSave)->isEnabled());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(StartupFileKindsTest, ADamagedCardfileKeepsItsFirstCardsAndSaysWhereItBroke) {
    std::string bytes = MgcFileBytes({{"alpha", "one"}, {"beta", "two"}});
    bytes.resize(bytes.size() - 2);  // the last card's text is cut short
    Write("cut.crd", bytes);
    Open();
    LoadStartupFile(*window, deck, prompts, Path("cut.crd"));
    EXPECT_EQ(Ring(), (std::vector<std::string>{"alpha"}));
    EXPECT_TRUE(window->Imported());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("File damaged at card 2"))
        << prompts.messages[0].text.toStdString();
    EXPECT_EQ(prompts.messages[0].caption, QCoreApplication::applicationName());
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kWarning);
}

TEST_F(StartupFileKindsTest, TheLaterCardfileLayoutIsRefusedAsTheImportRefusesIt) {
    Write("new.crd", RrgFileBytes({{"card", "text"}}));
    Open();
    LoadStartupFile(*window, deck, prompts, Path("new.crd"));
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_FALSE(window->Imported());
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "File not compatible");
    EXPECT_EQ(prompts.messages[0].caption, QCoreApplication::applicationName());
}

TEST_F(StartupFileKindsTest, AShortOrForeignFileIsLeftToTheDeckReader) {
    Write("ab", "MG");
    Open();
    LoadStartupFile(*window, deck, prompts, Path("ab"));
    EXPECT_EQ(deck.Count(), 0);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption, "Tabula Error...");
    EXPECT_TRUE(window->CurrentFile().isEmpty());
}

}  // namespace
}  // namespace tabula::test
