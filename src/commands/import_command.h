#pragma once

#include <QString>

namespace tabula {

class FileCommands;

// File > Import > Cardfile: the cards of an "MGC" Cardfile file become the new deck, titled
// with the .crd path and marked imported, so that only Save As can write it. A damaged file
// gives the cards before the damage, and the user is told where it broke off.
void ImportCardfile(FileCommands& files);
// The import's reading half, into a deck already emptied: also for a Cardfile file opened by
// its path (FileCommands::OpenDeck).
void ImportCardfileFrom(FileCommands& files, const QString& path);

}  // namespace tabula
