#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace tabula::test {

// A private X server (Xvfb) for driving the real program: starts it on a free display, runs
// programs and xdotool against it and reads back what a window shows.
class XSession {
  public:
    XSession() = default;
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    static bool XvfbInstalled();
    static bool XdotoolInstalled();

    // False (with the reason) when no server came up.
    bool Start(QString* error);
    QString DisplayName() const { return QStringLiteral(":%1").arg(display_number_); }

    // Runs openbox on the server, its files under `home`; false when it did not come up.
    bool StartWindowManager(const QString& home);
    // The window's outer rectangle on the screen: the window manager's frame around it.
    QRect FrameGeometry(unsigned long window);
    // Runs xdotool with these arguments; its standard output, trimmed; nullopt when it failed.
    std::optional<QString> Xdotool(const QStringList& args, int timeout_ms = 20000);
    // The window's pixels as the server holds them.
    QImage Grab(unsigned long window);
    QProcessEnvironment Environment() const;

  private:
    int display_number_ = -1;
    std::unique_ptr<QProcess> server_;
    std::unique_ptr<QProcess> window_manager_;
    void* display_ = nullptr;  // Display*, kept out of this header (Xlib's macros)
};

}  // namespace tabula::test
