#pragma once

#include <QIcon>

namespace tabula {

// The program's icon at every size it is drawn in: the same files that are installed into the
// icon theme for the desktop entry, built into the program so the window and the About
// dialog never depend on an installed theme.
QIcon ProgramIcon();

}  // namespace tabula
