#include "e2e/x_session.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

// Xlib's macros (Bool, Status, None) must not meet Qt's headers: it comes last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace tabula::test {

XSession::~XSession() {
    if (display_) {
        XCloseDisplay(static_cast<Display*>(display_));
    }
    if (server_) {
        server_->terminate();
        server_->waitForFinished(5000);
    }
}

bool XSession::XvfbInstalled() {
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty();
}

bool XSession::XdotoolInstalled() {
    return !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

bool XSession::Start(QString* error) {
    for (int n = 90; n < 190; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) &&
            !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
            display_number_ = n;
            break;
        }
    }
    if (display_number_ < 0) {
        *error = QStringLiteral("no free display number");
        return false;
    }
    server_ = std::make_unique<QProcess>();
    server_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_->start(QStringLiteral("Xvfb"), {DisplayName(), QStringLiteral("-screen"),
                                            QStringLiteral("0"), QStringLiteral("1024x768x24"),
                                            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_->waitForStarted(10000)) {
        *error = QStringLiteral("Xvfb did not start");
        return false;
    }
    const QByteArray name = DisplayName().toLocal8Bit();
    const bool up = QTest::qWaitFor(
        [&] {
            if (server_->state() != QProcess::Running) {
                return true;
            }
            display_ = XOpenDisplay(name.constData());
            return display_ != nullptr;
        },
        20000);
    if (!up || !display_) {
        *error = QStringLiteral("Xvfb did not accept connections on %1").arg(DisplayName());
        return false;
    }
    return true;
}

QProcessEnvironment XSession::Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), DisplayName());
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

std::optional<QString> XSession::Xdotool(const QStringList& args, int timeout_ms) {
    QProcess process;
    process.setProcessEnvironment(Environment());
    process.start(QStringLiteral("xdotool"), args);
    if (!process.waitForFinished(timeout_ms) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QImage XSession::Grab(unsigned long window) {
    auto* display = static_cast<Display*>(display_);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return {};
    }
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) {
        return {};
    }
    QImage result(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            result.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y)) | 0xFF000000u);
        }
    }
    XDestroyImage(image);
    return result;
}

}  // namespace tabula::test
