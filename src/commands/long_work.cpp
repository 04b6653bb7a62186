#include "commands/long_work.h"

#include <QFileInfo>

#include "commands/document_host.h"

namespace tabula {

LongWorkSizes& LongWorkLimits() {
    static LongWorkSizes sizes;
    return sizes;
}

QString WorkText(const QString& verb, const QString& path) {
    const QString name = path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
    return QStringLiteral("%1 %2\u2026").arg(verb, name);
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
