#include "commands/recovery_copy.h"

#include <signal.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>

#include "commands/file_commands.h"
#include "deck/deck.h"
#include "deck/deck_file.h"
#include "deck/replace_file.h"

namespace tabula {

namespace {

// Long enough that the next keys of a sentence come before it, short enough that little is
// lost when the program is killed in the middle of an edit.
constexpr int kPauseMs = 3000;

constexpr QFile::Permissions kPrivateFile = QFile::ReadOwner | QFile::WriteOwner;

// "<file name>.<hash of the full path>": the part of a copy's name that says whose it is. The
// file's name is cut short, so that the whole name fits any file system.
QString Stem(const QString& deck_path) {
    const QString full =
        deck_path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(deck_path).absoluteFilePath());
    const QByteArray hash =
        QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString name =
        deck_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(deck_path).fileName();
    return name.left(40) + QLatin1Char('.') + QString::fromLatin1(hash);
}

bool ProcessGone(qint64 pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

std::int64_t Modified(const QString& path) {
    const std::optional<FileStamp> stamp = ReadFileStamp(FileSystemPath(path));
    return stamp ? stamp->modified_ns : -1;
}

}  // namespace

RecoveryCopy::RecoveryCopy(const Deck& deck, std::function<QString()> current_file, QObject* parent)
    : QObject(parent), deck_(deck), current_file_(std::move(current_file)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kPauseMs);
    connect(&timer_, &QTimer::timeout, this, [this] { WriteNow(); });
}

QString RecoveryCopy::Folder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // Only an absolute path counts, as the base directory rules say.
    if (!QDir::isAbsolutePath(state)) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/tabula");
}

QString RecoveryCopy::OwnCopy(const QString& deck_path) const {
    return QStringLiteral("%1/%2.%3.tbx")
        .arg(Folder(), Stem(deck_path))
        .arg(QCoreApplication::applicationPid());
}

void RecoveryCopy::Schedule() {
    timer_.start();
}

void RecoveryCopy::WriteNow() {
    timer_.stop();
    if (!deck_.Modified()) {
        Remove();
        return;
    }
    const QString folder = Folder();
    const QString target = OwnCopy(current_file_());
    bool ok =
        QDir().mkpath(folder) && QFile::setPermissions(folder, kPrivateFile | QFile::ExeOwner);
    if (ok && !QFileInfo::exists(target)) {
        // Made private before a card is in it; the writer keeps the mode of the file it
        // replaces.
        QFile file(target);
        ok = file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kPrivateFile);
    }
    ok = ok && WriteDeckFile(FileSystemPath(target), deck_).ok();
    if (!ok) {
        // Said once, on the terminal: a question every few seconds would stop the user's work
        // for something they did not ask for.
        if (!warned_) {
            qWarning("tabula: cannot keep a recovery copy in %s", qPrintable(folder));
            warned_ = true;
        }
        return;
    }
    if (!written_.isEmpty() && written_ != target) {
        QFile::remove(written_);  // the deck was saved under another name since
    }
    written_ = target;
}

void RecoveryCopy::Remove() {
    timer_.stop();
    if (!written_.isEmpty()) {
        QFile::remove(written_);
        written_.clear();
    }
}

std::optional<QString> RecoveryCopy::LeftOver(const QString& deck_path) const {
    const QRegularExpression own_name(
        QStringLiteral("^%1\\.(\\d+)\\.tbx$").arg(QRegularExpression::escape(Stem(deck_path))));
    const std::int64_t deck_modified = deck_path.isEmpty() ? -1 : Modified(deck_path);
    std::optional<QString> newest;
    std::int64_t newest_modified = -1;
    const QDir folder(Folder());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = own_name.match(name);
        if (!match.hasMatch() || !ProcessGone(match.captured(1).toLongLong())) {
            continue;
        }
        const QString copy = folder.filePath(name);
        const std::int64_t modified = Modified(copy);
        if (modified <= deck_modified) {
            QFile::remove(copy);  // the deck was saved after it
        } else if (modified > newest_modified) {
            newest = copy;
            newest_modified = modified;
        }
    }
    return newest;
}

void RecoveryCopy::Adopt(const QString& copy, const QString& deck_path) {
    const QString own = OwnCopy(deck_path);
    QFile::remove(own);
    written_ = QFile::rename(copy, own) ? own : copy;
}

void RecoveryCopy::Discard(const QString& copy) {
    QFile::remove(copy);
}

}  // namespace tabula
