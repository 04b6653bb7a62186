#include "app/application.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/program_icon.h"
#include "commands/file_commands.h"
#include "commands/import_command.h"
#include "deck/cardfile.h"
#include "deck/deck.h"
#include "deck/deck_file.h"
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

void LoadStartupDeck(MainWindow& window, Deck& deck, Prompts& prompts, const QString& path) {
    const DeckReadResult result = ReadDeckFile(FileSystemPath(path), deck);
    if (result.status != DeckReadResult::Status::kOk) {
        if (!result.Usable()) {
            deck.ClearDeck();
        }
        prompts.Message(QString::fromStdString(DeckReadMessage(result, path.toStdString())),
                        QStringLiteral("Tabula Error..."), MessageIcon::kStop, MessageButtons::kOk);
    }
    deck.ClearModified();
    window.Stack().RefreshStack();
    if (result.Usable()) {
        window.SetCurrentFile(path);
    }
}

void LoadStartupCardfile(MainWindow& window, const QString& path) {
    // As File > Import does it: the deck is still empty at start-up.
    ImportCardfileFrom(window.Files(), path);
}

void LoadStartupFile(MainWindow& window, Deck& deck, Prompts& prompts, const QString& path) {
    std::ifstream in(FileSystemPath(path), std::ios::binary);
    char head[3] = {};
    const bool cardfile = in.read(head, sizeof head) && (std::string_view(head, 3) == "MGC" ||
                                                         std::string_view(head, 3) == "RRG");
    in.close();
    if (cardfile) {
        LoadStartupCardfile(window, path);
    } else {
        LoadStartupDeck(window, deck, prompts, path);
    }
}

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

    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1 && !args.at(1).isEmpty()) {
        LoadStartupFile(window, deck, prompts, args.at(1));
    }
    window.show();
    window.Stack().FocusEditor();
    return QApplication::exec();
}

}  // namespace tabula
