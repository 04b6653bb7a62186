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
#include "app/qt_prompts.h"
#include "app/qt_settings.h"
#include "deck/cardfile.h"
#include "deck/deck.h"
#include "deck/deck_file.h"

static void InitTabulaResources() {
    Q_INIT_RESOURCE(tabula);
}

namespace tabula {

namespace {

// A path from the command line as the file system spells it.
std::filesystem::path FilePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

void InitResources() {
    InitTabulaResources();
}

void LoadStartupDeck(MainWindow& window, Deck& deck, Prompts& prompts, const QString& path) {
    const DeckReadResult result = ReadDeckFile(FilePath(path), deck);
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

void LoadStartupCardfile(MainWindow& window, Deck& deck, Prompts& prompts, const QString& path) {
    CardfileResult result;
    if (const std::optional<std::string> bytes = ReadWholeFile(FilePath(path))) {
        result = ReadCardfile(*bytes, deck);
    } else {
        result.status = CardfileResult::Status::kCannotOpen;
    }
    if (!result.Usable()) {
        deck.ClearDeck();
    }
    deck.ClearModified();
    window.Stack().RefreshStack();
    if (result.Usable()) {
        window.SetImported(true);
        window.SetCurrentFile(path);
    }
    if (result.status != CardfileResult::Status::kOk) {
        // The import speaks with the program's own name as caption, as File > Import does.
        prompts.Message(QString::fromStdString(CardfileMessage(result)),
                        QCoreApplication::applicationName(), MessageIcon::kWarning,
                        MessageButtons::kOk);
    }
}

void LoadStartupFile(MainWindow& window, Deck& deck, Prompts& prompts, const QString& path) {
    std::ifstream in(FilePath(path), std::ios::binary);
    char head[3] = {};
    const bool cardfile = in.read(head, sizeof head) && (std::string_view(head, 3) == "MGC" ||
                                                         std::string_view(head, 3) == "RRG");
    in.close();
    if (cardfile) {
        LoadStartupCardfile(window, deck, prompts, path);
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
    Deck deck;
    MainWindow window(deck, settings, prompts);
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
