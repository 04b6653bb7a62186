#include "output/devices/xdg_email_transport.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "output/xdg_email.h"

namespace tabula {

namespace {

// Asking xdg-mime runs a small shell script; a hung one must not hold up the program.
constexpr int kQueryTimeoutMs = 10000;

}  // namespace

XdgEmailTransport::XdgEmailTransport() = default;
XdgEmailTransport::~XdgEmailTransport() = default;

bool XdgEmailTransport::Available() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty()) {
        return false;
    }
    const QString xdg_mime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdg_mime.isEmpty()) {
        return false;
    }
    QProcess query;
    query.setProcessChannelMode(QProcess::SeparateChannels);
    query.start(xdg_mime, {QStringLiteral("query"), QStringLiteral("default"),
                           QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(kQueryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
}

MailOutcome XdgEmailTransport::Send(const MailMessage& message) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty()) {
        return XdgEmailOutcome(false, 0);
    }
    QStringList arguments;
    for (const std::string& argument : XdgEmailArguments(message)) {
        arguments << QString::fromStdString(argument);
    }
    QProcess process;
    // The mail program's own messages belong on the terminal Tabula was started from.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop,
                     [&loop](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart || error == QProcess::Crashed) {
                             loop.quit();
                         }
                     });
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        return XdgEmailOutcome(false, 0);
    }
    if (process.state() != QProcess::NotRunning) {
        loop.exec();
    }
    if (process.state() != QProcess::NotRunning) {
        process.waitForFinished(-1);
    }
    const bool normal = process.exitStatus() == QProcess::NormalExit;
    return XdgEmailOutcome(true, normal ? process.exitCode() : -1);
}

std::optional<std::filesystem::path> XdgEmailTransport::AttachmentFolder() {
    if (!folder_) {
        folder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                  QStringLiteral("/tabula-mail-XXXXXX"));
    }
    if (!folder_->isValid()) {
        folder_.reset();
        return std::nullopt;
    }
    return std::filesystem::path(QFile::encodeName(folder_->path()).toStdString());
}

}  // namespace tabula
