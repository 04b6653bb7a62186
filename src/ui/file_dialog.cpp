#include "ui/file_dialog.h"

#include <QLineEdit>
#include <QStringList>

namespace tabula {

namespace {

// Qt reads the names of an entry from the parentheses at its end: a description that
// already ends with them is shown as it is, others get the pattern appended.
QString QtFilter(const FileFilter& f) {
    const QString description = f.description.trimmed();
    return description.endsWith(QStringLiteral("(%1)").arg(f.pattern))
               ? description
               : QStringLiteral("%1 (%2)").arg(description, f.pattern);
}

bool IsPattern(const QString& name) {
    return name.contains(u'*') || name.contains(u'?');
}

}  // namespace

FileDialog::FileDialog(QWidget* owner, const FileDialogRequest& request, bool save)
    : QFileDialog(owner, QString(), request.initial_folder), request_(request) {
    QStringList filters;
    for (const FileFilter& f : request.filters) {
        filters << QtFilter(f);
    }
    setNameFilters(filters);
    // Qt's own dialog on every desktop: the same dialog everywhere, and one that a test can
    // drive with real key presses.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(request.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    setDefaultSuffix(request.default_extension);
    setOption(QFileDialog::DontConfirmOverwrite, !request.overwrite_prompt);
    selectFile(request.initial_name);
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        // Typing replaces it.
        name->selectAll();
    }
}

QString FileDialog::NameFieldText() const {
    const auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    return name ? name->text() : QString();
}

void FileDialog::accept() {
    const QString name = NameFieldText().trimmed();
    if (!IsPattern(name)) {
        QFileDialog::accept();
        return;
    }
    const QString entry = QStringLiteral("%1 (%1)").arg(name);
    bool known = false;
    for (const FileFilter& f : request_.filters) {
        if (f.pattern == name) {
            selectNameFilter(QtFilter(f));
            known = true;
        }
    }
    if (!known) {
        QStringList filters = nameFilters();
        if (!filters.contains(entry)) {
            filters << entry;
            setNameFilters(filters);
        }
        selectNameFilter(entry);
    }
    if (auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        field->setText(name);
        field->selectAll();
    }
}

}  // namespace tabula
