#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QDialog;
class QPrinter;

namespace tabula {

enum class MessageIcon { kNone, kInformation, kWarning, kStop, kQuestion };
// kYesNoDefaultNo: Yes and No with No as the default, for a question where Yes loses something.
// kRecoverDiscard: Recover answers kYes, Discard kNo; a box closed otherwise kCancel.
enum class MessageButtons {
    kOk,
    kOkCancel,
    kYesNo,
    kYesNoCancel,
    kYesNoDefaultNo,
    kRecoverDiscard
};
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

// A modal window with a bar and Cancel, shown while long work runs and closed when this goes.
class ProgressPrompt {
  public:
    virtual ~ProgressPrompt() = default;
    // How far the work is; false once the user has cancelled.
    virtual bool Advance(std::int64_t done, std::int64_t total) = 0;
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
    // Shown at once, with this text above the bar.
    virtual std::unique_ptr<ProgressPrompt> Progress(const QString& text,
                                                     const QString& caption) = 0;
};

}  // namespace tabula
