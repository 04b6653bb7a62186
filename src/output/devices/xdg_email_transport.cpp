#include "output/devices/xdg_email_transport.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

#include "output/xdg_email.h"

namespace tabula {

namespace {

// Asking xdg-mime runs a small shell script; a hung one must not hold up the program.
constexpr int kQueryTimeoutMs = 10000;

}  // namespace

XdgEmailTransport::XdgEmailTransport(std::chrono::milliseconds hand_off) : hand_off_(hand_off) {}

XdgEmailTransport::~XdgEmailTransport() {
    // A QProcess kills its process when it is destroyed, and these are the user's mail
    // programs: they are let go instead, to run on after Tabula. They stay listed until the
    // process ends, so nothing is lost track of (and leak checkers see them held).
    static std::vector<QProcess*> let_go;
    for (QProcess* mail_program : running_) {
        mail_program->disconnect();
        let_go.push_back(mail_program);
    }
    // Such a program may still have to read an attachment, when the user sends the message.
    if (!running_.empty() && folder_) {
        folder_->setAutoRemove(false);
    }
}

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
    auto process = std::make_unique<QProcess>();
    // The mail program's own messages belong on the terminal Tabula was started from.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop;
    QTimer hand_off;
    hand_off.setSingleShot(true);
    QObject::connect(&hand_off, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
    process->start(program, arguments);
    if (!process->waitForStarted()) {
        return XdgEmailOutcome(false, 0);
    }
    hand_off.start(hand_off_);
    if (process->state() != QProcess::NotRunning) {
        loop.exec();
    }
    if (process->state() != QProcess::NotRunning) {
        // Still running: xdg-email has become the mail program, which shows the message
        // and goes on until the user quits it. It has the message; it runs on by itself.
        QProcess* mail_program = process.release();
        running_.push_back(mail_program);
        QObject::connect(mail_program, &QProcess::finished, mail_program, [this, mail_program] {
            std::erase(running_, mail_program);
            mail_program->deleteLater();
        });
        return MailOutcome::Returned(MailOutcome::kSent);
    }
    const bool normal = process->exitStatus() == QProcess::NormalExit;
    return XdgEmailOutcome(true, normal ? process->exitCode() : -1);
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
