#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/program_icon.h"
#include "ui/dialog_units.h"

namespace tabula {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Tabula..."));
    setFont(DialogFont());
    const DialogUnits du(font());
    setFixedSize(du.X(217), du.Y(74));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->move(du.X(17), du.Y(15));
    icon->resize(32, 32);

    auto* text = new QLabel(tr("Tabula %1, a card file\n"
                               "Keeps index cards in order\n"
                               "Press F1 for help")
                                .arg(QStringLiteral(TABULA_VERSION)),
                            this);
    text->setGeometry(du.Rect(47, 9, 122, 30));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(du.Rect(82, 50, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tabula
