#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "deck/phrase.h"

namespace tabula {

// What stopped a read, worded to follow "card N:". The phrase is English with %1 and %2
// standing for its arguments, so that the program can word it anew in the user's language;
// Text() fills it in for the library's own messages and tabula-cli.
struct ReadProblem {
    std::string_view phrase;  // a string literal; empty when nothing went wrong
    std::vector<std::string> args;

    bool empty() const { return phrase.empty(); }
    std::string Text() const { return FillPhrase(phrase, args); }
    bool operator==(const ReadProblem&) const = default;
};

}  // namespace tabula
