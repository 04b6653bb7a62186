#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

class QDialog;
class QPrinter;

namespace tabula {

enum class MessageIcon { kNone, kInformation, kWarning, kStop, kQuestion };
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class Answer { kOk, kCancel, kYes, kNo };

// Which command opened the Index dialog; it picks the caption.
enum class IndexMode { kEditIndex = 0, kAddCard = 1, kGoTo = 2 };

// One entry of a file dialog's type list: what the user reads and the names it shows.
struct FileFilter {
    QString description;
    QString pattern;

    bool operator==(const FileFilter&) const = default;
};

struct FileDialogRequest {
    QString default_extension;  // without the dot; added to a typed name that has none
    QString initial_name;
    std::vector<FileFilter> filters;
    QString initial_folder;  // empty: the dialog's own default folder
    bool must_exist = false;
    bool overwrite_prompt = false;
};

// Every question the program asks the user. Commands ask through this and never open a
// message box or a dialog themselves, so tests can answer from a script.
class Prompts {
  public:
    virtual ~Prompts() = default;

    virtual Answer Message(const QString& text, const QString& caption, MessageIcon icon,
                           MessageButtons buttons) = 0;
    virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
    // The Index dialog. Texts are card bytes (Windows-1252); nullopt means Cancel.
    virtual std::optional<std::string> IndexText(IndexMode mode, const std::string& text) = 0;
    // The Print dialog: false when the user cancelled.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
    // A dialog of the program's own (Tag, About), shown modally until the user closes it;
    // true when it was accepted.
    virtual bool RunDialog(QDialog& dialog) = 0;
};

}  // namespace tabula
