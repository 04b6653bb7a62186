#pragma once

#include <QDialog>

namespace tabula {

// "About Tabula...": the program icon, three lines about the program and an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent);
};

}  // namespace tabula
