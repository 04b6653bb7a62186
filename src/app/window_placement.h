#pragma once

#include <QRect>
#include <optional>
#include <string>
#include <string_view>

namespace tabula {

// MainWindowPos: "flags:show:left:top:right:bottom".
struct WindowPlacement {
    int flags = 0;
    int show = 1;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    QRect Rect() const { return QRect(left, top, right - left, bottom - top); }
};

// The window's place when nothing is remembered, and Window > Restore's.
inline constexpr QRect kStartupRect(100, 100, 412, 268);

// Each number may be written as C's "%i" reads it (sign, 0x for hex, leading 0 for octal);
// the value counts only when all six convert.
std::optional<WindowPlacement> ParsePlacement(std::string_view text);
std::string FormatPlacement(const WindowPlacement& placement);

}  // namespace tabula
