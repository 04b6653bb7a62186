#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <atomic>
#include <memory>

#include "app/about_dialog.h"
#include "app/deck_drop.h"
#include "app/help_window.h"
#include "app/keyboard_locks.h"
#include "app/menu_bar.h"
#include "app/program_icon.h"
#include "app/status_panes.h"
#include "app/window_placement.h"
#include "commands/card_commands.h"
#include "commands/edit_commands.h"
#include "commands/export_commands.h"
#include "commands/file_commands.h"
#include "commands/find_command.h"
#include "commands/import_command.h"
#include "commands/mail_commands.h"
#include "commands/print_commands.h"
#include "commands/tag_dialog.h"
#include "deck/deck.h"
#include "output/mail_transport.h"
#include "stack/card_editor.h"
#include "ui/prompts.h"
#include "ui/settings.h"

namespace tabula {

MainWindow::MainWindow(Deck& deck, Settings& settings, Prompts& prompts, MailTransport& mail,
                       QWidget* parent)
    : QMainWindow(parent),
      deck_(deck),
      settings_(settings),
      prompts_(prompts),
      mail_(mail),
      mail_available_(mail.Available()),
      client_(new QWidget(this)),
      status_(new StatusPanes(statusBar())),
      stack_(new CardStack(
          deck, client_, *this, [this] { return ClientHeight(); }, mail_available_)),
      context_{deck, *stack_, prompts},
      find_(new FindCommand(context_, this)),
      files_(std::make_unique<FileCommands>(context_, settings, *this)) {
    close_check_ = [this] { return files_->ConfirmClose(); };
    deck_.SetChangeObserver([this] { files_->Recovery().Schedule(); });
    new DeckDropFilter(this, [this](const QString& path) { files_->OpenDeck(path); });
    ApplyPlacement();
    setWindowTitle(tr("Tabula - Untitled"));
    setWindowIcon(ProgramIcon());
    client_->setAutoFillBackground(true);
    client_->setBackgroundRole(QPalette::Base);
    setCentralWidget(client_);
    client_->installEventFilter(this);
    qApp->installEventFilter(this);

    RegisterHandlers();
    BuildActions();
    BuildShortcuts();

    connect(&status_->CountTimer(), &QTimer::timeout, this, [this] {
        status_->SetCount(deck_.Count());
        RefreshLocks();
    });
    status_->CountTimer().start();
    RefreshLocks();
}

MainWindow::~MainWindow() {
    deck_.SetChangeObserver({});
    qApp->removeEventFilter(this);
    if (mail_check_) {
        mail_check_->wait();
    }
}

void MainWindow::RecheckMail() {
    if (mail_check_) {
        return;
    }
    auto available = std::make_shared<std::atomic<bool>>(false);
    mail_check_ = QThread::create([this, available] { *available = mail_.Available(); });
    mail_check_->setParent(this);
    connect(mail_check_, &QThread::finished, this, [this, available] {
        mail_available_ = *available;
        mail_check_->deleteLater();
        UpdateActions();
    });
    mail_check_->start();
}

void MainWindow::BuildActions() {
    for (const CommandEntry& entry : AllCommands()) {
        auto* action = new QAction(MenuText(entry), this);
        action->setStatusTip(PromptText(entry));
        const CommandId id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
        actions_[id] = action;
    }
    BuildMenuBar(
        menuBar(), [this](CommandId id) { return Action(id); },
        [this](QMenu* menu) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                if (menu->actions().contains(Action(CommandId::kSendCard))) {
                    RecheckMail();
                }
                UpdateActions();
            });
            connect(menu, &QMenu::aboutToHide, this, [this] { status_->ShowPrompt({}); });
        });
}

// The accelerators: plain function keys. Each goes through Dispatch, so its rule is checked
// at the moment it is pressed.
void MainWindow::BuildShortcuts() {
    const std::pair<Qt::Key, CommandId> keys[] = {
        {Qt::Key_F1, CommandId::kHelpContents}, {Qt::Key_F2, CommandId::kNew},
        {Qt::Key_F3, CommandId::kSave},         {Qt::Key_F4, CommandId::kFind},
        {Qt::Key_F5, CommandId::kGoTo},         {Qt::Key_F7, CommandId::kAdd},
    };
    for (const auto& [key, id] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        const CommandId command = id;
        connect(shortcut, &QShortcut::activated, this, [this, command] { Dispatch(command); });
    }
}

QAction* MainWindow::Action(CommandId id) const {
    return actions_.at(id);
}

CommandState MainWindow::State() const {
    CommandState state;
    state.count = deck_.Count();
    state.imported = imported_;
    state.mail_available = mail_available_;
    if (state.count > 0) {
        const CardEditor* editor = stack_->Editor();
        state.can_undo = editor->document()->isUndoAvailable();
        state.has_selection = editor->textCursor().hasSelection();
        const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
        state.clipboard_has_text = clip && clip->hasText();
    }
    return state;
}

void MainWindow::UpdateActions() {
    const CommandState state = State();
    for (const auto& [id, action] : actions_) {
        action->setEnabled(IsEnabled(id, state));
    }
}

