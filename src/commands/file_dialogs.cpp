#include "commands/file_dialogs.h"

#include <QStringList>
#include <algorithm>

#include "ui/settings.h"

namespace tabula {

namespace {

struct KindTexts {
    const char16_t* extension;
    const char16_t* filter_list;
};

KindTexts TextsOf(FileKind kind) {
    switch (kind) {
        case FileKind::kCardfile:
            return {u"crd", u"Cardfile Files (*.crd) |*.crd||"};
        case FileKind::kText:
            return {u"txt", u"Text Files (*.txt) |*.txt||"};
        case FileKind::kDeck:
            break;
    }
    return {u"tbx", u"Tabula Files (*.tbx) |*.tbx||"};
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
    request.filters = ParseFilterList(QString::fromUtf16(texts.filter_list));
    request.initial_folder =
        InitialFolder(settings.Value(QString::fromUtf8(kLastFileKey)).value_or(QString()));
    request.must_exist = !save;
    request.overwrite_prompt = save;
    return request;
}

}  // namespace tabula
