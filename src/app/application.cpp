#include "app/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QSessionManager>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/program_icon.h"
#include "app/termination_signals.h"
#include "app/translations.h"
#include "commands/file_commands.h"
#include "deck/deck.h"
#include "output/devices/xdg_email_transport.h"
#include "ui/qt_prompts.h"
#include "ui/qt_settings.h"

static void InitTabulaResources() {
    Q_INIT_RESOURCE(tabula);
}

namespace tabula {

void InitResources() {
    InitTabulaResources();
}

void LoadStartupFile(MainWindow& window, const QString& path) {
    window.Files().OpenDeck(path, LastFile::kKeep);
}

namespace {

// Start-up measured from outside (bench/gui_startup.sh): with TABULA_QUIT_AFTER_FIRST_PAINT
// set, the program prints "painted" and ends once the window has been painted with its
// start-up file open.
class QuitAfterFirstPaint : public QObject {
  public:
    explicit QuitAfterFirstPaint(QWidget& window) : QObject(&window) {
        window.installEventFilter(this);
        window.update();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued: the window's children paint and the frame goes to the screen first.
            QTimer::singleShot(0, watched, [] {
                std::cout << "painted" << std::endl;
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    bool seen_ = false;
};

}  // namespace

int RunTabula(int argc, char** argv) {
    // Answered before QApplication exists: they need no display, and Qt must not take the
    // first argument for one of its own options.
    const std::string program =
        argc > 0 ? std::filesystem::path(argv[0]).filename().string() : std::string("tabula");
    switch (ReadStartupRequest(argc, argv)) {
        case StartupRequest::kVersion:
            std::cout << VersionText(program);
            return 0;
        case StartupRequest::kHelp:
            std::cout << HelpText(program);
            return 0;
        case StartupRequest::kRun:
            break;
    }

    QApplication app(argc, argv);
    InitResources();
    InstallTranslations(app);
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QApplication::setApplicationName(name);
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tabula"));

    QtSettings settings(name);
    QtPrompts prompts;
    // Outlives the window: its attachment folder goes when the program ends, not before.
    XdgEmailTransport mail;
    Deck deck;
    MainWindow window(deck, settings, prompts, mail);
    prompts.SetOwner(&window);

    // Told to end (logout, `kill`, a closed terminal), the program keeps the unsaved changes
    // in the recovery copy and ends without a question: nobody may be there to answer it.
    int ended_by = 0;
    TerminationSignals termination([&window, &ended_by](int number) {
        window.Files().Recovery().WriteNow();
        ended_by = number;
        QCoreApplication::exit(128 + number);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.Files().Recovery().WriteNow(); });

    window.show();
    // Opened once the window is up, so that a message about the file stands over the cards
    // it kept, as it does after File > Open.
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1 && !args.at(1).isEmpty()) {
        LoadStartupFile(window, args.at(1));
    } else {
        window.Files().RecoverUntitled();
    }
    window.Stack().FocusEditor();
    // A signal that came while a question at start-up was open has ended that question's
    // loop only: the main loop would start afresh.
    if (ended_by != 0) {
        return 128 + ended_by;
    }
    if (qEnvironmentVariableIsSet("TABULA_QUIT_AFTER_FIRST_PAINT")) {
        new QuitAfterFirstPaint(window);
    }
    return QApplication::exec();
}

}  // namespace tabula
