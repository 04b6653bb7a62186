#pragma once

namespace tabula {

class FileCommands;

// File > Import > Cardfile: the cards of an "MGC" Cardfile file become the new deck, titled
// with the .crd path and marked imported, so that only Save As can write it. A damaged file
// gives the cards before the damage, and the user is told where it broke off.
void ImportCardfile(FileCommands& files);

}  // namespace tabula
