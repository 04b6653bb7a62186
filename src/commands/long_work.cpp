#include "commands/long_work.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "commands/document_host.h"
#include "ui/prompts.h"

namespace tabula {

namespace {

// 0 for a file that cannot be measured: its reading fails at once.
std::int64_t FileSize(const std::filesystem::path& path) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<std::int64_t>(size);
}

}  // namespace

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

FileReadFeedback::FileReadFeedback(DocumentHost& document, Prompts& prompts, const QString& text,
                                   const std::filesystem::path& file)
    : work_(document, text, FileSize(file)) {
    if (FileSize(file) > LongWorkLimits().progress_bytes) {
        progress_ = prompts.Progress(text, QStringLiteral("Tabula"));
    }
}

FileReadFeedback::~FileReadFeedback() = default;

bool FileReadFeedback::Advance(std::int64_t done, std::int64_t total) const {
    return progress_ == nullptr || progress_->Advance(done, total);
}

}  // namespace tabula
