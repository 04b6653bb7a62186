#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <optional>

#include "e2e/x_session.h"

namespace tabula::test {

// The real tabula on its own Xvfb server, with its settings in the test's own folder and a
// known window placement, driven by xdotool. Skipped where Xvfb is not installed.
class ProgramTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 460;

    // Where card k of the cascade lies in the window: the client area ends at the window's
    // bottom edge, so the cards are placed from there whatever the menu bar's height.
    static QRect CardInWindow(int k, int window_height) {
        return QRect(25 * k, window_height - 218 - 25 * k, 400, 200);
    }

    void SetUp() override;
    void TearDown() override;
    // The remembered placement the program starts with; what it wrote back.
    void WritePlacement(const QString& value);
    QByteArray SettingsText();

    // Starts tabula and waits for its main window with this title; the window's id.
    QString Launch(const QStringList& args, const QString& title);
    // The first visible window whose title is exactly this one.
    QString WaitForWindow(const QString& title);
    // Waits until no visible window has this title.
    bool WaitForNoWindow(const QString& title);
    std::optional<QString> Xdotool(const QStringList& args) { return x_.Xdotool(args); }
    std::optional<QString> WindowName(const QString& window) {
        return Xdotool({"getwindowname", window});
    }
    void Keys(const QStringList& keys);
    void Type(const QString& text);
    // Adds a card through F7 and the Add Card dialog, then types its body.
    void AddCard(const QString& window, const QString& index, const QString& body);
    // Answers the file dialog with this title by typing the path and Return.
    void ChooseFile(const QString& dialog_title, const QString& path);
    // Gives the window the keyboard: with no window manager, a closed dialog leaves the
    // focus nowhere.
    void Focus(const QString& window) { Xdotool({"windowfocus", "--sync", window}); }
    // Opens the File menu with a click on its title.
    void OpenFileMenu(const QString& window);
    // Ends the program through File > Exit and waits for it.
    bool Quit(const QString& window);
    QImage GrabWhen(unsigned long window, const std::function<bool(const QImage&)>& ready);

    XSession x_;
    QTemporaryDir home_;
    // Put first on the program's PATH when set: stand-ins for the programs it runs. Unset, a
    // stand-in says no mail program is registered, whatever this machine has, so the card
    // buttons stand where every test expects them.
    QString path_prefix_;
    QProcess program_;
};

}  // namespace tabula::test
