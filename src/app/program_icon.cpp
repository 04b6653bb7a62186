#include "app/program_icon.h"

namespace tabula {

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/tabula/icons/hicolor/%1x%1/apps/tabula.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

}  // namespace tabula
