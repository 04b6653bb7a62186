#pragma once

#include <QString>
#include <QStringView>
#include <vector>

#include "ui/prompts.h"

namespace tabula {

class Settings;

// The kinds of file the program's dialogs ask for.
enum class FileKind {
    kDeck,      // "tbx", Open, Merge and Save As
    kCardfile,  // "crd", Import
    kText,      // "txt", both exports
};

// A type list written as "Description|pattern|...||": each pair of fields is one entry; the
// list ends at an empty description.
std::vector<FileFilter> ParseFilterList(QStringView list);

// The folder of `Last File`: the text before its last separator, '/' or '\' (a value written
// on Windows still names its folder). Empty when there is no separator: the dialog then opens
// in its own default folder.
QString InitialFolder(const QString& last_file);

// The name with ".extension" added when its file name has no extension of its own.
QString WithDefaultExtension(const QString& path, const QString& extension);

// Everything a file dialog of this kind is given: default extension, the "*.ext" name, the
// type list, the initial folder from `Last File`; an open dialog takes only existing files, a
// save dialog asks before replacing one.
FileDialogRequest FileRequest(FileKind kind, bool save, const Settings& settings);

}  // namespace tabula
