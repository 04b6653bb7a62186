#pragma once

class QCoreApplication;

namespace tabula {

// Installs Qt's own translations (its dialogs and standard buttons) and the program's for
// the user's languages, as the system locale lists them (LANGUAGE first, then LC_ALL,
// LC_MESSAGES, LANG). A language without a translation leaves the English texts. Called once
// the application exists and before any window is built; calling it again replaces the
// translators, so a changed locale takes effect for the windows built after it.
void InstallTranslations(QCoreApplication& app);

}  // namespace tabula
