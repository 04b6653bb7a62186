#pragma once

namespace tabula {

struct KeyboardLocks {
    bool caps = false;
    bool num = false;
};

// The Caps Lock and Num Lock indicators of the X keyboard; both off where there is no X
// display (the offscreen platform, Wayland).
KeyboardLocks ReadKeyboardLocks();

}  // namespace tabula
