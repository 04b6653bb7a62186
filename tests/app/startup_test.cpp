#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>

#include "app/command_line.h"
#include "app/help_window.h"
#include "app/translations.h"
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

// Start-up installs Qt's and the program's translations for the languages the environment
// names. CTest runs this under LANGUAGE=de and without it; TABULA_TEST_LANGUAGE says which.
TEST_F(StartupTest, MenusQuestionsAndQtsButtonsFollowTheLanguage) {
    const struct {
        const char* language;
        QStringList menus;
        QString question;
        QString yes;
    } cases[] = {
        {"de",
         {"&Datei", "&Bearbeiten", "&Karte", "&Fenster", "&Hilfe"},
         QStringLiteral("Änderungen speichern?"),
         "&Ja"},
        {"en", {"&File", "&Edit", "&Card", "&Window", "&Help"}, "Save Changes ?", "&Yes"},
    };
    const QByteArray language = qgetenv("TABULA_TEST_LANGUAGE");
    const auto c = std::find_if(std::begin(cases), std::end(cases),
                                [&](const auto& row) { return language == row.language; });
    if (c == std::end(cases)) {
        GTEST_SKIP() << "run by CTest with TABULA_TEST_LANGUAGE set";
    }
    InstallTranslations(*qApp);
    Cards({"a"});
    QStringList menus;
    for (const QAction* menu : window->menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, c->menus);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), c->yes);
    deck.SetModified();
    prompts.AnswerMessage(Answer::kNo);
    Trigger(CommandId::kNew);
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].text, c->question);
}

}  // namespace
}  // namespace tabula::test
