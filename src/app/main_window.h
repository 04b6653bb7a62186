#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QThread>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/help_window.h"
#include "commands/command_context.h"
#include "commands/document_host.h"
#include "stack/card_stack.h"

namespace tabula {

class Deck;
class FileCommands;
class FindCommand;
class HelpWindow;
class MailTransport;
class Prompts;
class Settings;
class StatusPanes;

// The main window is wiring: the menu bar and accelerators, the status bar and its timers, the
// placement kept in the settings, and the dispatch of every command through its enabling rule
// to the handler registered under its id.
class MainWindow : public QMainWindow, public StackHost, public DocumentHost {
    Q_OBJECT

  public:
    // Asks `mail` whether there is a mail program: the front card gets its E-mail button only
    // when there is one as the window is built.
    MainWindow(Deck& deck, Settings& settings, Prompts& prompts, MailTransport& mail,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the command if its rule allows it now; false when it was disabled.
    bool Dispatch(CommandId id);
    CommandState State() const;
    // Applies every rule to its action, as before a menu opens.
    void UpdateActions();
    QAction* Action(CommandId id) const;

    // The height of the client area: below the menu bar, status bar included.
    int ClientHeight() const;
    // DocumentHost
    void SetCurrentFile(const QString& path) override;
    const QString& CurrentFile() const override { return current_file_; }
    bool Imported() const override { return imported_; }
    void SetImported(bool imported) override { imported_ = imported; }
    void ShowCardCount() override;
    void ShowWork(const QString& text) override;
    // Asked before the window closes; false keeps it open. The file commands' save prompt is
    // there from the start.
    void SetCloseCheck(std::function<bool()> check) { close_check_ = std::move(check); }

    CardStack& Stack() { return *stack_; }
    StatusPanes& Status() { return *status_; }
    CommandContext& Context() { return context_; }
    HelpWindow* Help() const { return help_; }
    FindCommand& Find() { return *find_; }
    FileCommands& Files() { return *files_; }

    // StackHost
    void ShowStatusMessage(const QString& text) override;
    void EditIndexFromStrip() override;
    void PrintCard() override;
    void SendCard() override;
    void OvertypeChanged(bool on) override;

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void RegisterHandlers();
    void BuildActions();
    void BuildShortcuts();
    void ApplyPlacement();
    void SavePlacement();
    // Places the window's outer rectangle, frame included.
    void PlaceFrame(const QRect& frame);
    void RefreshLocks();
    void Restore();
    void About();
    void HelpContents();
    // Asks the mail transport again, away from the event loop: the answer may take a few
    // hundred milliseconds. Send > Card follows when it comes.
    void RecheckMail();

    Deck& deck_;
    Settings& settings_;
    Prompts& prompts_;
    MailTransport& mail_;
    // Whether there is a mail program, as last asked: when the window was built and whenever
    // the Send menu opens. Asking runs a program, so it is not done on every command.
    bool mail_available_;
    QPointer<QThread> mail_check_;
    QWidget* client_;
    StatusPanes* status_;
    CardStack* stack_;
    CommandContext context_;
    std::map<CommandId, QAction*> actions_;
    std::map<CommandId, std::function<void()>> handlers_;
    QString current_file_;
    bool imported_ = false;
    std::function<bool()> close_check_;
    QPointer<HelpWindow> help_;
    // The outer rectangle asked for before the window manager framed the window: the frame's
    // size is known only then, and the client area is sized again to fit it.
    std::optional<QRect> pending_frame_;
    FindCommand* find_;  // the search state of Find and its window
    std::unique_ptr<FileCommands> files_;
};

}  // namespace tabula
