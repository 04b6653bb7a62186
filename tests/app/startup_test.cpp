#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/command_line.h"
#include "app/help_window.h"
#include "app/program_icon.h"
#include "app/translations.h"
#include "gui_support/main_window_fixture.h"

namespace tabula::test {
namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, TheIconAboutAndTheHelp) {
    Open();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(window->windowIcon().availableSizes().contains(QSize(size, size))) << size;
    }
    QTest::keyClick(window.get(), Qt::Key_F1);  // the help at its contents
    ASSERT_NE(window->Help(), nullptr);
    EXPECT_TRUE(window->Help()->isVisible());
    EXPECT_EQ(window->Help()->windowTitle(), "Tabula Help: Contents");
    // About: the icon, and three lines naming the version that fit their place whole.
    prompts.AnswerDialog([](QDialog& dialog) {
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                EXPECT_EQ(
                    label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                    ProgramIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32));
            } else if (!label->text().isEmpty()) {
                const QString version = QString::fromStdString(VersionText("Tabula")).trimmed();
                EXPECT_TRUE(label->text().startsWith(version + ", ")) << version.toStdString();
                EXPECT_EQ(label->text().count('\n'), 2);
                EXPECT_LE(label->sizeHint().width(), label->width());
            }
        }
        dialog.findChild<QPushButton*>()->click();
    });
    Trigger(CommandId::kAbout);
    EXPECT_EQ(prompts.dialogs, std::vector<QString>{"About Tabula..."});
}

// Start-up installs Qt's and the program's translations for the languages the environment
// names. CTest runs this under LANGUAGE=de and without it; TABULA_TEST_LANGUAGE says which.
TEST_F(StartupTest, MenusQuestionsAndQtsButtonsFollowTheLanguage) {
    const QByteArray language = qgetenv("TABULA_TEST_LANGUAGE");
    if (language.isEmpty()) {
        GTEST_SKIP() << "run by CTest with TABULA_TEST_LANGUAGE set";
    }
    const bool de = language == "de";
    InstallTranslations(*qApp);
    Cards({"a"});
    QStringList menus;
    for (const QAction* menu : window->menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus.join(' '),
              de ? "&Datei &Bearbeiten &Karte &Fenster &Hilfe" : "&File &Edit &Card &Window &Help");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), de ? "&Ja" : "&Yes");
    deck.SetModified();
    prompts.AnswerMessage(Answer::kNo);
    Trigger(CommandId::kNew);
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].text, de ? "Änderungen speichern?" : "Save Changes ?");
}

}  // namespace
}  // namespace tabula::test
