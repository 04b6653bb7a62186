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

// Imports the Cardfile file named on the command line into the empty deck, as File > Import
// does: the deck is titled with the .crd path and marked imported, so that only Save As can
// write it and the .crd file is never overwritten with a deck.
void LoadStartupCardfile(MainWindow& window, const QString& path);

// The file named on the command line: a Cardfile file (known by its first bytes, "MGC" or
// "RRG") is imported, anything else is read as a deck. The desktop hands both kinds over.
void LoadStartupFile(MainWindow& window, Deck& deck, Prompts& prompts, const QString& path);

// The whole program: settings under "Tabula" and the executable's name, the main window, the
// command-line file, the event loop. "--version" and "--help" as the first argument are
// answered on standard output before any window or display is needed.
int RunTabula(int argc, char** argv);

}  // namespace tabula
