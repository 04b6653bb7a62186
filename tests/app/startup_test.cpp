#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>

#include "app/application.h"
#include "app/command_line.h"
#include "app/help_window.h"
#include "gui_support/main_window_fixture.h"
#include "stack/front_card_window.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula::test {
namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, TheDeckNamedOnTheCommandLineOpensWithItsName) {
    TempDir dir;
    const auto path = dir / "cards.tbx";
    WriteFileBytes(path, DeckFileBytes({{"pear", "green", 0}, {"apple", "red", 0}}));
    Open();
    const QString name = QString::fromStdString(path.string());
    LoadStartupDeck(*window, deck, prompts, name);
    EXPECT_EQ(Ring(), (std::vector<std::string>{"apple", "pear"}));
    EXPECT_FALSE(deck.Modified());
    EXPECT_EQ(window->windowTitle(), "Tabula - " + name);
    EXPECT_EQ(window->CurrentFile(), name);
    EXPECT_TRUE(Front().isVisible());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(StartupTest, AFileThatCannotBeReadLeavesAnEmptyUntitledDeck) {
    TempDir dir;
    Open();
    const QString name = QString::fromStdString((dir / "missing.tbx").string());
    LoadStartupDeck(*window, deck, prompts, name);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption, "Tabula Error...");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kStop);
    EXPECT_TRUE(prompts.messages[0].text.contains(name));
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_EQ(window->windowTitle(), "Tabula - Untitled");
    EXPECT_TRUE(window->CurrentFile().isEmpty()) << "Save must not write over that path";
}

TEST_F(StartupTest, AboutShowsItsDialogUntilOk) {
    Cards({"a"});
    QString title;
    QTimer::singleShot(0, [&title] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        // The three lines name the version and fit their place whole.
        const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
        const auto text = std::find_if(labels.begin(), labels.end(),
                                       [](QLabel* label) { return !label->text().isEmpty(); });
        ASSERT_NE(text, labels.end());
        const QString version = QString::fromStdString(VersionText("Tabula")).trimmed();
        EXPECT_TRUE((*text)->text().startsWith(version + ", ")) << version.toStdString();
        EXPECT_EQ((*text)->text().count('\n'), 2);
        EXPECT_LE((*text)->sizeHint().width(), (*text)->width());
        EXPECT_LE((*text)->sizeHint().height(), (*text)->height());
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == "OK") {
                button->click();
            }
        }
    });
    Trigger(CommandId::kAbout);
    EXPECT_EQ(title, "About Tabula...");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(StartupTest, HelpContentsOpensTheHelpAtItsContents) {
    Open();
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_NE(window->Help(), nullptr);
    EXPECT_TRUE(window->Help()->isVisible());
    EXPECT_EQ(window->Help()->Browser()->source().toString(), "qrc:/tabula/help/contents.html");
    EXPECT_EQ(window->Help()->Browser()->documentTitle(), "Tabula Help: Contents");
}

}  // namespace
}  // namespace tabula::test
