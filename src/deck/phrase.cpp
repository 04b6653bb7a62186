#include "deck/phrase.h"

namespace tabula {

std::string FillPhrase(std::string_view phrase, const std::vector<std::string>& args) {
    std::string text;
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        const char next = i + 1 < phrase.size() ? phrase[i + 1] : '\0';
        const bool placeholder = phrase[i] == '%' && next >= '1' && next <= '9' &&
                                 static_cast<std::size_t>(next - '1') < args.size();
        if (placeholder) {
            text += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            text += phrase[i];
        }
    }
    return text;
}

}  // namespace tabula
