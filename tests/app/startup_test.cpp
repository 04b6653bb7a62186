#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>

#include "app/command_line.h"
#include "app/help_window.h"
#include "gui_support/main_window_fixture.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, AboutShowsItsDialogUntilOk) {
    Cards({"a"});
    prompts.AnswerDialog([](QDialog& dialog) {
        // The three lines name the version and fit their place whole.
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        const auto text = std::find_if(labels.begin(), labels.end(),
                                       [](QLabel* label) { return !label->text().isEmpty(); });
        ASSERT_NE(text, labels.end());
        const QString version = QString::fromStdString(VersionText("Tabula")).trimmed();
        EXPECT_TRUE((*text)->text().startsWith(version + ", ")) << version.toStdString();
        EXPECT_EQ((*text)->text().count('\n'), 2);
        EXPECT_LE((*text)->sizeHint().width(), (*text)->width());
        EXPECT_LE((*text)->sizeHint().height(), (*text)->height());
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == "OK") {
                button->click();
            }
        }
    });
    Trigger(CommandId::kAbout);
    EXPECT_EQ(prompts.dialogs, std::vector<QString>{"About Tabula..."});
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
