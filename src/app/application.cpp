#include "app/application.h"

#include <QApplication>
#include <QFileInfo>

#include "app/main_window.h"
#include "app/qt_prompts.h"
#include "app/qt_settings.h"
#include "deck/deck.h"
#include "deck/deck_file.h"

static void InitTabulaResources() {
    Q_INIT_RESOURCE(tabula);
}

namespace tabula {

void InitResources() {
    InitTabulaResources();
}

void LoadStartupDeck(MainWindow& window, Deck& deck, Prompts& prompts, const QString& path) {
    const std::filesystem::path file(path.toStdString());
    const DeckReadResult result = ReadDeckFile(file, deck);
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

int RunTabula(int argc, char** argv) {
    QApplication app(argc, argv);
    InitResources();
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QApplication::setApplicationName(name);

    QtSettings settings(name);
    QtPrompts prompts;
    Deck deck;
    MainWindow window(deck, settings, prompts);
    prompts.SetOwner(&window);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1 && !args.at(1).isEmpty()) {
        LoadStartupDeck(window, deck, prompts, args.at(1));
    }
    window.show();
    window.Stack().FocusEditor();
    return QApplication::exec();
}

}  // namespace tabula
