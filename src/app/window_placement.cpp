#include "app/window_placement.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace tabula {

std::optional<WindowPlacement> ParsePlacement(std::string_view text) {
    const std::string copy(text);  // strtol needs a terminator
    const char* p = copy.c_str();
    int numbers[6];
    for (int i = 0; i < 6; ++i) {
        if (i > 0) {
            if (*p != ':') {
                return std::nullopt;
            }
            ++p;
        }
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(p, &end, 0);
        if (end == p || errno == ERANGE || value < INT_MIN || value > INT_MAX) {
            return std::nullopt;
        }
        numbers[i] = static_cast<int>(value);
        p = end;
    }
    return WindowPlacement{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]};
}

std::string FormatPlacement(const WindowPlacement& w) {
    return std::to_string(w.flags) + ':' + std::to_string(w.show) + ':' + std::to_string(w.left) +
           ':' + std::to_string(w.top) + ':' + std::to_string(w.right) + ':' +
           std::to_string(w.bottom);
}

}  // namespace tabula
