#include "app/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <set>

#include "app/command_line.h"
#include "app/help_window.h"
#include "app/program_icon.h"
#include "app/status_panes.h"
#include "app/translations.h"
#include "gui_support/deck_files_fixture.h"
#include "gui_support/wait_for.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

using enum CommandId;

// The place is six numbers as "%i" reads them (sign, hexadecimal, octal); anything less is
// ignored. Restore goes back to the place at start-up.
TEST_F(MainWindowTest, ThePlaceIsReadAtStartAndWrittenOnCloseUnlessMaximised) {
    const QRect start_up(100, 100, 412, 268);
    for (const char* bad :
         {"10:20:30", "", "0:1:10:20:610:", "0:1:10:x:610:420", "0:1:10:20:610:99999999999"}) {
        settings.values["MainWindowPos"] = bad;
        Open();
        EXPECT_EQ(window->frameGeometry(), start_up) << bad;
    }
    window->move(30, 40);
    window->resize(QSize(500, 300) - (window->frameGeometry().size() - window->size()));
    Trigger(kExit);
    EXPECT_EQ(settings.values.value("MainWindowPos"), "0:1:30:40:530:340");
    settings.values["MainWindowPos"] = "0:1:0x1e:050:+530:340";
    Open();
    Cards({"a", "b"});
    EXPECT_EQ(window->frameGeometry(), QRect(30, 40, 500, 300));
    Trigger(kRestore);
    TABULA_TRY_COMPARE(window->frameGeometry(), start_up);
    window->showMaximized();
    TABULA_TRY_VERIFY(window->isMaximized());
    window->close();
    EXPECT_EQ(settings.values.value("MainWindowPos"), "0:1:0x1e:050:+530:340");
}

// Menu items (even disabled ones) and buttons show their prompts while highlighted; the
// count follows the deck.
TEST_F(MainWindowTest, TheStatusBarTheHelpAndAbout) {
    Open();
    // F1 shows the help at its contents; About shows the icon and three lines naming the
    // version that fit their place whole.
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_NE(window->Help(), nullptr);
    EXPECT_EQ(window->Help()->windowTitle() + (window->Help()->isVisible() ? "" : " (hidden)"),
              "Tabula Help: Contents");
    prompts.AnswerDialog([](QDialog& dialog) {
        const auto image = [](const QPixmap& p) {
            return p.toImage().convertToFormat(QImage::Format_ARGB32);
        };
        const QString version = QString::fromStdString(VersionText("Tabula")).trimmed();
        EXPECT_EQ(dialog.windowTitle(), "About Tabula...");
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                EXPECT_EQ(image(label->pixmap()), image(ProgramIcon().pixmap(32, 32)));
            } else if (!label->text().isEmpty()) {
                EXPECT_EQ(
                    label->text().section(", ", 0, 0) + QString::number(label->text().count('\n')),
                    version + "2");
                EXPECT_LE(label->sizeHint().width(), label->width());
            }
        }
        dialog.findChild<QPushButton*>()->click();
    });
    Trigger(kAbout);
    EXPECT_TRUE(prompts.dialog_answers.empty());

    QMenu* card = window->menuBar()->actions().at(2)->menu();
    card->popup(window->mapToGlobal(QPoint(10, 10)));
    card->setActiveAction(window->Action(kDelete));
    EXPECT_EQ(window->Status().Message(), "Delete the front card");
    card->close();
    TABULA_TRY_COMPARE(window->Status().Message(), "Ready");
    EXPECT_EQ(window->Action(kFind)->text(), "&Find...\tF4");  // the key it shows is its own

    Cards({"a", "b", "c"});
    deck.RemoveFrontCard();
    ASSERT_TRUE(QSignalSpy(&window->Status().CountTimer(), &QTimer::timeout).wait());
    EXPECT_EQ(window->Status().Count(), "2 Cards");
    QTest::mouseMove(Front().PreviousButton());  // stays until the message timer runs out
    TABULA_TRY_COMPARE(window->Status().Message(), "Bring previous card to front");
    window->Status().MessageTimer().start(0);
    TABULA_TRY_COMPARE(window->Status().Message(), "Ready");
}

