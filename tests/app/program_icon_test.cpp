#include <QDialog>
#include <QLabel>

#include "app/program_icon.h"
#include "gui_support/main_window_fixture.h"

namespace tabula::test {
namespace {

using ProgramIconTest = MainWindowTest;

TEST_F(ProgramIconTest, TheWindowCarriesTheIconAtEverySizeOfTheTheme) {
    Open();
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        EXPECT_FALSE(ProgramIcon().pixmap(size, size).isNull()) << size;
    }
}

TEST_F(ProgramIconTest, AboutShowsTheProgramIcon) {
    Cards({"a"});
    QImage shown;
    prompts.AnswerDialog([&shown](QDialog& dialog) {
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                shown = label->pixmap().toImage();
            }
        }
        dialog.close();
    });
    Trigger(CommandId::kAbout);
    const QImage expected = ProgramIcon().pixmap(32, 32).toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
              expected.convertToFormat(QImage::Format_ARGB32));
}

}  // namespace
}  // namespace tabula::test
