#include "commands/file_dialogs.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "ui/settings.h"

namespace tabula {

namespace {

struct KindTexts {
    const char16_t* extension;
    const char* filter_list;  // "description|pattern||", translated whole
};

KindTexts TextsOf(FileKind kind) {
    switch (kind) {
        case FileKind::kCardfile:
            //: A file dialog's type: what the user reads, '|', the names it lists, "||".
            return {u"crd",
                    QT_TRANSLATE_NOOP("tabula::FileDialogs", "Cardfile Files (*.crd) |*.crd||")};
        case FileKind::kText:
            return {u"txt",
                    QT_TRANSLATE_NOOP("tabula::FileDialogs", "Text Files (*.txt) |*.txt||")};
        case FileKind::kDeck:
            break;
    }
    return {u"tbx", QT_TRANSLATE_NOOP("tabula::FileDialogs", "Tabula Files (*.tbx) |*.tbx||")};
}

}  // namespace

std::vector<FileFilter> ParseFilterList(QStringView list) {
    const QList<QStringView> fields = list.split(u'|');
    std::vector<FileFilter> filters;
    for (qsizetype i = 0; i + 1 < fields.size() && !fields[i].isEmpty(); i += 2) {
        filters.push_back({fields[i].toString(), fields[i + 1].toString()});
    }
    return filters;
}

QString InitialFolder(const QString& last_file) {
    const qsizetype separator = std::max(last_file.lastIndexOf(u'/'), last_file.lastIndexOf(u'\\'));
    return separator < 0 ? QString() : last_file.left(separator);
}

QString WithDefaultExtension(const QString& path, const QString& extension) {
    const qsizetype name_start = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    // A leading dot marks a hidden file, not an extension.
    if (path.indexOf(u'.', name_start + 1) >= 0 || extension.isEmpty()) {
        return path;
    }
    return path + u'.' + extension;
}

FileDialogRequest FileRequest(FileKind kind, bool save, const Settings& settings) {
    const KindTexts texts = TextsOf(kind);
    FileDialogRequest request;
    request.default_extension = QString::fromUtf16(texts.extension);
    request.initial_name = QStringLiteral("*.") + request.default_extension;
    request.filters =
        ParseFilterList(QCoreApplication::translate("tabula::FileDialogs", texts.filter_list));
    request.initial_folder =
        InitialFolder(settings.Value(QString::fromUtf8(kLastFileKey)).value_or(QString()));
    request.must_exist = !save;
    request.overwrite_prompt = save;
    return request;
}

}  // namespace tabula
