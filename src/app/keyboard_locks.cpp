#include "app/keyboard_locks.h"

#include <QGuiApplication>

// Xlib defines macros (Bool, Status, None) that Qt's headers must not see: it comes last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace tabula {

namespace {

bool Indicator(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) {
        return false;
    }
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) {
        return false;
    }
    return on;
}

}  // namespace

KeyboardLocks ReadKeyboardLocks() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) {
        return {};
    }
    Display* display = x11->display();
    return {Indicator(display, "Caps Lock"), Indicator(display, "Num Lock")};
}

}  // namespace tabula
