#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tabula {

namespace {

// Loads the first of the locale's languages that has a file `name`_<language>.qm in
// `folder`; none found leaves the translator out.
void Install(QCoreApplication& app, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&app);
    translator->setObjectName(name);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

void InstallTranslations(QCoreApplication& app) {
    for (QTranslator* old : app.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QLocale locale = QLocale::system();
    Install(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(app, locale, QStringLiteral("tabula"), QStringLiteral(":/tabula/translations"));
}

}  // namespace tabula
