#include "commands/long_work.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "commands/document_host.h"

namespace tabula {

LongWorkSizes& LongWorkLimits() {
    static LongWorkSizes sizes;
    return sizes;
}

QString WorkText(const char* phrase, const QString& path) {
    const QString name = path.isEmpty()
                             ? QCoreApplication::translate("tabula::LongWork", "Untitled")
                             : QFileInfo(path).fileName();
    return QCoreApplication::translate("tabula::LongWork", phrase).arg(name);
}

LongWork::LongWork(DocumentHost& document, const QString& text, std::int64_t bytes) {
    if (bytes > LongWorkLimits().busy_bytes) {
        shown_ = &document;
        shown_->ShowWork(text);
    }
}

LongWork::~LongWork() {
    if (shown_ != nullptr) {
        shown_->ShowWork({});
    }
}

}  // namespace tabula
