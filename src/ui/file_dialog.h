#pragma once

#include <QFileDialog>

#include "ui/prompts.h"

namespace tabula {

// Qt's own file dialog set up from a request: type list, folder, default extension and the
// initial name. A name with a wildcard ("*.tbx", the initial one) narrows the list when it is
// confirmed, as a type would, instead of naming a file.
class FileDialog : public QFileDialog {
    Q_OBJECT

  public:
    FileDialog(QWidget* owner, const FileDialogRequest& request, bool save);
    QString NameFieldText() const;

  public slots:
    void accept() override;

  private:
    FileDialogRequest request_;
};

}  // namespace tabula