// Start-up installs Qt's and the program's translations for the languages the environment
// names. CTest runs this under LANGUAGE=de and without it; TABULA_TEST_LANGUAGE says which.
TEST_F(MainWindowTest, MenusQuestionsAndQtsButtonsFollowTheLanguage) {
    const QByteArray language = qgetenv("TABULA_TEST_LANGUAGE");
    if (language.isEmpty()) {
        GTEST_SKIP() << "run by CTest with TABULA_TEST_LANGUAGE set";
    }
    InstallTranslations(*qApp);
    Cards({"a"});
    deck.SetModified();
    prompts.AnswerMessage(Answer::kNo);
    Trigger(kNew);
    QString said =
        QCoreApplication::translate("QPlatformTheme", "&Yes") + ' ' + prompts.messages.at(0).text;
    for (const QAction* menu : window->menuBar()->actions()) {
        said += ' ' + menu->text();
    }
    EXPECT_EQ(said, language == "de"
                        ? "&Ja Änderungen speichern? &Datei &Bearbeiten &Karte &Fenster &Hilfe"
                        : "&Yes Save Changes ? &File &Edit &Card &Window &Help");
}

// The rules apply to the window's own state (deck, editor, clipboard, imported flag), before a
// menu opens and before an accelerator runs.
using EnablingRulesTest = DeckFilesTest;

TEST_F(EnablingRulesTest, CardsSelectionClipboardUndoAndImportEachEnableTheirCommands) {
    const auto enabled = [this] {
        emit window->menuBar()->actions().at(0)->menu()->aboutToShow();
        std::set<CommandId> ids;
        for (const CommandEntry& entry : AllCommands()) {
            if (window->Action(entry.id)->isEnabled()) {
                ids.insert(entry.id);
            }
        }
        return ids;
    };
    QGuiApplication::clipboard()->setText("text");
    std::set<CommandId> expected{kNew,  kOpen, kImportCardfile, kPrintTag,     kSendList, kSendTag,
                                 kExit, kAdd,  kRestore,        kHelpContents, kAbout};
    EXPECT_EQ(enabled(), expected);
    UseCards({{"apple", "red"}});
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));  // no text
    expected.insert({kSave, kSaveAs, kMerge, kExportText, kExportCsv, kPrintCard, kPrintList,
                     kIndex, kGoTo, kFind, kDelete, kTag});
    EXPECT_EQ(enabled(), expected);
    EXPECT_FALSE(window->Dispatch(kPaste));
    EXPECT_EQ(deck.Front().Body(), "red");

    QTest::keyClick(&Editor(), Qt::Key_End);
    QTest::keyClicks(&Editor(), "dish");
    QTest::keyClick(&Editor(), Qt::Key_Left, Qt::ShiftModifier);
    QGuiApplication::clipboard()->setText("more");
    expected.insert({kUndo, kCut, kCopy, kPaste});
    EXPECT_EQ(enabled(), expected) << "all but Send Card, with no mail program";

    // After an import Save waits for Save As; F3 is refused before it runs: no dialog.
    WriteFileBytes(dir / "fruit.crd", MgcFileBytes({{"apple", "red"}}));
    prompts.AnswerMessage(Answer::kNo);
    prompts.AnswerFile(PathOf("fruit.crd"));
    Trigger(kImportCardfile);
    EXPECT_FALSE(enabled().contains(kSave));
    QTest::keyClick(&Editor(), Qt::Key_F3);
    EXPECT_EQ(prompts.file_requests.size(), 1u);
    prompts.AnswerFile(PathOf("fruit.tbx"));
    Trigger(kSaveAs);
    EXPECT_TRUE(enabled().contains(kSave));
}

}  // namespace
}  // namespace tabula::test
