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
    if (window_manager_) {
        window_manager_->terminate();
        window_manager_->waitForFinished(5000);
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

bool XSession::StartWindowManager(const QString& home) {
    QProcessEnvironment env = Environment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home);
    window_manager_ = std::make_unique<QProcess>();
    window_manager_->setProcessEnvironment(env);
    window_manager_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window_manager_->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!window_manager_->waitForStarted(10000)) {
        return false;
    }
    // Up once it has claimed the screen's window manager selection.
    auto* display = static_cast<Display*>(display_);
    const Atom selection = XInternAtom(display, "WM_S0", False);
    return QTest::qWaitFor([&] { return XGetSelectionOwner(display, selection) != 0; }, 20000);
}

QRect XSession::FrameGeometry(unsigned long window) {
    auto* display = static_cast<Display*>(display_);
    // The frame is the window's ancestor that is a child of the root.
    Window current = window;
    for (;;) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, current, &root, &parent, &children, &count)) {
            return {};
        }
        if (children) {
            XFree(children);
        }
        if (parent == root) {
            break;
        }
        current = parent;
    }
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, current, &attributes)) {
        return {};
    }
    return QRect(attributes.x, attributes.y, attributes.width + 2 * attributes.border_width,
                 attributes.height + 2 * attributes.border_width);
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
