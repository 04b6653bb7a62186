// Writes a deck file of made-up cards, as the benchmarks make them, for the scripts that time
// whole processes.
//   tabula_make_deck CARDS FILE
#include <cstdlib>
#include <iostream>

#include "bench_data.h"
#include "deck/deck.h"
#include "deck/deck_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tabula_make_deck CARDS FILE\n";
        return 2;
    }
    tabula::Deck deck;
    tabula::bench::AddMadeUpCards(deck, std::atoi(argv[1]), tabula::bench::kDeckSeed);
    tabula::bench::TurnRing(deck);
    if (!tabula::WriteDeckFile(argv[2], deck).ok()) {
        std::cerr << "cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
