#pragma once

#include <QString>

namespace tabula {

class Deck;
class MainWindow;
class Prompts;

// Makes the program's resources (icon, bitmaps, help pages) available; the library holds them.
void InitResources();

// Reads the deck named on the command line into the empty deck. A file that cannot be read
// shows its message and leaves the deck empty; only a deck that was read becomes the current
// file, so a later Save never writes over a file that was not a deck.
void LoadStartupDeck(MainWindow& window, Deck& deck, Prompts& prompts, const QString& path);

// The whole program: settings under "Tabula" and the executable's name, the main window, the
// command-line deck, the event loop.
int RunTabula(int argc, char** argv);

}  // namespace tabula