// Each command's handler, by id: what Dispatch runs once the command's rule allows it.
void MainWindow::RegisterHandlers() {
    using enum CommandId;
    const auto editor = [this]() -> CardEditor& { return *stack_->Editor(); };
    handlers_ = {
        {kAdd, [this] { AddCard(context_); }},
        {kIndex, [this] { EditIndex(context_, IndexOrigin::kMenu); }},
        {kGoTo, [this] { GoToCard(context_); }},
        {kDelete, [this] { DeleteCard(context_); }},
        {kFind, [this] { find_->Find(); }},
        {kTag, [this] { TagCards(context_, this); }},
        {kNew, [this] { files_->New(); }},
        {kOpen, [this] { files_->Open(); }},
        {kSave, [this] { files_->Save(); }},
        {kSaveAs, [this] { files_->SaveAs(); }},
        {kMerge, [this] { files_->Merge(); }},
        {kImportCardfile, [this] { ImportCardfile(*files_); }},
        {kExportText, [this] { ExportText(context_, settings_, *this); }},
        {kExportCsv, [this] { ExportCommaDelimited(context_, settings_, *this); }},
        {kUndo, [this, editor] { UndoEdit(editor(), deck_); }},
        {kCut, [this, editor] { CutText(editor(), deck_); }},
        {kCopy, [editor] { CopyText(editor()); }},
        {kPaste, [this, editor] { PasteText(editor(), deck_); }},
        {kExit, [this] { close(); }},
        {kRestore, [this] { Restore(); }},
        {kPrintCard, [this] { PrintCards(context_, *this, PrintLayout::kCard); }},
        {kPrintList, [this] { PrintCards(context_, *this, PrintLayout::kList); }},
        {kPrintTag, [this] { PrintCards(context_, *this, PrintLayout::kTagged); }},
        {kSendCard, [this] { SendCards(context_, *this, mail_, MailContent::kCard); }},
        {kSendList, [this] { SendCards(context_, *this, mail_, MailContent::kList); }},
        {kSendTag, [this] { SendCards(context_, *this, mail_, MailContent::kTagged); }},
        {kHelpContents, [this] { HelpContents(); }},
        {kAbout, [this] { About(); }},
    };
}

bool MainWindow::Dispatch(CommandId id) {
    if (!IsEnabled(id, State())) {
        return false;
    }
    handlers_.at(id)();
    return true;
}

int MainWindow::ClientHeight() const {
    // isHidden, not isVisible: while the window is being shown the bar is not visible yet.
    return client_->height() + (statusBar()->isHidden() ? 0 : statusBar()->height());
}

void MainWindow::SetCurrentFile(const QString& path) {
    current_file_ = path;
    setWindowTitle(path.isEmpty() ? tr("Tabula - Untitled") : tr("Tabula - %1").arg(path));
}

void MainWindow::ShowCardCount() {
    status_->SetCount(deck_.Count());
}

void MainWindow::ShowWork(const QString& text) {
    if (text.isEmpty()) {
        QGuiApplication::restoreOverrideCursor();
    } else {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    status_->ShowWork(text);
}

void MainWindow::ShowStatusMessage(const QString& text) {
    status_->ShowStatusMessage(text);
}

void MainWindow::EditIndexFromStrip() {
    EditIndex(context_, IndexOrigin::kStrip);
}

void MainWindow::PrintCard() {
    Dispatch(CommandId::kPrintCard);
}

void MainWindow::SendCard() {
    Dispatch(CommandId::kSendCard);
}

void MainWindow::OvertypeChanged(bool on) {
    status_->SetOvertype(on);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        status_->ShowPrompt(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && pending_frame_ &&
        frameGeometry().size() != size()) {
        PlaceFrame(*pending_frame_);
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize && !isMinimized()) {
        stack_->LayoutStack();
    } else if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock) {
            RefreshLocks();
        }
    } else if (event->type() == QEvent::ApplicationActivate) {
        RefreshLocks();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::RefreshLocks() {
    const KeyboardLocks locks = ReadKeyboardLocks();
    status_->SetLocks(locks.caps, locks.num);
}

void MainWindow::ApplyPlacement() {
    QRect rect = kStartupRect;
    if (const std::optional<QString> value =
            settings_.Value(QString::fromUtf8(kMainWindowPosKey))) {
        if (const auto placement = ParsePlacement(value->toStdString())) {
            rect = placement->Rect();
        }
    }
    PlaceFrame(rect);
}

void MainWindow::PlaceFrame(const QRect& frame) {
    const QSize border = frameGeometry().size() - size();
    pending_frame_.reset();
    if (border == QSize(0, 0)) {
        pending_frame_ = frame;
    }
    move(frame.topLeft());
    resize(frame.size() - border);
}

void MainWindow::SavePlacement() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
        return;
    }
    const QRect rect = frameGeometry();
    const WindowPlacement placement{
        0, 1, rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    settings_.SetValue(QString::fromUtf8(kMainWindowPosKey),
                       QString::fromStdString(FormatPlacement(placement)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Disabled, the window is waiting for the mail program inside a command: it closes after.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (close_check_ && !close_check_()) {
        event->ignore();
        stack_->FocusEditor();
        return;
    }
    // Closed by the user, the deck is saved or its changes were let go: no copy is needed.
    files_->Recovery().Remove();
    deck_.ClearDeck();
    stack_->RefreshStack();
    SavePlacement();
    status_->CountTimer().stop();
    if (help_) {
        help_->close();
    }
    event->accept();
}

void MainWindow::Restore() {
    setWindowState(Qt::WindowNoState);
    PlaceFrame(kStartupRect);
    stack_->LayoutStack();
}

void MainWindow::About() {
    AboutDialog dialog(this);
    prompts_.RunDialog(dialog);
    stack_->FocusEditor();
}

void MainWindow::HelpContents() {
    if (!help_) {
        help_ = new HelpWindow(this);
    }
    help_->ShowContents();
}

}  // namespace tabula
