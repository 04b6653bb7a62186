#pragma once

namespace tabula {

class CardStack;
class Deck;
class Prompts;

// What a command reaches: the deck, the stack view that shows it, and the questions it asks.
struct CommandContext {
    Deck& deck;
    CardStack& stack;
    Prompts& prompts;
};

}  // namespace tabula
